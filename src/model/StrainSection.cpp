#include "model/StrainSection.h"

#include "model/StrainData.h"

#include <Eigen/Dense>

#include <cmath>
#include <numbers>

#include "model/Translatable.h"

namespace {
// Semi-axes this close (relative) make a circle, as equal stretches make no
// axis.
constexpr double kCircle = 1e-5;
// Rakes this close to 180° (in degrees) are rounding away from 0°.
constexpr double kRakeNoise = 1e-6;
} // namespace

StrainSection strainSection(const StrainAnalysis& a, const PlaneOrientation& plane) {
    StrainSection section;
    section.plane = plane;
    Eigen::Matrix3d F;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            F(r, c) = a.gradient[size_t(r)][size_t(c)];
    const auto missing = [&section](const char* reason) {
        section.axialRatio = section.rake = {std::nullopt, reason};
        return section;
    };
    if (!F.allFinite())
        return missing(QT_TRANSLATE_NOOP("StrainAnalysis", "the strain holds a value that is not a finite number"));
    const Eigen::FullPivLU<Eigen::Matrix3d> lu(F);
    if (!lu.isInvertible())
        return missing(QT_TRANSLATE_NOOP("StrainAnalysis", "singular: J = 0"));

    // The ellipsoid is {x : |F⁻¹·x| = 1}; in the plane x = P·c, with P's
    // columns the strike and the down-dip lines, that is cᵀ·M·c = 1.
    const AnalysisVector s = lineDirection(plane.dipDirection - 90.0, 0.0);
    const AnalysisVector d = lineDirection(plane.dipDirection, plane.dip);
    Eigen::Matrix<double, 3, 2> P;
    P << s[0], d[0], s[1], d[1], s[2], d[2];
    const Eigen::Matrix<double, 3, 2> inverseP = lu.solve(P);
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> solver(inverseP.transpose() * inverseP);
    // The smaller eigenvalue belongs to the longer semi-axis.
    const Eigen::Vector2d mu = solver.eigenvalues();
    const double longest = 1.0 / std::sqrt(mu[0]), shortest = 1.0 / std::sqrt(mu[1]);
    const Eigen::Vector3d along = P * solver.eigenvectors().col(0);
    const Eigen::Vector3d across = P * solver.eigenvectors().col(1);
    for (int i = 0; i < 3; ++i) {
        section.semiAxes[0][size_t(i)] = longest * along[i];
        section.semiAxes[1][size_t(i)] = shortest * across[i];
    }
    section.axialRatio = {longest / shortest, {}};
    if (longest - shortest <= kCircle * longest) {
        section.rake = {std::nullopt, QT_TRANSLATE_NOOP("StrainAnalysis", "any direction: the section is a circle")};
        return section;
    }
    section.longAxis = axisOrientation({along.x(), along.y(), along.z()});
    const Eigen::Vector2d c = solver.eigenvectors().col(0);
    double rake = std::atan2(c[1], c[0]) * 180.0 / std::numbers::pi;
    if (rake < 0)
        rake += 180.0;
    // A line along the strike rakes 0°, whichever way its vector points.
    section.rake = {rake >= 180.0 - kRakeNoise ? 0.0 : rake, {}};
    return section;
}

StrainSection strainSection(const StrainData& model) {
    const StrainAnalysis analysis = analyzeStrain(model);
    if (model.sectionPlane() == 0)
        return strainSection(analysis, {model.sectionDipDirection(), model.sectionDip()});
    const StereonetContent content = stereonetContent(analysis);
    if (const auto plane = principalPlane(content, model.sectionPlane() - 1))
        return strainSection(analysis, *plane);
    StrainSection section;
    section.axialRatio = section.rake = {
        std::nullopt, !content.note.empty() ? content.note
                          : QT_TRANSLATE_NOOP("StrainAnalysis", "the strain holds a value that is not a finite number")};
    return section;
}
