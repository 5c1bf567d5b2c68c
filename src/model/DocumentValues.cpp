#include "model/DocumentValues.h"

#include "model/StrainData.h"
#include "model/StrainNotifications.h"
#include "model/Translatable.h"

namespace {

using M = StrainData;

bool isFlag(int value) { return value == 0 || value == 1; }
bool isConstraint(int value) { return value >= 0 && value <= 2; }
// The animation pop-up's codes: the nine strain entries, then x, y and z
// from 10 (9 is no quantity), then the flow's time.
bool isAnimationField(int value) {
    return (value >= 0 && value <= 8) || (value >= 10 && value <= kTimeAnimationField);
}

template <float (M::*Get)() const, void (M::*Set)(float)>
constexpr DocumentValue number(const char* key, float initial, std::string_view notification,
                               const char* control = nullptr, const char* undoName = nullptr) {
    return {key, initial, nullptr, [](const M& m) { return (m.*Get)(); },
            [](M& m, float value) { (m.*Set)(value); }, notification, control, undoName};
}

template <float (M::*Get)(int) const, void (M::*Set)(int, float), int I>
constexpr DocumentValue entry(const char* key, float initial, std::string_view notification,
                              const char* control = nullptr, const char* undoName = nullptr) {
    return {key, initial, nullptr, [](const M& m) { return (m.*Get)(I); },
            [](M& m, float value) { (m.*Set)(I, value); }, notification, control, undoName};
}

template <int Row, int Column>
constexpr DocumentValue strainEntry(const char* key, float initial, const char* control,
                                    const char* undoName) {
    DocumentValue value = entry<&M::strainEntry, &M::setStrain, MatrixIndex(Row, Column)>(
        key, initial, QuorvelStrainChangedNotification, control, undoName);
    value.strainField = 3 * Row + Column;
    return value;
}

template <int (M::*Get)() const, void (M::*Set)(int)>
constexpr DocumentValue code(const char* key, int initial, bool (*valid)(int),
                             std::string_view notification, const char* control,
                             const char* undoName, const char* offUndoName = nullptr) {
    return {key,
            float(initial),
            valid,
            [](const M& m) { return float((m.*Get)()); },
            [](M& m, float value) { (m.*Set)(int(value)); },
            notification,
            control,
            undoName,
            offUndoName};
}

constexpr DocumentValue optional(DocumentValue value) {
    value.optional = true;
    return value;
}

// The colour panel sets all three components at once; a file, one by one.
template <int I> constexpr DocumentValue colorValue(const char* key) {
    return {key, 0.8f, nullptr, [](const M& m) { return m.color(I); },
            [](M& m, float value) {
                float color[3] = {m.color(0), m.color(1), m.color(2)};
                color[I] = value;
                m.setRed(color[0], color[1], color[2]);
            },
            QuorvelColorChangedNotification};
}

// clang-format off
constexpr DocumentValue kValues[] = {
    colorValue<0>("red"),
    colorValue<1>("green"),
    colorValue<2>("blue"),
    number<&M::translucency, &M::setTranslucency>("translucency", 0.8f,
        QuorvelTranslucencyChangedNotification, "translucencySlider",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Translucency")),
    code<&M::actingOnRight, &M::setActingOnRight>("matrix acts on right", 0, isFlag,
        QuorvelActingOnChangedNotification, "actingOnPopUp",
        QT_TRANSLATE_NOOP("MyWindowController", "Act On Right"),
        QT_TRANSLATE_NOOP("MyWindowController", "Act On Left")),
    code<&M::animationField, &M::setAnimationField>("animation field", 1, isAnimationField,
        QuorvelAnimationFieldChangedNotification, "animationPopUp",
        QT_TRANSLATE_NOOP("MyWindowController", "Select Animation Field")),
    // The translation and the animation slider's bounds for it.
    entry<&M::translation, &M::setTranslation, 0>("translation x", 0,
        QuorvelXChangedNotification, "xField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set X Value")),
    entry<&M::translation, &M::setTranslation, 1>("translation y", 0,
        QuorvelYChangedNotification, "yField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Y Value")),
    entry<&M::translation, &M::setTranslation, 2>("translation z", 0,
        QuorvelZChangedNotification, "zField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Z Value")),
    entry<&M::translationMin, &M::setTranslationMin, 0>("translation x min", 0,
        QuorvelMinChangedNotification),
    entry<&M::translationMin, &M::setTranslationMin, 1>("translation y min", 0,
        QuorvelMinChangedNotification),
    entry<&M::translationMin, &M::setTranslationMin, 2>("translation z min", 0,
        QuorvelMinChangedNotification),
    entry<&M::translationMax, &M::setTranslationMax, 0>("translation x max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::translationMax, &M::setTranslationMax, 1>("translation y max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::translationMax, &M::setTranslationMax, 2>("translation z max", 1,
        QuorvelMaxChangedNotification),
    // The strain's 3x3 block, row,column, and the slider's bounds for each entry.
    strainEntry<0, 0>("strain entry 1,1", 1, "aField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set A Value")),
    strainEntry<1, 0>("strain entry 2,1", 0, "dField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set D Value")),
    strainEntry<2, 0>("strain entry 3,1", 0, "gField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set G Value")),
    strainEntry<0, 1>("strain entry 1,2", 0, "bField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set B Value")),
    strainEntry<1, 1>("strain entry 2,2", 1, "eField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set E Value")),
    strainEntry<2, 1>("strain entry 3,2", 0, "hField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set H Value")),
    strainEntry<0, 2>("strain entry 1,3", 0, "cField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set C Value")),
    strainEntry<1, 2>("strain entry 2,3", 0, "fField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set F Value")),
    strainEntry<2, 2>("strain entry 3,3", 1, "iField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set I Value")),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(0, 0)>("strain entry 1,1 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(1, 0)>("strain entry 2,1 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(2, 0)>("strain entry 3,1 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(0, 1)>("strain entry 1,2 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(1, 1)>("strain entry 2,2 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(2, 1)>("strain entry 3,2 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(0, 2)>("strain entry 1,3 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(1, 2)>("strain entry 2,3 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMin, &M::setStrainMin, MatrixIndex(2, 2)>("strain entry 3,3 min", 0,
        QuorvelMinChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(0, 0)>("strain entry 1,1 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(1, 0)>("strain entry 2,1 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(2, 0)>("strain entry 3,1 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(0, 1)>("strain entry 1,2 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(1, 1)>("strain entry 2,2 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(2, 1)>("strain entry 3,2 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(0, 2)>("strain entry 1,3 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(1, 2)>("strain entry 2,3 max", 1,
        QuorvelMaxChangedNotification),
    entry<&M::strainMax, &M::setStrainMax, MatrixIndex(2, 2)>("strain entry 3,3 max", 1,
        QuorvelMaxChangedNotification),
    // The saved strain; its fourth column holds the translations that Restart
    // Strain folded in. Files from before it was stored lack those keys, which
    // then read as 0, no translation.
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(0, 0)>("saved strain entry 1,1",
        1, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(1, 0)>("saved strain entry 2,1",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(2, 0)>("saved strain entry 3,1",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(0, 1)>("saved strain entry 1,2",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(1, 1)>("saved strain entry 2,2",
        1, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(2, 1)>("saved strain entry 3,2",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(0, 2)>("saved strain entry 1,3",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(1, 2)>("saved strain entry 2,3",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(2, 2)>("saved strain entry 3,3",
        1, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(0, 3)>("saved strain entry 1,4",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(1, 3)>("saved strain entry 2,4",
        0, {}),
    entry<&M::savedStrainEntry, &M::setSavedStrain, MatrixIndex(2, 3)>("saved strain entry 3,4",
        0, {}),
    // The steady flow: its velocity gradient L, row,column, and the time it
    // has acted, with the animation slider's bounds for it. Files from
    // before flows lack them and so read as no flow; a document without a
    // flow is stored without them.
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(0, 0)>(
        "velocity gradient entry 1,1", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(1, 0)>(
        "velocity gradient entry 2,1", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(2, 0)>(
        "velocity gradient entry 3,1", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(0, 1)>(
        "velocity gradient entry 1,2", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(1, 1)>(
        "velocity gradient entry 2,2", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(2, 1)>(
        "velocity gradient entry 3,2", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(0, 2)>(
        "velocity gradient entry 1,3", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(1, 2)>(
        "velocity gradient entry 2,3", 0, QuorvelFlowChangedNotification)),
    optional(entry<&M::velocityGradient, &M::setVelocityGradient, MatrixIndex(2, 2)>(
        "velocity gradient entry 3,3", 0, QuorvelFlowChangedNotification)),
    optional(number<&M::time, &M::setTime>("time", 0, QuorvelTimeChangedNotification)),
    optional(number<&M::timeMin, &M::setTimeMin>("time min", 0, QuorvelMinChangedNotification)),
    optional(number<&M::timeMax, &M::setTimeMax>("time max", 1, QuorvelMaxChangedNotification)),
    entry<&M::light, &M::setLight, 0>("light x", 0,
        QuorvelLightXChangedNotification, "lightXField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Light X Value")),
    entry<&M::light, &M::setLight, 1>("light y", 0,
        QuorvelLightYChangedNotification, "lightYField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Light Y Value")),
    entry<&M::light, &M::setLight, 2>("light z", 9,
        QuorvelLightZChangedNotification, "lightZField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Light Z Value")),
    number<&M::distance, &M::setDistance>("distance", 10, QuorvelDistanceChangedNotification),
    code<&M::projection, &M::setProjection>("perspective projection", 0, isFlag,
        QuorvelProjectionChangedNotification, "projectionPopUp",
        QT_TRANSLATE_NOOP("MyWindowController", "Project in Perspective"),
        QT_TRANSLATE_NOOP("MyWindowController", "Project Isometrically")),
    code<&M::showPrincipalAxes, &M::setShowPrincipalAxes>("show principal axes", 0, isFlag,
        QuorvelShowPrincipalAxesChangedNotification, "showPrincipalAxesCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Show Principal Axes"),
        QT_TRANSLATE_NOOP("MyWindowController", "Hide Principal Axes")),
    code<&M::showAxes, &M::setShowAxes>("show axes", 1, isFlag,
        QuorvelShowAxesChangedNotification, "showAxesCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Show Axes"),
        QT_TRANSLATE_NOOP("MyWindowController", "Hide Axes")),
    code<&M::markAxes, &M::setMarkAxes>("mark axes", 0, isFlag,
        QuorvelMarkAxesChangedNotification, "markAxesCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Mark Axes"),
        QT_TRANSLATE_NOOP("MyWindowController", "Don't Mark Axes")),
    code<&M::preserveVolume, &M::setPreserveVolume>("preserve volume", 0, isFlag,
        QuorvelPreserveVolumeChangedNotification, "preserveVolumeCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Preserve Volume"),
        QT_TRANSLATE_NOOP("MyWindowController", "Don't Preserve Volume")),
    code<&M::constraint, &M::setConstraint>("constraint", 2, isConstraint,
        QuorvelConstraintChangedNotification, "constraintRadioCluster",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Constraint")),
    code<&M::showPoint1, &M::setShowPoint1>("show point 1", 0, isFlag,
        QuorvelShowPoint1ChangedNotification, "point1ShowCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Show Point 1"),
        QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 1")),
    code<&M::showPoint2, &M::setShowPoint2>("show point 2", 0, isFlag,
        QuorvelShowPoint2ChangedNotification, "point2ShowCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Show Point 2"),
        QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 2")),
    code<&M::showPoint3, &M::setShowPoint3>("show point 3", 0, isFlag,
        QuorvelShowPoint3ChangedNotification, "point3ShowCheckbox",
        QT_TRANSLATE_NOOP("MyWindowController", "Show Point 3"),
        QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 3")),
    // The material points.
    entry<&M::point1, &M::setPoint1, 0>("point 1 x", 0,
        QuorvelPoint1XChangedNotification, "point1XField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 X Value")),
    entry<&M::point1, &M::setPoint1, 1>("point 1 y", 0,
        QuorvelPoint1YChangedNotification, "point1YField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Y Value")),
    entry<&M::point1, &M::setPoint1, 2>("point 1 z", 0,
        QuorvelPoint1ZChangedNotification, "point1ZField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Z Value")),
    entry<&M::point2, &M::setPoint2, 0>("point 2 x", 0,
        QuorvelPoint2XChangedNotification, "point2XField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 X Value")),
    entry<&M::point2, &M::setPoint2, 1>("point 2 y", 0,
        QuorvelPoint2YChangedNotification, "point2YField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Y Value")),
    entry<&M::point2, &M::setPoint2, 2>("point 2 z", 0,
        QuorvelPoint2ZChangedNotification, "point2ZField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Z Value")),
    entry<&M::point3, &M::setPoint3, 0>("point 3 x", 0,
        QuorvelPoint3XChangedNotification, "point3XField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 X Value")),
    entry<&M::point3, &M::setPoint3, 1>("point 3 y", 0,
        QuorvelPoint3YChangedNotification, "point3YField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Y Value")),
    entry<&M::point3, &M::setPoint3, 2>("point 3 z", 0,
        QuorvelPoint3ZChangedNotification, "point3ZField",
        QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Z Value")),
};
// clang-format on

} // namespace

std::span<const DocumentValue> documentValues() { return kValues; }
