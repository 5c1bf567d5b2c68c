#include "controller/ControlBindings.h"

#include "model/StrainData.h"
#include "model/StrainNotifications.h"

#include <QtGlobal>

namespace {

// The strain entry of field a to i (0 to 8) on the present acting side.
template <int Field> float strainOf(const StrainData& m) {
    return m.strainEntry(m.strainFieldIndex(Field));
}
template <int Field> void setStrainOf(StrainData& m, float value) {
    m.setStrain(m.strainFieldIndex(Field), value);
}
template <float (StrainData::*Get)(int) const, int I> float entryOf(const StrainData& m) {
    return (m.*Get)(I);
}
template <void (StrainData::*Set)(int, float), int I> void setEntryOf(StrainData& m, float value) {
    (m.*Set)(I, value);
}
template <int (StrainData::*Get)() const> float flagOf(const StrainData& m) {
    return static_cast<float>((m.*Get)());
}
template <void (StrainData::*Set)(int)> void setFlagOf(StrainData& m, float value) {
    (m.*Set)(static_cast<int>(value));
}

using M = StrainData;
// clang-format off
const Binding kBindings[] = {
    // updateAField .. updateIField, aAction .. iAction; updateStrain refreshes them
    {"aField", {}, &strainOf<0>, &setStrainOf<0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set A Value"), nullptr},
    {"bField", {}, &strainOf<1>, &setStrainOf<1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set B Value"), nullptr},
    {"cField", {}, &strainOf<2>, &setStrainOf<2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set C Value"), nullptr},
    {"dField", {}, &strainOf<3>, &setStrainOf<3>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set D Value"), nullptr},
    {"eField", {}, &strainOf<4>, &setStrainOf<4>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set E Value"), nullptr},
    {"fField", {}, &strainOf<5>, &setStrainOf<5>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set F Value"), nullptr},
    {"gField", {}, &strainOf<6>, &setStrainOf<6>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set G Value"), nullptr},
    {"hField", {}, &strainOf<7>, &setStrainOf<7>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set H Value"), nullptr},
    {"iField", {}, &strainOf<8>, &setStrainOf<8>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set I Value"), nullptr},
    // updateXField .. updateZField, xAction .. zAction; the slider may show one
    {"xField", QuorvelXChangedNotification,
     &entryOf<&M::translation, 0>, &setEntryOf<&M::setTranslation, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set X Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    {"yField", QuorvelYChangedNotification,
     &entryOf<&M::translation, 1>, &setEntryOf<&M::setTranslation, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Y Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    {"zField", QuorvelZChangedNotification,
     &entryOf<&M::translation, 2>, &setEntryOf<&M::setTranslation, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Z Value"), nullptr,
     &MyWindowController::updateAnimationSlider},
    // updateLightXField .., lightXAction ..
    {"lightXField", QuorvelLightXChangedNotification,
     &entryOf<&M::light, 0>, &setEntryOf<&M::setLight, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light X Value"), nullptr},
    {"lightYField", QuorvelLightYChangedNotification,
     &entryOf<&M::light, 1>, &setEntryOf<&M::setLight, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light Y Value"), nullptr},
    {"lightZField", QuorvelLightZChangedNotification,
     &entryOf<&M::light, 2>, &setEntryOf<&M::setLight, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Light Z Value"), nullptr},
    // updatePoint1XField .. updatePoint3ZField, point1XAction .. point3ZAction
    {"point1XField", QuorvelPoint1XChangedNotification,
     &entryOf<&M::point1, 0>, &setEntryOf<&M::setPoint1, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 X Value"), nullptr},
    {"point1YField", QuorvelPoint1YChangedNotification,
     &entryOf<&M::point1, 1>, &setEntryOf<&M::setPoint1, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Y Value"), nullptr},
    {"point1ZField", QuorvelPoint1ZChangedNotification,
     &entryOf<&M::point1, 2>, &setEntryOf<&M::setPoint1, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 1 Z Value"), nullptr},
    {"point2XField", QuorvelPoint2XChangedNotification,
     &entryOf<&M::point2, 0>, &setEntryOf<&M::setPoint2, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 X Value"), nullptr},
    {"point2YField", QuorvelPoint2YChangedNotification,
     &entryOf<&M::point2, 1>, &setEntryOf<&M::setPoint2, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Y Value"), nullptr},
    {"point2ZField", QuorvelPoint2ZChangedNotification,
     &entryOf<&M::point2, 2>, &setEntryOf<&M::setPoint2, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 2 Z Value"), nullptr},
    {"point3XField", QuorvelPoint3XChangedNotification,
     &entryOf<&M::point3, 0>, &setEntryOf<&M::setPoint3, 0>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 X Value"), nullptr},
    {"point3YField", QuorvelPoint3YChangedNotification,
     &entryOf<&M::point3, 1>, &setEntryOf<&M::setPoint3, 1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Y Value"), nullptr},
    {"point3ZField", QuorvelPoint3ZChangedNotification,
     &entryOf<&M::point3, 2>, &setEntryOf<&M::setPoint3, 2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Set Point 3 Z Value"), nullptr},
    // updatePoint1ShowCheckbox .., point1ShowAction ..
    {"point1ShowCheckbox", QuorvelShowPoint1ChangedNotification,
     &flagOf<&M::showPoint1>, &setFlagOf<&M::setShowPoint1>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 1"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 1")},
    {"point2ShowCheckbox", QuorvelShowPoint2ChangedNotification,
     &flagOf<&M::showPoint2>, &setFlagOf<&M::setShowPoint2>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 2"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 2")},
    {"point3ShowCheckbox", QuorvelShowPoint3ChangedNotification,
     &flagOf<&M::showPoint3>, &setFlagOf<&M::setShowPoint3>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Point 3"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Point 3")},
    // updateShowAxesCheckbox, showAxesAction
    {"showAxesCheckbox", QuorvelShowAxesChangedNotification,
     &flagOf<&M::showAxes>, &setFlagOf<&M::setShowAxes>,
     QT_TRANSLATE_NOOP("MyWindowController", "Show Axes"),
     QT_TRANSLATE_NOOP("MyWindowController", "Hide Axes")},
    // updateMarkAxesCheckbox, markAxesAction
    {"markAxesCheckbox", QuorvelMarkAxesChangedNotification,
     &flagOf<&M::markAxes>, &setFlagOf<&M::setMarkAxes>,
     QT_TRANSLATE_NOOP("MyWindowController", "Mark Axes"),
     QT_TRANSLATE_NOOP("MyWindowController", "Don't Mark Axes")},
    // updatePreserveVolumeCheckbox, preserveVolumeAction
    {"preserveVolumeCheckbox", QuorvelPreserveVolumeChangedNotification,
     &flagOf<&M::preserveVolume>, &setFlagOf<&M::setPreserveVolume>,
     QT_TRANSLATE_NOOP("MyWindowController", "Preserve Volume"),
     QT_TRANSLATE_NOOP("MyWindowController", "Don't Preserve Volume")},
    // updateActingOnPopUpButton, actingOnAction
    {"actingOnPopUp", QuorvelActingOnChangedNotification,
     &flagOf<&M::actingOnRight>, &setFlagOf<&M::setActingOnRight>,
     QT_TRANSLATE_NOOP("MyWindowController", "Act On Right"),
     QT_TRANSLATE_NOOP("MyWindowController", "Act On Left")},
    // updateProjectionPopUpButton, projectionAction
    {"projectionPopUp", QuorvelProjectionChangedNotification,
     &flagOf<&M::projection>, &setFlagOf<&M::setProjection>,
     QT_TRANSLATE_NOOP("MyWindowController", "Project in Perspective"),
     QT_TRANSLATE_NOOP("MyWindowController", "Project Isometrically"),
     &MyWindowController::updateCameraProjection},
    // updateAnimationPopUpButton, animationAction
    {"animationPopUp", QuorvelAnimationFieldChangedNotification,
     &flagOf<&M::animationField>, &setFlagOf<&M::setAnimationField>,
     QT_TRANSLATE_NOOP("MyWindowController", "Select Animation Field"), nullptr,
     &MyWindowController::updateAnimationRange},
};
// clang-format on

} // namespace

std::span<const Binding> inspectorBindings() { return kBindings; }
