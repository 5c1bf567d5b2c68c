// The names of the change notifications that StrainData posts, with itself as
// sender, after each change. The window controller observes all of them.
#pragma once

#include <string_view>

inline constexpr std::string_view QuorvelColorChangedNotification = "Color Changed Notification";
inline constexpr std::string_view QuorvelTranslucencyChangedNotification =
    "Translucency Changed Notification";
inline constexpr std::string_view QuorvelActingOnChangedNotification =
    "ActingOn Changed Notification";
inline constexpr std::string_view QuorvelAnimationFieldChangedNotification =
    "AnimationField Changed Notification";
inline constexpr std::string_view QuorvelXChangedNotification = "X Changed Notification";
inline constexpr std::string_view QuorvelYChangedNotification = "Y Changed Notification";
inline constexpr std::string_view QuorvelZChangedNotification = "Z Changed Notification";
inline constexpr std::string_view QuorvelMinChangedNotification = "Min Changed Notification";
inline constexpr std::string_view QuorvelMaxChangedNotification = "Max Changed Notification";
inline constexpr std::string_view QuorvelStrainChangedNotification = "Strain Changed Notification";
inline constexpr std::string_view QuorvelLightXChangedNotification =
    "Light X Changed Notification";
inline constexpr std::string_view QuorvelLightYChangedNotification =
    "Light Y Changed Notification";
inline constexpr std::string_view QuorvelLightZChangedNotification =
    "Light Z Changed Notification";
inline constexpr std::string_view QuorvelDistanceChangedNotification =
    "Distance Changed Notification";
inline constexpr std::string_view QuorvelProjectionChangedNotification =
    "Projection Changed Notification";
inline constexpr std::string_view QuorvelShowAxesChangedNotification =
    "ShowAxes Changed Notification";
inline constexpr std::string_view QuorvelShowPrincipalAxesChangedNotification =
    "ShowPrincipalAxes Changed Notification";
inline constexpr std::string_view QuorvelMarkAxesChangedNotification =
    "MarkAxes Changed Notification";
inline constexpr std::string_view QuorvelPreserveVolumeChangedNotification =
    "PreserveVolume Changed Notification";
inline constexpr std::string_view QuorvelConstraintChangedNotification =
    "Constraint Changed Notification";
inline constexpr std::string_view QuorvelShowPoint1ChangedNotification =
    "ShowPoint1 Changed Notification";
inline constexpr std::string_view QuorvelShowPoint2ChangedNotification =
    "ShowPoint2 Changed Notification";
inline constexpr std::string_view QuorvelShowPoint3ChangedNotification =
    "ShowPoint3 Changed Notification";
inline constexpr std::string_view QuorvelPoint1XChangedNotification =
    "Point1 X Changed Notification";
inline constexpr std::string_view QuorvelPoint1YChangedNotification =
    "Point1 Y Changed Notification";
inline constexpr std::string_view QuorvelPoint1ZChangedNotification =
    "Point1 Z Changed Notification";
inline constexpr std::string_view QuorvelPoint2XChangedNotification =
    "Point2 X Changed Notification";
inline constexpr std::string_view QuorvelPoint2YChangedNotification =
    "Point2 Y Changed Notification";
inline constexpr std::string_view QuorvelPoint2ZChangedNotification =
    "Point2 Z Changed Notification";
inline constexpr std::string_view QuorvelPoint3XChangedNotification =
    "Point3 X Changed Notification";
inline constexpr std::string_view QuorvelPoint3YChangedNotification =
    "Point3 Y Changed Notification";
inline constexpr std::string_view QuorvelPoint3ZChangedNotification =
    "Point3 Z Changed Notification";
inline constexpr std::string_view QuorvelSetPoint1ChangedNotification =
    "Set Point1 Changed Notification";
inline constexpr std::string_view QuorvelSetPoint2ChangedNotification =
    "Set Point2 Changed Notification";
inline constexpr std::string_view QuorvelSetPoint3ChangedNotification =
    "Set Point3 Changed Notification";
// The velocity gradient of the document's flow, and the time it has acted.
inline constexpr std::string_view QuorvelFlowChangedNotification = "Flow Changed Notification";
inline constexpr std::string_view QuorvelTimeChangedNotification = "Time Changed Notification";
