// The inspector's table of bindings: each field, check box and pop-up with
// the model value it shows and sets, the notification that refreshes it and
// the names of its undo steps. A field applies its number, a check box 1 or
// 0, a pop-up its item's index. Each row stands for a refresh and an action
// of the window controller's (updateAField and aAction, ...), named beside it.
#pragma once

#include "controller/MyWindowController.h"

#include <span>
#include <string_view>

struct Binding {
    using Refresh = void (MyWindowController::*)(const Notification*);

    const char* control;           // the control's objectName
    std::string_view notification; // none: the strain fields, refreshed by updateStrain
    float (*get)(const StrainData&);
    void (*set)(StrainData&, float);
    const char* undoName;    // the step's name; for a check box on, a pop-up item 1
    const char* offUndoName; // for a check box off, a pop-up item 0; null: undoName
    Refresh also = nullptr;  // what else the refresh shows
};

std::span<const Binding> inspectorBindings();
