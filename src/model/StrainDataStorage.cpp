// The document file's model entries: their keys, how each is formatted and
// which setter applies it when a file is read.
#include "model/StrainData.h"

#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

struct ModelKey {
    std::string name;
    std::function<std::string(const StrainData&)> write;
    std::function<void(StrainData&, std::string_view)> read;
};

// A number beyond a float ("1e39") reads as 0, as "inf" and "nan" do.
float finiteValue(std::string_view text) {
    const float value = floatValue(text);
    return std::isfinite(value) ? value : 0.0f;
}

ModelKey floatKey(std::string name, std::function<float(const StrainData&)> get,
                  std::function<void(StrainData&, float)> set) {
    return {std::move(name), [get](const StrainData& m) { return formatFloat(get(m)); },
            [set](StrainData& m, std::string_view text) { set(m, finiteValue(text)); }};
}

bool isFlag(int value) { return value == 0 || value == 1; }
bool isConstraint(int value) { return value >= 0 && value <= 2; }
// The animation pop-up's codes: the nine strain entries, then x, y and z
// from 10 (9 is no quantity).
bool isAnimationField(int value) { return (value >= 0 && value <= 8) || (value >= 10 && value <= 12); }

// A code outside its range reads as fallback, the code of a new document.
ModelKey intKey(std::string name, int (StrainData::*get)() const, void (StrainData::*set)(int),
                bool (*valid)(int), int fallback) {
    return {std::move(name), [get](const StrainData& m) { return formatInt((m.*get)()); },
            [set, valid, fallback](StrainData& m, std::string_view text) {
                const int value = intValue(text);
                (m.*set)(valid(value) ? value : fallback);
            }};
}

// An indexed value as files hold it: its key, and its index in the model.
struct Indexed {
    const char* key;
    int index;
};

// The translation and the animation slider's bounds for it.
constexpr Indexed kTranslation[] = {
    {"translation x", 0},
    {"translation y", 1},
    {"translation z", 2},
};
constexpr Indexed kTranslationMinima[] = {
    {"translation x min", 0},
    {"translation y min", 1},
    {"translation z min", 2},
};
constexpr Indexed kTranslationMaxima[] = {
    {"translation x max", 0},
    {"translation y max", 1},
    {"translation z max", 2},
};
// The strain's 3x3 block and the slider's bounds for each entry, row,column.
constexpr Indexed kStrainEntries[] = {
    {"strain entry 1,1", MatrixIndex(0, 0)},
    {"strain entry 2,1", MatrixIndex(1, 0)},
    {"strain entry 3,1", MatrixIndex(2, 0)},
    {"strain entry 1,2", MatrixIndex(0, 1)},
    {"strain entry 2,2", MatrixIndex(1, 1)},
    {"strain entry 3,2", MatrixIndex(2, 1)},
    {"strain entry 1,3", MatrixIndex(0, 2)},
    {"strain entry 2,3", MatrixIndex(1, 2)},
    {"strain entry 3,3", MatrixIndex(2, 2)},
};
constexpr Indexed kStrainMinima[] = {
    {"strain entry 1,1 min", MatrixIndex(0, 0)},
    {"strain entry 2,1 min", MatrixIndex(1, 0)},
    {"strain entry 3,1 min", MatrixIndex(2, 0)},
    {"strain entry 1,2 min", MatrixIndex(0, 1)},
    {"strain entry 2,2 min", MatrixIndex(1, 1)},
    {"strain entry 3,2 min", MatrixIndex(2, 1)},
    {"strain entry 1,3 min", MatrixIndex(0, 2)},
    {"strain entry 2,3 min", MatrixIndex(1, 2)},
    {"strain entry 3,3 min", MatrixIndex(2, 2)},
};
constexpr Indexed kStrainMaxima[] = {
    {"strain entry 1,1 max", MatrixIndex(0, 0)},
    {"strain entry 2,1 max", MatrixIndex(1, 0)},
    {"strain entry 3,1 max", MatrixIndex(2, 0)},
    {"strain entry 1,2 max", MatrixIndex(0, 1)},
    {"strain entry 2,2 max", MatrixIndex(1, 1)},
    {"strain entry 3,2 max", MatrixIndex(2, 1)},
    {"strain entry 1,3 max", MatrixIndex(0, 2)},
    {"strain entry 2,3 max", MatrixIndex(1, 2)},
    {"strain entry 3,3 max", MatrixIndex(2, 2)},
};
// The saved strain; its fourth column holds the translations that Restart
// Strain folded in. Files from before it was stored lack those keys, which
// then read as 0, no translation.
constexpr Indexed kSavedStrainEntries[] = {
    {"saved strain entry 1,1", MatrixIndex(0, 0)},
    {"saved strain entry 2,1", MatrixIndex(1, 0)},
    {"saved strain entry 3,1", MatrixIndex(2, 0)},
    {"saved strain entry 1,2", MatrixIndex(0, 1)},
    {"saved strain entry 2,2", MatrixIndex(1, 1)},
    {"saved strain entry 3,2", MatrixIndex(2, 1)},
    {"saved strain entry 1,3", MatrixIndex(0, 2)},
    {"saved strain entry 2,3", MatrixIndex(1, 2)},
    {"saved strain entry 3,3", MatrixIndex(2, 2)},
    {"saved strain entry 1,4", MatrixIndex(0, 3)},
    {"saved strain entry 2,4", MatrixIndex(1, 3)},
    {"saved strain entry 3,4", MatrixIndex(2, 3)},
};
constexpr Indexed kLight[] = {
    {"light x", 0},
    {"light y", 1},
    {"light z", 2},
};
// The material points.
constexpr Indexed kPoint1[] = {
    {"point 1 x", 0},
    {"point 1 y", 1},
    {"point 1 z", 2},
};
constexpr Indexed kPoint2[] = {
    {"point 2 x", 0},
    {"point 2 y", 1},
    {"point 2 z", 2},
};
constexpr Indexed kPoint3[] = {
    {"point 3 x", 0},
    {"point 3 y", 1},
    {"point 3 z", 2},
};

