// Records the inverse of every change so that it can be undone and redone.
//
// Changes register their inverse as a callable. Registrations made while one
// user event is handled form one undo step (a group): the first registration
// opens the group and the application closes it when the event loop is about to
// wait. While a step is undone, what the replayed calls register forms the
// matching redo step, and vice versa, so redo needs no code of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

class UndoManager {
public:
    using Action = std::function<void()>;

    // Adds action to the open group, opening one when none is. Dropped while
    // registration is disabled. Outside undo and redo it clears the redo stack.
    void registerUndo(Action action);

    // Explicit grouping, for a step that spans several events (a slider
    // drag); groups nest, and the outermost end closes the group.
    void beginUndoGrouping();
    void endUndoGrouping();
    int groupingLevel() const { return groupingLevel_; }

    // Closes the group that a registration opened during this event, if any;
    // an explicit group stays open until its end.
    void closeEventGroup();

    void undo();
    void redo();
    bool canUndo() const;
    bool canRedo() const { return !redoStack_.empty(); }
    bool isUndoing() const { return mode_ == Mode::Undoing; }
    bool isRedoing() const { return mode_ == Mode::Redoing; }

    // Names the open group, or the most recent undo step when none is open.
    void setActionName(const std::string& name);
    std::string undoActionName() const;
    std::string redoActionName() const;
    // "Undo" or "Undo <name>", and likewise for redo.
    std::string undoMenuItemTitle() const;
    std::string redoMenuItemTitle() const;

    void disableUndoRegistration() { ++disableCount_; }
    void enableUndoRegistration();
    bool isUndoRegistrationEnabled() const { return disableCount_ == 0; }

    // Empties both stacks and discards the open group.
    void removeAllActions();

    // The document's edited state: +1 for every step done or redone, -1 for
    // every step undone; 0 means the document matches its file.
    int changeCount() const { return changeCount_; }
    void clearChangeCount();

    // Called after anything that may change canUndo, canRedo, the titles or
    // the change count, so that menus and the window title can follow.
    void setChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }

private:
    struct Group {
        std::string name;
        std::vector<Action> actions;
    };
    enum class Mode { Normal, Undoing, Redoing };

    void closeGroup();
    void closeAllGroups();
    void replay(std::vector<Group>& from, Mode mode);
    void changed();

    std::vector<Group> undoStack_;
    std::vector<Group> redoStack_;
    Group openGroup_;
    int groupingLevel_ = 0;
    bool eventGroupOpen_ = false; // the open group was opened by a registration
    int disableCount_ = 0;
    int changeCount_ = 0;
    Mode mode_ = Mode::Normal;
    std::function<void()> changeHandler_;
};
