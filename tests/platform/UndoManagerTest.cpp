#include "platform/UndoManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A tiny undoable value: each set registers the inverse set, as model setters do.
struct Value {
    UndoManager& undo;
    int value = 0;
    void set(int newValue) {
        undo.registerUndo([this, old = value] { set(old); });
        value = newValue;
    }
};

} // namespace

TEST(UndoManager, RegistrationsOfOneEventFormOneStepUndoneInReverse) {
    UndoManager undo;
    std::vector<std::string> log;
    undo.registerUndo([&] { log.push_back("first"); });
    undo.registerUndo([&] { log.push_back("second"); });
    EXPECT_TRUE(undo.canUndo()) << "an open group with actions can be undone";
    undo.closeEventGroup();
    undo.undo();
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    EXPECT_FALSE(undo.canUndo());
}

TEST(UndoManager, UndoAndRedoReplayTheSameSetters) {
    UndoManager undo;
    Value v{undo};
    v.set(1);
    undo.closeEventGroup();
    v.set(2);
    v.set(3); // same event as the 2
    undo.closeEventGroup();

    undo.undo();
    EXPECT_EQ(v.value, 1);
    EXPECT_TRUE(undo.canRedo());
    undo.undo();
    EXPECT_EQ(v.value, 0);
    EXPECT_FALSE(undo.canUndo());

    undo.redo();
    EXPECT_EQ(v.value, 1);
    undo.redo();
    EXPECT_EQ(v.value, 3);
    EXPECT_FALSE(undo.canRedo());
    undo.undo();
    EXPECT_EQ(v.value, 1);
}

TEST(UndoManager, UndoClosesTheOpenGroupFirst) {
    UndoManager undo;
    Value v{undo};
    v.set(5);
    undo.undo(); // no explicit close
    EXPECT_EQ(v.value, 0);
    EXPECT_TRUE(undo.canRedo());
}

TEST(UndoManager, ANewEditClearsRedoButReplayedRegistrationsDoNot) {
    UndoManager undo;
    Value v{undo};
    v.set(1);
    undo.closeEventGroup();
    v.set(2);
    undo.closeEventGroup();
    undo.undo();
    undo.undo();
    EXPECT_TRUE(undo.canRedo());
    undo.redo(); // registers while redoing: the second redo step must stay
    EXPECT_TRUE(undo.canRedo());

    v.set(7);
    undo.closeEventGroup();
    EXPECT_FALSE(undo.canRedo());
    undo.undo();
    EXPECT_EQ(v.value, 1);
}

TEST(UndoManager, ActionNamesAndMenuTitles) {
    UndoManager undo;
    Value v{undo};
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo");
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo");

    v.set(1);
    undo.setActionName("Set A Value"); // names the open group
    undo.closeEventGroup();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");

    v.set(2);
    undo.closeEventGroup();
    undo.setActionName("Set X Value"); // no group open: names the latest step
    EXPECT_EQ(undo.undoActionName(), "Set X Value");

    undo.undo();
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo Set X Value");
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set A Value");
    undo.redo();
    EXPECT_EQ(undo.undoMenuItemTitle(), "Undo Set X Value") << "redo keeps the step's name";
    EXPECT_EQ(undo.redoMenuItemTitle(), "Redo");
}

TEST(UndoManager, AnEmptyGroupIsNeverPushed) {
    UndoManager undo;
    undo.beginUndoGrouping();
    undo.endUndoGrouping();
    EXPECT_FALSE(undo.canUndo());

    std::vector<int> ran;
    undo.registerUndo([&] { ran.push_back(1); }); // registers nothing when undone
    undo.closeEventGroup();
    undo.undo();
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_FALSE(undo.canRedo());
}

TEST(UndoManager, ExplicitGroupsNest) {
    UndoManager undo;
    Value v{undo};
    undo.beginUndoGrouping();
    v.set(1);
    undo.beginUndoGrouping();
    v.set(2);
    undo.endUndoGrouping();
    EXPECT_EQ(undo.groupingLevel(), 1);
    v.set(3);
    undo.endUndoGrouping();
    EXPECT_EQ(undo.groupingLevel(), 0);
    undo.undo();
    EXPECT_EQ(v.value, 0) << "the nested group is part of the outer step";
}

TEST(UndoManager, DisablingNestsAndDropsRegistrations) {
    UndoManager undo;
    Value v{undo};
    undo.disableUndoRegistration();
    undo.disableUndoRegistration();
    v.set(1);
    undo.enableUndoRegistration();
    v.set(2);
    EXPECT_FALSE(undo.isUndoRegistrationEnabled());
    undo.enableUndoRegistration();
    EXPECT_TRUE(undo.isUndoRegistrationEnabled());
    EXPECT_FALSE(undo.canUndo());
    v.set(3);
    EXPECT_TRUE(undo.canUndo());
    undo.undo();
    EXPECT_EQ(v.value, 2);
}

TEST(UndoManager, RemoveAllActionsEmptiesBothStacksAndTheOpenGroup) {
    UndoManager undo;
    Value v{undo};
    v.set(1);
    undo.closeEventGroup();
    v.set(2);
    undo.closeEventGroup();
    undo.undo();
    v.set(9); // left open
    undo.removeAllActions();
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.canRedo());
    EXPECT_EQ(undo.groupingLevel(), 0);
    undo.undo();
    EXPECT_EQ(v.value, 9);
}

TEST(UndoManager, ChangeCountFollowsDoneUndoneAndRedoneSteps) {
    UndoManager undo;
    Value v{undo};
    int notified = 0;
    undo.setChangeHandler([&] { ++notified; });

    v.set(1);
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

TEST(UndoManager, AnExplicitGroupOutlivesTheEventsItSpans) {
    UndoManager undo;
    Value v{undo};
    undo.beginUndoGrouping(); // a slider drag begins
    v.set(1);
    undo.closeEventGroup(); // the event loop waits between two moves
    v.set(2);
    undo.closeEventGroup();
    EXPECT_EQ(undo.groupingLevel(), 1);
    undo.endUndoGrouping(); // released
    EXPECT_EQ(undo.changeCount(), 1);
    undo.undo();
    EXPECT_EQ(v.value, 0) << "the whole drag is one step";
    EXPECT_FALSE(undo.canUndo());
}
