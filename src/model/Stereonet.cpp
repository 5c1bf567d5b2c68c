#include "model/Stereonet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/Translatable.h"

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

// Stretches from single-precision entries that agree this closely (relative)
// are one stretch: rounding noise would otherwise pick an axis at random.
constexpr double kEqualStretches = 1e-5;

// Planes dipping less than this many degrees are horizontal.
constexpr double kFlat = 1e-4;

bool distinct(double longer, double shorter) { return longer - shorter > kEqualStretches * longer; }

} // namespace

double netRadius(double plunge) {
    return std::numbers::sqrt2 * std::sin((90.0 - plunge) * kRadians / 2.0);
}

NetPoint netPosition(double trend, double plunge) {
    const double r = netRadius(plunge);
    return {r * std::sin(trend * kRadians), r * std::cos(trend * kRadians)};
}

AnalysisVector lineDirection(double trend, double plunge) {
    const double t = trend * kRadians, p = plunge * kRadians;
    return {std::cos(p) * std::sin(t), std::cos(p) * std::cos(t), -std::sin(p)};
}

PlaneOrientation planeWithPole(const AxisOrientation& pole) {
    const double dip = 90.0 - pole.plunge;
    // A horizontal plane dips nowhere; a pole a rounding away from vertical
    // would give it a dip direction at random.
    if (dip <= kFlat)
        return {0.0, 0.0};
    return {std::fmod(pole.trend + 180.0, 360.0), dip};
}

AxisOrientation poleOf(const PlaneOrientation& plane) {
    return axisOrientation(lineDirection(plane.dipDirection + 180.0, 90.0 - plane.dip));
}

std::vector<NetPoint> greatCircle(const PlaneOrientation& plane, int segments) {
    const AnalysisVector strike = lineDirection(plane.dipDirection - 90.0, 0.0);
    const AnalysisVector down = lineDirection(plane.dipDirection, plane.dip);
    std::vector<NetPoint> points;
    for (int i = 0; i <= segments; ++i) {
        const double a = std::numbers::pi * i / segments, c = std::cos(a), s = std::sin(a);
        // Every line of the half-turn from strike to strike lies on or below
        // the horizontal, so its own trend and plunge place it.
        const AnalysisVector v{c * strike[0] + s * down[0], c * strike[1] + s * down[1],
                               c * strike[2] + s * down[2]};
        const double plunge = std::asin(std::clamp(-v[2], -1.0, 1.0)) / kRadians;
        const double r = netRadius(plunge), horizontal = std::hypot(v[0], v[1]);
        points.push_back(horizontal > 0 ? NetPoint{r * v[0] / horizontal, r * v[1] / horizontal}
                                        : NetPoint{});
    }
    return points;
}

void NetPath::add(NetPoint p) {
    if (!points_.empty() && std::hypot(points_.back().x - p.x, points_.back().y - p.y) < kStep)
        return;
    if (points_.size() == kCapacity) {
        for (std::size_t k = 1; k < kCapacity / 2; ++k)
            points_[k] = points_[2 * k];
        points_.resize(kCapacity / 2);
    }
    points_.push_back(p);
}

StereonetContent stereonetContent(const StrainAnalysis& a) {
    StereonetContent content;
    const auto& s = a.stretches;
    if (!std::isfinite(s[0]))
        return content;
    const bool x = distinct(s[0], s[1]), z = distinct(s[1], s[2]);
    if (x)
        content.axes[0] = a.axes[0];
    if (x && z)
        content.axes[1] = a.axes[1];
    if (z) {
        content.axes[2] = a.axes[2];
        content.foliation = planeWithPole(a.axes[2]);
    }
    if (!x && !z)
        content.note = QT_TRANSLATE_NOOP("StrainAnalysis", "any direction: S1 = S2 = S3");
    else if (!z)
        content.note = QT_TRANSLATE_NOOP("StrainAnalysis", "any line ⊥ X: S2 = S3");
    else if (!x)
        content.note = QT_TRANSLATE_NOOP("StrainAnalysis", "any line ⊥ Z: S1 = S2");
    return content;
}

std::optional<PlaneOrientation> principalPlane(const StereonetContent& content, int plane) {
    static constexpr int normals[3] = {2, 0, 1}; // XY ⊥ Z, YZ ⊥ X, XZ ⊥ Y
    if (plane < 0 || plane > 2 || !content.axes[size_t(normals[plane])])
        return std::nullopt;
    return planeWithPole(*content.axes[size_t(normals[plane])]);
}