// Every model key but the colour, in the order that reading applies them.
const std::vector<ModelKey>& modelKeys() {
    static const std::vector<ModelKey> keys = [] {
        std::vector<ModelKey> k;
        k.push_back(floatKey(
            "translucency", [](const StrainData& m) { return m.translucency(); },
            [](StrainData& m, float v) { m.setTranslucency(v); }));
        k.push_back(intKey("matrix acts on right", &StrainData::actingOnRight,
                           &StrainData::setActingOnRight, isFlag, 0));
        k.push_back(intKey("animation field", &StrainData::animationField,
                           &StrainData::setAnimationField, isAnimationField, 1));

        using Get = float (StrainData::*)(int) const;
        using Set = void (StrainData::*)(int, float);
        const auto indexed = [&k](const auto& entries, Get get, Set set) {
            for (const Indexed& entry : entries)
                k.push_back(floatKey(
                    entry.key, [get, i = entry.index](const StrainData& m) { return (m.*get)(i); },
                    [set, i = entry.index](StrainData& m, float v) { (m.*set)(i, v); }));
        };
        indexed(kTranslation, &StrainData::translation, &StrainData::setTranslation);
        indexed(kTranslationMinima, &StrainData::translationMin, &StrainData::setTranslationMin);
        indexed(kTranslationMaxima, &StrainData::translationMax, &StrainData::setTranslationMax);
        indexed(kStrainEntries, &StrainData::strainEntry, &StrainData::setStrain);
        indexed(kStrainMinima, &StrainData::strainMin, &StrainData::setStrainMin);
        indexed(kStrainMaxima, &StrainData::strainMax, &StrainData::setStrainMax);
        indexed(kSavedStrainEntries, &StrainData::savedStrainEntry, &StrainData::setSavedStrain);
        indexed(kLight, static_cast<Get>(&StrainData::light), &StrainData::setLight);
        k.push_back(floatKey(
            "distance", [](const StrainData& m) { return m.distance(); },
            [](StrainData& m, float v) { m.setDistance(v); }));
        k.push_back(intKey("perspective projection", &StrainData::projection,
                           &StrainData::setProjection, isFlag, 0));
        k.push_back(intKey("show principal axes", &StrainData::showPrincipalAxes,
                           &StrainData::setShowPrincipalAxes, isFlag, 0));
        k.push_back(
            intKey("show axes", &StrainData::showAxes, &StrainData::setShowAxes, isFlag, 1));
        k.push_back(
            intKey("mark axes", &StrainData::markAxes, &StrainData::setMarkAxes, isFlag, 0));
        k.push_back(intKey("preserve volume", &StrainData::preserveVolume,
                           &StrainData::setPreserveVolume, isFlag, 0));
        k.push_back(intKey("constraint", &StrainData::constraint, &StrainData::setConstraint,
                           isConstraint, 2));
        k.push_back(intKey("show point 1", &StrainData::showPoint1, &StrainData::setShowPoint1,
                           isFlag, 0));
        k.push_back(intKey("show point 2", &StrainData::showPoint2, &StrainData::setShowPoint2,
                           isFlag, 0));
        k.push_back(intKey("show point 3", &StrainData::showPoint3, &StrainData::setShowPoint3,
                           isFlag, 0));
        indexed(kPoint1, static_cast<Get>(&StrainData::point1), &StrainData::setPoint1);
        indexed(kPoint2, static_cast<Get>(&StrainData::point2), &StrainData::setPoint2);
        indexed(kPoint3, static_cast<Get>(&StrainData::point3), &StrainData::setPoint3);
        return k;
    }();
    return keys;
}

constexpr const char* kColorKeys[3] = {"red", "green", "blue"};

} // namespace

void StrainData::convertToDictionary(StringDictionary& dictionary) const {
    for (int i = 0; i < 3; ++i)
        dictionary[kColorKeys[i]] = formatFloat(color_[i]);
    for (const ModelKey& key : modelKeys())
        dictionary[key.name] = key.write(*this);
}

void StrainData::restoreFromDictionary(const StringDictionary& dictionary) {
    auto text = [&dictionary](const std::string& key) -> std::string_view {
        const auto found = dictionary.find(key);
        return found == dictionary.end() ? std::string_view() : std::string_view(found->second);
    };

    // Directly, so that the strain entries below are stored as read; the
    // stored flag comes back after them.
    preserveVolume_ = 0;
    if (undoManager_)
        undoManager_->disableUndoRegistration();

    setRed(finiteValue(text("red")), finiteValue(text("green")), finiteValue(text("blue")));
    for (const ModelKey& key : modelKeys())
        key.read(*this, text(key.name));
    setPointToSet(0); // no material point is left waiting for a pick

    if (undoManager_)
        undoManager_->enableUndoRegistration();
}
