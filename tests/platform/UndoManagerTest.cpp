#include "platform/UndoManager.h"

#include <gtest/gtest.h>

namespace {

// A value whose setter registers the inverse set, as the model's setters do.
class UndoManagerTest : public ::testing::Test {
protected:
    void set(int newValue) {
        undo.registerUndo([this, old = value] { set(old); });
        value = newValue;
    }
    void edit(int newValue, const char* name = "") { // one user event
        set(newValue);
        undo.setActionName(name);
        undo.closeEventGroup();
    }

    UndoManager undo;
    int value = 0;
};

} // namespace

TEST_F(UndoManagerTest, UndoAndRedoStepThroughEventsNewestActionFirst) {
    int order = 0, level = 0;
    undo.registerUndo([&] { order = order * 10 + 1; level = undo.groupingLevel(); });
    undo.registerUndo([&] { order = order * 10 + 2; });
    undo.undo(); // closes the open group first
    EXPECT_EQ(order, 21);
    EXPECT_EQ(level, 1) << "a step is replayed as one group";
    EXPECT_FALSE(undo.canUndo() || undo.canRedo());

    edit(1);
    set(2);
    edit(3); // one event with the 2
    undo.undo();
    EXPECT_EQ(value, 1);
    undo.undo();
    undo.redo();
    undo.redo();
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(undo.canRedo());
    undo.undo();
    edit(7); // a new change ends what could be redone
    EXPECT_FALSE(undo.canRedo());
}

TEST_F(UndoManagerTest, MenuTitlesNameTheSteps) {
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo");
    edit(1, "Set A Value");
    edit(2);
    undo.setActionName("Set X Value"); // no group open: names the latest step
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set X Value");
    undo.undo();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo Set X Value");
    undo.redo();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set X Value");
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo");
}

// A slider drag: the group opens in the event of a change and spans later events.
TEST_F(UndoManagerTest, AnExplicitGroupIsOneStepAcrossEvents) {
    undo.beginUndoGrouping();
    undo.endUndoGrouping();
    EXPECT_FALSE(undo.canUndo()) << "an empty group is no step";

    set(1);
    undo.beginUndoGrouping(); // in the same event: takes the change in
    set(2);
    undo.closeEventGroup();
    undo.beginUndoGrouping();
    set(3);
    undo.endUndoGrouping();
    undo.closeEventGroup();
    set(4);
    undo.endUndoGrouping();
    EXPECT_EQ(undo.changeCount(), 1);
    undo.undo();
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(undo.canUndo());
}

// The document is edited when the count is not 0.
TEST_F(UndoManagerTest, ChangeCountFollowsDoneUndoneAndRedoneSteps) {
    int notified = 0;
    undo.setChangeHandler([&] { ++notified; });
    set(1);
    EXPECT_EQ(undo.changeCount(), 0) << "counted when the step closes";
    undo.closeEventGroup();
    EXPECT_EQ(undo.changeCount(), 1);
    undo.undo();
    EXPECT_EQ(undo.changeCount(), 0);
    undo.redo();
    undo.clearChangeCount(); // saved
    undo.undo();
    EXPECT_EQ(undo.changeCount(), -1);
    EXPECT_GT(notified, 0);
}
