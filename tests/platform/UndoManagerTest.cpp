#include "platform/UndoManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A tiny undoable value whose set registers the inverse set, as model setters do.
class UndoManagerTest : public ::testing::Test {
protected:
    void set(int newValue) {
        undo.registerUndo([this, old = value] { set(old); });
        value = newValue;
    }
    // One user event that sets the value.
    void edit(int newValue) {
        set(newValue);
        undo.closeEventGroup();
    }

    UndoManager undo;
    int value = 0;
};

} // namespace

TEST_F(UndoManagerTest, OneEventIsOneStepUndoneInReverseOrder) {
    std::vector<std::string> log;
    undo.registerUndo([&] { log.push_back("first"); });
    undo.registerUndo([&] { log.push_back("second"); });
    EXPECT_TRUE(undo.canUndo()) << "an open group with actions can be undone";
    undo.undo(); // closes the open group first
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.canRedo()) << "an undo that registers nothing leaves nothing to redo";
}

TEST_F(UndoManagerTest, UndoAndRedoReplayTheSameSetters) {
    edit(1);
    set(2);
    edit(3); // same event as the 2
    undo.undo();
    EXPECT_EQ(value, 1);
    undo.undo();
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(undo.canUndo());
    undo.redo();
    EXPECT_TRUE(undo.canRedo()) << "registrations while redoing keep the redo stack";
    undo.redo();
    EXPECT_EQ(value, 3);
    EXPECT_FALSE(undo.canRedo());

    undo.undo();
    edit(7); // a new edit clears what could be redone
    EXPECT_FALSE(undo.canRedo());
    undo.undo();
    EXPECT_EQ(value, 1);
}

TEST_F(UndoManagerTest, ActionNamesAndMenuTitles) {
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo");
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo");
    set(1);
    undo.setActionName("Set A Value"); // names the open group
    undo.closeEventGroup();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");
    edit(2);
    undo.setActionName("Set X Value"); // no group open: names the latest step
    EXPECT_EQ(undo.undoActionName(), "Set X Value");

    undo.undo();
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo Set X Value");
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");
    undo.redo();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set X Value") << "redo keeps the step's name";
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo");
}

TEST_F(UndoManagerTest, ExplicitGroupsNestAndOutliveTheEventsTheySpan) {
    undo.beginUndoGrouping();
    undo.endUndoGrouping();
    EXPECT_FALSE(undo.canUndo()) << "an empty group is never pushed";

    undo.beginUndoGrouping(); // a slider drag begins
    set(1);
    undo.closeEventGroup(); // the event loop waits between two moves
    undo.beginUndoGrouping();
    set(2);
    undo.endUndoGrouping();
    EXPECT_EQ(undo.groupingLevel(), 1);
    undo.closeEventGroup();
    set(3);
    undo.endUndoGrouping(); // released
    EXPECT_EQ(undo.groupingLevel(), 0);
    EXPECT_EQ(undo.changeCount(), 1);
    undo.undo();
    EXPECT_EQ(value, 0) << "the whole drag is one step";
    EXPECT_FALSE(undo.canUndo());
}

TEST_F(UndoManagerTest, DisablingNestsAndDropsRegistrations) {
    undo.disableUndoRegistration();
    undo.disableUndoRegistration();
    set(1);
    undo.enableUndoRegistration();
    set(2);
    EXPECT_FALSE(undo.isUndoRegistrationEnabled());
    undo.enableUndoRegistration();
    EXPECT_FALSE(undo.canUndo());
    set(3);
    undo.undo();
    EXPECT_EQ(value, 2);
}

TEST_F(UndoManagerTest, RemoveAllActionsEmptiesBothStacksAndTheOpenGroup) {
    edit(1);
    edit(2);
    undo.undo();
    set(9); // left open
    undo.removeAllActions();
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.canRedo());
    EXPECT_EQ(undo.groupingLevel(), 0);
    undo.undo();
    EXPECT_EQ(value, 9);
}

TEST_F(UndoManagerTest, ChangeCountFollowsDoneUndoneAndRedoneSteps) {
    int notified = 0;
    undo.setChangeHandler([&] { ++notified; });
    set(1);
    EXPECT_EQ(undo.changeCount(), 0) << "counted when the step closes";
    undo.closeEventGroup();
    EXPECT_EQ(undo.changeCount(), 1);
    undo.undo();
    EXPECT_EQ(undo.changeCount(), 0) << "undoing back to the opened state is clean";
    undo.redo();
    EXPECT_EQ(undo.changeCount(), 1);
    undo.clearChangeCount(); // saved
    undo.undo();
    EXPECT_EQ(undo.changeCount(), -1) << "undoing past a save makes the document edited";
    EXPECT_GT(notified, 0);
}
