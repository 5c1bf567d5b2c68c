// A document's text in which every stored number differs from every other
// (0.625, 0.75, ...) and every integer code is the one given, so that a
// value read, written or shown in another's place shows.
#pragma once

#include "model/DocumentValues.h"
#include "model/StrainData.h"

#include <string>

// What a model stores, by file key.
inline StrainData::StringDictionary stored(const StrainData& model) {
    StrainData::StringDictionary d;
    model.convertToDictionary(d);
    return d;
}

// Every value of the table, those that a new document leaves out of its file
// too.
inline std::string distinctValues(const char* code) {
    std::string text = "{";
    float number = 0.5f;
    for (const DocumentValue& value : documentValues())
        text += "\"" + std::string(value.key) + "\" = " +
                (value.validCode ? code : std::to_string(number += 0.125f)) + ";";
    return text + "}";
}
