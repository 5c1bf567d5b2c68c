#include "platform/UndoManager.h"

#include "platform/Localization.h"

#include <cassert>
#include <utility>

void UndoManager::registerUndo(Action action) {
    if (disableCount_ > 0)
        return;
    if (mode_ == Mode::Normal)
        redoStack_.clear();
    if (groupingLevel_ == 0) {
        groupingLevel_ = 1;
        eventGroupOpen_ = true;
    }
    openGroup_.actions.push_back(std::move(action));
    changed();
}

void UndoManager::beginUndoGrouping() {
    // An explicit group opened over an event's group takes it in: that group
    // becomes the explicit one, so the matching end closes it.
    if (eventGroupOpen_)
        eventGroupOpen_ = false;
    else
        ++groupingLevel_;
}

void UndoManager::endUndoGrouping() {
    assert(groupingLevel_ > 0 && "endUndoGrouping without a matching begin");
    if (groupingLevel_ == 0)
        return;
    if (--groupingLevel_ == 0)
        closeGroup();
}

void UndoManager::closeEventGroup() {
    if (!eventGroupOpen_)
        return;
    groupingLevel_ = 0;
    closeGroup();
}

void UndoManager::closeAllGroups() {
    if (groupingLevel_ == 0)
        return;
    groupingLevel_ = 0;
    closeGroup();
}

// Files the open group where the current mode says: on the redo stack while
// undoing, on the undo stack otherwise. An empty group is never filed.
void UndoManager::closeGroup() {
    eventGroupOpen_ = false;
    Group group = std::exchange(openGroup_, Group{});
    if (group.actions.empty())
        return;
    if (mode_ == Mode::Undoing) {
        redoStack_.push_back(std::move(group));
    } else {
        undoStack_.push_back(std::move(group));
        if (mode_ == Mode::Normal)
            ++changeCount_;
    }
    changed();
}

void UndoManager::undo() {
    if (mode_ != Mode::Normal)
        return;
    closeAllGroups();
    replay(undoStack_, Mode::Undoing);
}

void UndoManager::redo() {
    if (mode_ != Mode::Normal)
        return;
    closeAllGroups();
    replay(redoStack_, Mode::Redoing);
}

// Pops the top step of `from` and runs its actions newest first; what they
// register forms one new group with the same name on the opposite stack.
void UndoManager::replay(std::vector<Group>& from, Mode mode) {
    if (from.empty())
        return;
    Group step = std::move(from.back());
    from.pop_back();

    mode_ = mode;
    groupingLevel_ = 1;
    openGroup_.name = step.name;
    for (auto it = step.actions.rbegin(); it != step.actions.rend(); ++it)
        (*it)();
    groupingLevel_ = 0;
    closeGroup();
    mode_ = Mode::Normal;

    changeCount_ += mode == Mode::Undoing ? -1 : 1;
    changed();
}

bool UndoManager::canUndo() const {
    return !undoStack_.empty() || !openGroup_.actions.empty();
}

void UndoManager::setActionName(const std::string& name) {
    if (groupingLevel_ > 0)
        openGroup_.name = name;
    else if (!undoStack_.empty())
        undoStack_.back().name = name;
    changed();
}

std::string UndoManager::undoActionName() const {
    if (!openGroup_.actions.empty())
        return openGroup_.name;
    return undoStack_.empty() ? std::string() : undoStack_.back().name;
}

std::string UndoManager::redoActionName() const {
    return redoStack_.empty() ? std::string() : redoStack_.back().name;
}

namespace {
// The bare verb, or the pattern with the step's name in place of %1, in the
// user's language: "Undo Set A Value", "a-Wert setzen widerrufen".
std::string menuTitle(const char* verb, const char* pattern, const std::string& name) {
    if (name.empty())
        return localizedString(verb);
    std::string title = localizedString(pattern);
    const std::size_t at = title.find("%1");
    return at == std::string::npos ? title : title.replace(at, 2, name);
}
} // namespace

std::string UndoManager::undoMenuItemTitle() const {
    return menuTitle("Undo", "Undo %1", undoActionName());
}

std::string UndoManager::redoMenuItemTitle() const {
    return menuTitle("Redo", "Redo %1", redoActionName());
}

void UndoManager::enableUndoRegistration() {
    assert(disableCount_ > 0 && "enableUndoRegistration without a matching disable");
    if (disableCount_ > 0)
        --disableCount_;
}

void UndoManager::removeAllActions() {
    undoStack_.clear();
    redoStack_.clear();
    openGroup_ = Group{};
    groupingLevel_ = 0;
    eventGroupOpen_ = false;
    changed();
}

void UndoManager::clearChangeCount() {
    changeCount_ = 0;
    changed();
}

void UndoManager::changed() {
    if (changeHandler_)
        changeHandler_();
}
