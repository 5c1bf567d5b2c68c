#include "model/MaterialLines.h"

#include "model/StrainData.h"

#include <Eigen/Dense>

#include <cmath>
#include <numbers>

#include "model/Translatable.h"

namespace {

constexpr double kDegrees = 180.0 / std::numbers::pi;
// A pair began perpendicular when its angle was this close to 90°: points
// typed to single precision reach it, points picked with the mouse do not.
constexpr double kRightAngleTolerance = 1e-3;
// Lengths this small against the longest in play are taken as zero.
constexpr double kZeroLength = 1e-6;

Eigen::Vector3d vec(const AnalysisVector& v) { return {v[0], v[1], v[2]}; }
AnalysisVector array(const Eigen::Vector3d& v) { return {v.x(), v.y(), v.z()}; }

Eigen::Matrix3d matrix(const AnalysisMatrix& m) {
    Eigen::Matrix3d F;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            F(r, c) = m[size_t(r)][size_t(c)];
    return F;
}

double angle(const Eigen::Vector3d& a, const Eigen::Vector3d& b) {
    return std::atan2(a.cross(b).norm(), a.dot(b)) * kDegrees;
}

AnalysisValue missing(const char* reason) { return {std::nullopt, reason}; }

MaterialLine figuresOf(const Eigen::Matrix3d& F, const Eigen::Vector3d& before) {
    MaterialLine line;
    const char* why = !F.allFinite()
                          ? QT_TRANSLATE_NOOP("StrainAnalysis", "the strain holds a value that is not a finite number")
                      : !before.allFinite()
                          ? QT_TRANSLATE_NOOP("StrainAnalysis", "the saved strain is singular: the line's first direction is lost")
                      : before.norm() == 0 ? QT_TRANSLATE_NOOP("StrainAnalysis", "no line: the point is the centre")
                                           : nullptr;
    if (why) {
        line.stretch = line.elongation = line.quadraticElongation = line.turned = missing(why);
        return line;
    }
    const Eigen::Vector3d d = before.normalized(), after = F * d;
    const double s = after.norm();
    line.before = array(d);
    line.stretch = {s, {}};
    line.elongation = {s - 1.0, {}};
    line.quadraticElongation = {s * s, {}};
    if (s <= kZeroLength * std::max(1.0, F.norm())) {
        line.turned = missing(QT_TRANSLATE_NOOP("StrainAnalysis", "singular: the line is flattened to a point"));
        return line;
    }
    line.after = array(after / s);
    line.turned = {angle(d, after), {}};
    return line;
}

LinePair pairOf(const MaterialLine& a, const MaterialLine& b) {
    LinePair pair;
    if (!a.before || !b.before) {
        pair.angleBefore = pair.angleAfter = pair.shearStrain = (a.before ? b : a).stretch;
        return pair;
    }
    const double before = angle(vec(*a.before), vec(*b.before));
    pair.angleBefore = {before, {}};
    if (!a.after || !b.after) {
        pair.angleAfter = pair.shearStrain = !a.after ? a.turned : b.turned;
        return pair;
    }
    const double after = angle(vec(*a.after), vec(*b.after));
    pair.angleAfter = {after, {}};
    pair.shearStrain = std::abs(before - 90.0) <= kRightAngleTolerance
                           ? AnalysisValue{std::tan((90.0 - after) / kDegrees), {}}
                           : missing(QT_TRANSLATE_NOOP("StrainAnalysis", "the lines did not begin perpendicular"));
    return pair;
}

} // namespace

MaterialLineFigures materialLineFigures(const AnalysisMatrix& gradient,
                                        const std::array<AnalysisVector, 3>& before) {
    MaterialLineFigures figures;
    const Eigen::Matrix3d F = matrix(gradient);
    for (size_t i = 0; i < 3; ++i)
        figures.lines[i] = figuresOf(F, vec(before[i]));
    for (size_t k = 0; k < 3; ++k)
        figures.pairs[k] = pairOf(figures.lines[size_t(kLinePairs[k][0])],
                                  figures.lines[size_t(kLinePairs[k][1])]);
    return figures;
}

MaterialLineFigures materialLineFigures(const StrainData& model) {
    const float* saved = model.savedStrainMatrix();
    Eigen::Matrix3d V;
    Eigen::Vector3d centre;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c)
            V(r, c) = saved[MatrixIndex(r, c)];
        centre[r] = saved[MatrixIndex(r, 3)];
    }
    const Eigen::FullPivLU<Eigen::Matrix3d> lu(V);
    const float* points[3] = {model.point1(), model.point2(), model.point3()};
    std::array<AnalysisVector, 3> before{};
    for (size_t i = 0; i < 3; ++i) {
        const Eigen::Vector3d fromCentre =
            Eigen::Vector3d(points[i][0], points[i][1], points[i][2]) - centre;
        // A point this close to the centre names no direction.
        if (fromCentre.norm() <= kZeroLength * std::max(1.0, centre.norm()))
            continue;
        // A singular saved strain has lost the lines' first directions.
        before[i] = lu.isInvertible() ? array(lu.solve(fromCentre))
                                      : AnalysisVector{NAN, NAN, NAN};
    }
    return materialLineFigures(analyzeStrain(model).gradient, before);
}

double lineStretch(const AnalysisMatrix& F, const AnalysisVector& u) {
    return std::hypot(F[0][0] * u[0] + F[0][1] * u[1] + F[0][2] * u[2],
                      F[1][0] * u[0] + F[1][1] * u[1] + F[1][2] * u[2],
                      F[2][0] * u[0] + F[2][1] * u[1] + F[2][2] * u[2]);
}
