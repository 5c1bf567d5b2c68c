#include "model/Orientation.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kDegrees = 180.0 / std::numbers::pi;
} // namespace

AxisOrientation axisOrientation(const AnalysisVector& direction) {
    const double length = std::hypot(direction[0], direction[1], direction[2]);
    double x = direction[0] / length, y = direction[1] / length, z = direction[2] / length;
    // Rounding in the entries tilts a horizontal or vertical line by a hair,
    // which must not choose its end or its trend.
    if (std::hypot(x, y) <= kAnalysisTolerance) return {{0, 0, -1}, 0, 90, {}};
    if (std::abs(z) <= kAnalysisTolerance) {
        // Of a horizontal line the end whose trend is below 180°: the eastern
        // one, or the northern one of a line that runs north and south.
        const double across = std::hypot(x, y);
        const bool northSouth = std::abs(x) <= kAnalysisTolerance;
        const double sign = (northSouth ? y : x) < 0 ? -1.0 : 1.0;
        x = northSouth ? 0.0 : sign * x / across;
        y = sign * y / across;
        z = 0;
    } else if (z > 0) {
        x = -x;
        y = -y;
        z = -z;
    }
    double trend = std::atan2(x, y) * kDegrees;
    if (trend < 0) trend += 360.0;
    if (trend >= 360.0) // a hair west of north
        trend = 0;
    // Adding 0 turns -0 into 0, which no reader wants to see.
    return {{x + 0.0, y + 0.0, z + 0.0}, trend, std::asin(-z) * kDegrees + 0.0, {}};
}

PlaneOrientation planeOrientation(const AxisOrientation& pole) {
    // The lower end of the pole points away from the way the plane dips.
    double dipDirection = 0;
    if (pole.plunge == 0)
        dipDirection = pole.trend;
    else if (pole.plunge < 90)
        dipDirection = std::fmod(pole.trend + 180.0, 360.0);
    return {dipDirection, 90.0 - pole.plunge, {}};
}
