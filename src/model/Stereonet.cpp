#include "model/Stereonet.h"
#include "model/Orientation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

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

// The analysis decides which axes are unique: the net shows what it defines
// and the first reason it gives for what it does not.
StereonetContent stereonetContent(const StrainAnalysis& a) {
    StereonetContent content;
    for (std::size_t i = 0; i < 3; ++i) {
        if (a.axes[i].reason.empty())
            content.axes[i] = a.axes[i];
        else if (content.note.empty())
            content.note = a.axes[i].reason;
    }
    if (a.foliation.reason.empty())
        content.foliation = a.foliation;
    return content;
}

std::optional<PlaneOrientation> principalPlane(const StereonetContent& content, int plane) {
    static constexpr int normals[3] = {2, 0, 1}; // XY ⊥ Z, YZ ⊥ X, XZ ⊥ Y
    if (plane < 0 || plane > 2 || !content.axes[size_t(normals[plane])])
        return std::nullopt;
    return planeOrientation(*content.axes[size_t(normals[plane])]);
}
