// Every value a document file stores, declared once: the key that files
// hold, a new document's value, the range a file's text must fall in, how
// the model reads and sets it, the notification its change posts, and the
// inspector control that edits it with the names of the control's undo
// steps. Reading and writing files, a new model's defaults and the
// inspector's bindings all walk this table.
#pragma once

#include <span>
#include <string_view>

class StrainData;

struct DocumentValue {
    const char* key; // as document files hold it
    float initial;   // a new document's value
    // An integer code's valid codes; a code outside them reads as initial.
    // None for a number, which reads as 0 when it is not finite.
    bool (*validCode)(int);
    float (*get)(const StrainData&);
    void (*set)(StrainData&, float);
    std::string_view notification; // none for the saved strain, which posts none
    // The inspector's control (its objectName) that shows and sets the value,
    // if one does: a field applies its number, a check box 1 or 0, a pop-up
    // its item's index, a slider its value, a radio cluster its button's tag.
    const char* control = nullptr;
    const char* undoName = nullptr;    // the step's name; for a check box on, a pop-up item 1
    const char* offUndoName = nullptr; // for a check box off, a pop-up item 0; none: undoName
    // A strain entry's inspector field, 0 to 8 for a to i, which shows it
    // while the matrix acts on the left; acting on the right each field
    // shows the transposed entry (StrainData::strainFieldIndex). -1 otherwise.
    int strainField = -1;
    // A value that files written before it existed lack: a missing key reads
    // as initial, and the value is written only when it is not initial, so
    // that a document which does not use it is stored as before.
    bool optional = false;
};

// In the order that reading a file applies them: the side the matrix acts
// on before the strain, "preserve volume" after it.
std::span<const DocumentValue> documentValues();
