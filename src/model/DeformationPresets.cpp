#include "model/DeformationPresets.h"
#include "model/Translatable.h"

#include <Eigen/Dense>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

using Eigen::Matrix3d;
using Eigen::Vector3d;
using Values = std::vector<double>;

constexpr double kRadians = std::numbers::pi / 180.0;

// Shared parameters, each written once.
constexpr PresetParameter kShearTrend{
    QT_TRANSLATE_NOOP("DeformationDialog", "Shear direction trend°"), 90};
constexpr PresetParameter kShearPlunge{
    QT_TRANSLATE_NOOP("DeformationDialog", "Shear direction plunge°"), 0};
constexpr PresetParameter kShearDipDirection{
    QT_TRANSLATE_NOOP("DeformationDialog", "Shear plane dip direction°"), 0};
constexpr PresetParameter kShearDip{QT_TRANSLATE_NOOP("DeformationDialog", "Shear plane dip°"), 0};
constexpr PresetParameter kLineationTrend{
    QT_TRANSLATE_NOOP("DeformationDialog", "Lineation (X) trend°"), 90};
constexpr PresetParameter kLineationPlunge{
    QT_TRANSLATE_NOOP("DeformationDialog", "Lineation (X) plunge°"), 0};
constexpr PresetParameter kFoliationDipDirection{
    QT_TRANSLATE_NOOP("DeformationDialog", "Foliation (XY) dip direction°"), 0};
constexpr PresetParameter kFoliationDip{
    QT_TRANSLATE_NOOP("DeformationDialog", "Foliation (XY) dip°"), 0};
constexpr PresetParameter kVolumeRatio{QT_TRANSLATE_NOOP("DeformationDialog", "Volume ratio J"), 1};
constexpr PresetParameter kDuration{QT_TRANSLATE_NOOP("DeformationDialog", "Time t"), 1};

const char* const kNotPositive =
    QT_TRANSLATE_NOOP("DeformationDialog", "Stretches and J must be greater than 0.");

AnalysisMatrix fromEigen(const Matrix3d& e) {
    AnalysisMatrix m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m[r][c] = e(r, c);
    return m;
}

