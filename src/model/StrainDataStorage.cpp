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

// A 3x3 block key: "strain entry 2,1 min" is row 2, column 1, Matrix4 index 1.
std::string entryKey(const char* prefix, int row, int column, const char* suffix) {
    return std::string(prefix) + std::to_string(row) + "," + std::to_string(column) + suffix;
}

constexpr const char* kAxes[3] = {"x", "y", "z"};

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
        auto components = [&k](const char* prefix, const char* suffix, Get get, Set set) {
            for (int i = 0; i < 3; ++i)
                k.push_back(floatKey(
                    std::string(prefix) + kAxes[i] + suffix,
                    [get, i](const StrainData& m) { return (m.*get)(i); },
                    [set, i](StrainData& m, float v) { (m.*set)(i, v); }));
        };
        auto block = [&k](const char* prefix, const char* suffix, Get get, Set set) {
            for (int column = 1; column <= 3; ++column)
                for (int row = 1; row <= 3; ++row) {
                    const int index = MatrixIndex(row - 1, column - 1);
                    k.push_back(floatKey(
                        entryKey(prefix, row, column, suffix),
                        [get, index](const StrainData& m) { return (m.*get)(index); },
                        [set, index](StrainData& m, float v) { (m.*set)(index, v); }));
                }
        };

        components("translation ", "", &StrainData::translation, &StrainData::setTranslation);
        components("translation ", " min", &StrainData::translationMin,
                   &StrainData::setTranslationMin);
        components("translation ", " max", &StrainData::translationMax,
                   &StrainData::setTranslationMax);
        block("strain entry ", "", &StrainData::strainEntry, &StrainData::setStrain);
        block("strain entry ", " min", &StrainData::strainMin, &StrainData::setStrainMin);
        block("strain entry ", " max", &StrainData::strainMax, &StrainData::setStrainMax);
        // The saved strain's fourth column holds the translations that
        // Restart Strain folded in; files from before it was stored lack
        // those keys, which then read as 0, no translation.
        for (int column = 1; column <= 4; ++column)
            for (int row = 1; row <= 3; ++row) {
                const int index = MatrixIndex(row - 1, column - 1);
                k.push_back(floatKey(
                    entryKey("saved strain entry ", row, column, ""),
                    [index](const StrainData& m) { return m.savedStrainMatrix()[index]; },
                    [index](StrainData& m, float v) { m.setSavedStrain(index, v); }));
            }
        components("light ", "", static_cast<Get>(&StrainData::light), &StrainData::setLight);
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
        components("point 1 ", "", static_cast<Get>(&StrainData::point1), &StrainData::setPoint1);
        components("point 2 ", "", static_cast<Get>(&StrainData::point2), &StrainData::setPoint2);
        components("point 3 ", "", static_cast<Get>(&StrainData::point3), &StrainData::setPoint3);
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
