// The document file's model entries, as the table of document values gives
// them.
#include "model/DocumentValues.h"
#include "model/StrainData.h"

#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <cmath>

namespace {

// A number beyond a float ("1e39") reads as 0, as "inf" and "nan" do.
float finiteValue(std::string_view text) {
    const float value = floatValue(text);
    return std::isfinite(value) ? value : 0.0f;
}

float readValue(const DocumentValue& value, std::string_view text) {
    if (!value.validCode)
        return finiteValue(text);
    const int code = intValue(text);
    return value.validCode(code) ? float(code) : value.initial;
}

} // namespace

void StrainData::convertToDictionary(StringDictionary& dictionary) const {
    for (const DocumentValue& value : documentValues())
        if (!value.optional || value.get(*this) != value.initial)
            dictionary[value.key] = value.validCode ? formatInt(int(value.get(*this)))
                                                    : formatFloat(value.get(*this));
}

void StrainData::restoreFromDictionary(const StringDictionary& dictionary) {
    // Directly, so that the strain entries are stored as read; the stored
    // flag comes back after them.
    preserveVolume_ = 0;
    if (undoManager_)
        undoManager_->disableUndoRegistration();

    for (const DocumentValue& value : documentValues()) {
        const auto found = dictionary.find(value.key);
        if (found == dictionary.end() && value.optional)
            value.set(*this, value.initial);
        else
            value.set(*this, readValue(value, found == dictionary.end()
                                                  ? std::string_view()
                                                  : std::string_view(found->second)));
    }
    setPointToSet(0); // no material point is left waiting for a pick

    if (undoManager_)
        undoManager_->enableUndoRegistration();
}