Vector3d lineDirection(double trend, double plunge) {
    const double t = trend * kRadians, p = plunge * kRadians;
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

// The frame X, Y, Z as the columns of a rotation, from the values at first
// (line trend, line plunge, plane dip direction, plane dip); none when the
// line is normal to the plane.
std::optional<Matrix3d> frame(const Values& v, std::size_t first) {
    const double dipDirection = v[first + 2] * kRadians, dip = v[first + 3] * kRadians;
    const Vector3d z(std::sin(dipDirection) * std::sin(dip), std::cos(dipDirection) * std::sin(dip),
                     std::cos(dip));
    Vector3d x = lineDirection(v[first], v[first + 1]);
    x -= x.dot(z) * z;
    if (x.norm() < 1e-6) return std::nullopt;
    x.normalize();
    Matrix3d r;
    r << x, z.cross(x), z;
    return r;
}

// A gradient given in the frame whose parameters start at first, turned into
// the scene's.
PresetFlow oriented(const Matrix3d& local, const Values& v, std::size_t first, double time = 1) {
    const std::optional<Matrix3d> r = frame(v, first);
    if (!r)
        return {
            {}, time, QT_TRANSLATE_NOOP("DeformationDialog", "The line is normal to the plane.")};
    return {fromEigen(*r * local * r->transpose()), time, nullptr};
}

Matrix3d diagonal(double a, double b, double c) {
    return Vector3d(a, b, c).asDiagonal();
}

// A coaxial strain with stretches Rxy·S2, S2, S2/Ryz of volume ratio J,
// oriented by the frame that starts at first.
PresetFlow shape(double rxy, double ryz, double j, const Values& v, std::size_t first) {
    if (!(j > 0)) return {{}, 1, kNotPositive};
    if (!(rxy >= 1 && ryz >= 1) || !std::isfinite(rxy * ryz))
        return {{}, 1, QT_TRANSLATE_NOOP("DeformationDialog", "Rxy and Ryz must be at least 1.")};
    const double e2 = (std::log(j) + std::log(ryz) - std::log(rxy)) / 3;
    return oriented(diagonal(e2 + std::log(rxy), e2, e2 - std::log(ryz)), v, first);
}

PresetFlow simpleShear(const Values& v) {
    Matrix3d l = Matrix3d::Zero();
    l(0, 2) = v[0];
    return oriented(l, v, 1);
}

// Coaxial and of constant volume, X stretched by s into the shape of Flinn's
// k. With S3 = 1/(s·S2), S2 solves k·s·S2³ + (1 − k)·S2 − s = 0, which rises
// from s^−½ (Ryz = 1) to s (Rxy = 1); k = 1 is plane strain, S2 = 1.
PresetFlow pureShear(const Values& v) {
    const double s = v[0], k = v[1];
    if (!(s > 0)) return {{}, 1, kNotPositive};
    if (!(k >= 0) || !std::isfinite(k))
        return {{}, 1, QT_TRANSLATE_NOOP("DeformationDialog", "Flinn k must be at least 0.")};
    double s2 = 1;
    if (k != 1) {
        if (!(s >= 1) || !std::isfinite(s))
            return {{},
                    1,
                    QT_TRANSLATE_NOOP("DeformationDialog",
                                      "Off plane strain the stretch along X must be at least 1.")};
        double low = 1 / std::sqrt(s), high = s;
        for (int i = 0; i < 100; ++i) {
            s2 = (low + high) / 2;
            (k * s * s2 * s2 * s2 + (1 - k) * s2 - s < 0 ? low : high) = s2;
        }
    }
    return oriented(diagonal(std::log(s), std::log(s2), -std::log(s) - std::log(s2)), v, 2);
}

// Pure and simple shear at once in the XZ plane: the stretching rate s is
// D's largest eigenvalue, and Wk = γ̇ / √(4ε̇² + γ̇²).
PresetFlow generalShear(const Values& v) {
    const double wk = v[0], s = v[1];
    if (!(wk >= 0 && wk <= 1))
        return {
            {},
            1,
            QT_TRANSLATE_NOOP("DeformationDialog", "Wk of a general shear lies between 0 and 1.")};
    Matrix3d l = diagonal(s * std::sqrt(1 - wk * wk), 0, -s * std::sqrt(1 - wk * wk));
    l(0, 2) = 2 * s * wk;
    return oriented(l, v, 3, v[2]);
}

// The vertical zone of Sanderson and Marchini (1984) and Fossen and Tikoff
// (1993): X along the strike, Y across the zone, Z up. The walls converge at
// alpha to the strike with speed V across a zone of unit width: a wrench
// γ̇ = V cos α (dextral when positive) and a shortening ε̇ = V sin α across
// the zone (a widening when negative), taken up by vertical extrusion or by
// a change of volume.
PresetFlow transpression(const Values& v, bool extrusion) {
    const double alpha = v[1] * kRadians, speed = v[2];
    const double shortening = speed * std::sin(alpha);
    Matrix3d l = diagonal(0, -shortening, extrusion ? shortening : 0);
    l(0, 1) = speed * std::cos(alpha);
    return oriented(l, {v[0], 0, 0, 0}, 0, v[3]);
}

// The zone of the vorticity |Wk|, transtension when Wk < 0. The zone's
// Wk = γ̇/√(γ̇² + c·ε̇²), c = 4 with extrusion and 2 without, so the walls
// converge at tan α = √(1 − Wk²)/(√c·|Wk|).
PresetFlow transpressionFromWk(const Values& v, bool extrusion) {
    const double wk = v[1];
    if (!(std::abs(wk) <= 1))
        return {{},
                1,
                QT_TRANSLATE_NOOP("DeformationDialog",
                                  "Wk of a transpression lies between 0 and 1 (negative: "
                                  "transtension).")};
    const double alpha =
        std::atan2(std::sqrt(1 - wk * wk), std::sqrt(extrusion ? 4.0 : 2.0) * std::abs(wk));
    return transpression({v[0], std::copysign(alpha / kRadians, wk), v[2], v[3]}, extrusion);
}

PresetFlow axial(const Values& v, bool flattening) {
    if (!(v[0] > 0)) return {{}, 1, kNotPositive};
    const double e = std::log(v[0]);
    return oriented(flattening ? diagonal(-e / 2, -e / 2, e) : diagonal(e, -e / 2, -e / 2), v, 1);
}

PresetFlow volumeChange(const Values& v) {
    if (!(v[0] > 0)) return {{}, 1, kNotPositive};
    return {fromEigen(Matrix3d::Identity() * (std::log(v[0]) / 3)), 1, nullptr};
}

// Turning by the angle about the axis, anticlockwise looking back up it
// (right-hand rule about its lower-hemisphere end).
PresetFlow rotation(const Values& v) {
    const Vector3d a = lineDirection(v[0], v[1]) * (v[2] * kRadians);
    Matrix3d l;
    l << 0, -a.z(), a.y(), a.z(), 0, -a.x(), -a.y(), a.x(), 0;
    return {fromEigen(l), 1, nullptr};
}

// From Flinn's k = (Rxy − 1)/(Ryz − 1) and d = √((Rxy − 1)² + (Ryz − 1)²).
PresetFlow flinnShape(const Values& v) {
    const double k = v[0], d = v[1];
    if (!(k >= 0 && d >= 0))
        return {{}, 1, QT_TRANSLATE_NOOP("DeformationDialog", "k and d must be at least 0.")};
    const double b = d / std::sqrt(1 + k * k);
    return shape(1 + k * b, 1 + b, v[2], v, 3);
}

// From the octahedral shear strain εs and Lode's ν: with u = ε1 − ε3,
// εs = u·√((3 + ν²)/6), ε1 − ε2 = u(1 − ν)/2 and ε2 − ε3 = u(1 + ν)/2.
PresetFlow lodeShape(const Values& v) {
    const double es = v[0], nu = v[1];
    if (!(es >= 0 && nu >= -1 && nu <= 1))
        return {{},
                1,
                QT_TRANSLATE_NOOP("DeformationDialog",
                                  "εs must be at least 0 and ν between −1 and 1.")};
    const double u = es * std::sqrt(6 / (3 + nu * nu));
    return shape(std::exp(u * (1 - nu) / 2), std::exp(u * (1 + nu) / 2), v[2], v, 3);
}

PresetFlow typedGradient(const Values& v) {
    AnalysisMatrix l;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            l[r][c] = v[std::size_t(3 * r + c)];
    return {l, v[9], nullptr};
}

using Parameters = std::vector<PresetParameter>;
Parameters operator+(Parameters a, const Parameters& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const Parameters kShearFrame = {kShearTrend, kShearPlunge, kShearDipDirection, kShearDip};
const Parameters kFabricFrame = {kLineationTrend, kLineationPlunge, kFoliationDipDirection,
                                 kFoliationDip};
constexpr PresetParameter kStretchX{QT_TRANSLATE_NOOP("DeformationDialog", "Stretch along X"), 2};
constexpr PresetParameter kZoneStrike{QT_TRANSLATE_NOOP("DeformationDialog", "Zone strike°"), 90};
constexpr PresetParameter kWallSpeed{QT_TRANSLATE_NOOP("DeformationDialog", "Wall speed V"), 1};
const Parameters kZone = {
    kZoneStrike,
    {QT_TRANSLATE_NOOP("DeformationDialog", "Convergence angle° (negative: transtension)"), 30},
    kWallSpeed,
    kDuration};
const Parameters kZoneByWk = {
    kZoneStrike,
    {QT_TRANSLATE_NOOP("DeformationDialog", "Kinematic vorticity Wk (negative: transtension)"), 0.8},
    kWallSpeed,
    kDuration};
const DeformationPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("DeformationDialog", "Simple shear"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Shear strain γ"), 1}} + kShearFrame,
     &simpleShear},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Pure shear"),
     Parameters{kStretchX, {QT_TRANSLATE_NOOP("DeformationDialog", "Flinn k (1: plane strain)"), 1}} +
         kFabricFrame,
     &pureShear},
    {QT_TRANSLATE_NOOP("DeformationDialog", "General shear"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Kinematic vorticity Wk"), 0.6},
                {QT_TRANSLATE_NOOP("DeformationDialog", "Stretching rate"), 0.5},
                kDuration} +
         kShearFrame,
     &generalShear},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Transpression, constant volume"), kZone,
     [](const Values& v) { return transpression(v, true); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Transpression with volume change"), kZone,
     [](const Values& v) { return transpression(v, false); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Transpression from Wk, constant volume"), kZoneByWk,
     [](const Values& v) { return transpressionFromWk(v, true); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Transpression from Wk with volume change"), kZoneByWk,
     [](const Values& v) { return transpressionFromWk(v, false); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Axial flattening"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Stretch along Z"), 0.5}} + kFabricFrame,
     [](const Values& v) { return axial(v, true); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Axial constriction"),
     Parameters{kStretchX} + kFabricFrame, [](const Values& v) { return axial(v, false); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Volume change"), {kVolumeRatio}, &volumeChange},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Rotation"),
     {{QT_TRANSLATE_NOOP("DeformationDialog", "Axis trend°"), 0},
      {QT_TRANSLATE_NOOP("DeformationDialog", "Axis plunge°"), 90},
      {QT_TRANSLATE_NOOP("DeformationDialog", "Angle°"), 30}},
     &rotation},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Strain from Rxy and Ryz"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Rxy = S1/S2"), 2},
                {QT_TRANSLATE_NOOP("DeformationDialog", "Ryz = S2/S3"), 3},
                kVolumeRatio} +
         kFabricFrame,
     [](const Values& v) { return shape(v[0], v[1], v[2], v, 3); }},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Strain from Flinn k and d"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Flinn k"), 0.5},
                {QT_TRANSLATE_NOOP("DeformationDialog", "Flinn d"), std::sqrt(5.0)},
                kVolumeRatio} +
         kFabricFrame,
     &flinnShape},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Strain from εs and Lode ν"),
     Parameters{{QT_TRANSLATE_NOOP("DeformationDialog", "Octahedral shear εs"), 1},
                {QT_TRANSLATE_NOOP("DeformationDialog", "Lode ν"), 0},
                kVolumeRatio} +
         kFabricFrame,
     &lodeShape},
    {QT_TRANSLATE_NOOP("DeformationDialog", "Velocity gradient L"),
     {{"L11", 0},
      {"L12", 0},
      {"L13", 0},
      {"L21", 0},
      {"L22", 0},
      {"L23", 0},
      {"L31", 0},
      {"L32", 0},
      {"L33", 0},
      kDuration},
     &typedGradient},
};

} // namespace

std::span<const DeformationPreset> deformationPresets() {
    return kPresets;
}

const DeformationPreset& velocityGradientPreset() {
    return kPresets[std::size(kPresets) - 1];
}
