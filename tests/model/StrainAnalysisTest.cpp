// The analysis against closed forms of known deformations.
#include "../support/ExpectValue.h"
#include "model/StrainAnalysis.h"
#include "model/Orientation.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Eigen::Matrix3d;
using Eigen::Vector3d;
constexpr double kDeg = 180.0 / std::numbers::pi;

StrainAnalysis analyze(const Matrix3d& m) {
    AnalysisMatrix a;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            a[r][c] = m(r, c);
    return analyzeGradient(a);
}
Vector3d vec(const AnalysisVector& v) { return {v[0], v[1], v[2]}; }

TEST(StrainAnalysisTest, ClosedForms) {
    struct ClosedForm {
        const char* name;
        Matrix3d F;
        std::array<double, 3> stretches;
        double k, K, lode, angle;
        Vector3d rotationAxis; // zero: none
        Vector3d longAxis;     // zero: not unique
    };
    std::vector<ClosedForm> cases;
    for (double g : {0.5, 3.0}) {
        const double s1 = std::sqrt(1 + g * g / 4) + g / 2, theta = std::atan(2 / g) / 2;
        // A shear to the right turns clockwise seen from above: about -z.
        cases.push_back({"simple shear", (Matrix3d() << 1, g, 0, 0, 1, 0, 0, 0, 1).finished(),
                         {s1, 1, 1 / s1}, 1, 1, 0, std::atan(g / 2) * kDeg, {0, 0, -1},
                         {std::cos(theta), std::sin(theta), 0}});
    }
    const Vector3d zero = Vector3d::Zero(), axis = Vector3d(1, -2, 2).normalized();
    cases.push_back({"pure shear", Vector3d(1, 2, 0.5).asDiagonal(), {2, 1, 0.5}, 1, 1, 0, 0, zero,
                     {0, 1, 0}});
    cases.push_back({"flattening", Vector3d(2, 2, 0.25).asDiagonal(), {2, 2, 0.25}, 0, 0, 1, 0,
                     zero, zero});
    cases.push_back({"constriction", Vector3d(0.5, 4, 0.5).asDiagonal(), {4, 0.5, 0.5}, kNone,
                     kNone, -1, 0, zero, {0, 1, 0}});
    cases.push_back({"pure rotation", Eigen::AngleAxisd(70 / kDeg, axis).toRotationMatrix(),
                     {1, 1, 1}, kNone, kNone, kNone, 70, axis, zero});
    for (const ClosedForm& c : cases) {
        SCOPED_TRACE(c.name);
        const StrainAnalysis a = analyze(c.F);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(a.stretches[i], c.stretches[i], 1e-9);
        EXPECT_NEAR(a.volumeRatio, c.stretches[0] * c.stretches[1] * c.stretches[2], 1e-9);
        expectValue(a.flinnK, c.k, "Flinn k");
        expectValue(a.ramsayK, c.K, "Ramsay K");
        expectValue(a.lode, c.lode, "Lode");
        expectValue(a.rotationAngle, c.angle, "rotation angle");
        ASSERT_EQ(a.rotationAxis.has_value(), !c.rotationAxis.isZero());
        if (a.rotationAxis) {
            EXPECT_LT((vec(*a.rotationAxis) - c.rotationAxis).norm(), 1e-9);
        }
        if (!c.longAxis.isZero()) { // parallel or antiparallel
            EXPECT_NEAR(std::abs(vec(a.axes[0].direction).normalized().dot(c.longAxis)), 1, 1e-9);
        }
    }
}

TEST(StrainAnalysisTest, SingularAndInvertedStatesSayWhatTheyAre) {
    // F, its state, J and Lode; whether it has natural strains and a rotation.
    const std::tuple<Matrix3d, const char*, double, double, bool, bool> cases[] = {
        {(Matrix3d() << 1, 2, 0, 2, 4, 0, 0, 0, 1).finished(), "flattened to a plane", 0, kNone,
         false, false},
        {Vector3d(0, 3, 0).asDiagonal(), "flattened to a line", 0, kNone, false, false},
        {Matrix3d::Zero(), "flattened to a point", 0, kNone, false, false},
        {Vector3d(-2, 1, 1).asDiagonal(), "Inverted", -2, -1, true, false},
        {Vector3d(NAN, 1, 1).asDiagonal(), "not a finite number", kNone, kNone, false, false},
    };
    for (const auto& [F, state, J, lode, logs, rotation] : cases) {
        SCOPED_TRACE(state);
        const StrainAnalysis a = analyze(F);
        EXPECT_NE(a.state.find(state), std::string::npos) << a.state;
        EXPECT_TRUE(std::isnan(J) ? std::isnan(a.volumeRatio) : a.volumeRatio == J);
        expectValue(a.flinnK, kNone, "Flinn k");
        expectValue(a.lode, lode, "Lode");
        EXPECT_EQ(a.octahedralShear.value.has_value(), logs);
        EXPECT_EQ(a.rotationAngle.value.has_value(), rotation);
        for (const AnalysisRow& row : analysisRows(a))
            for (const auto& v : row.values)
                EXPECT_TRUE(v || !row.reason.empty()) << row.key << " says why it is missing";
    }
    // Flattened to a plane, the stretches that remain keep their logarithms.
    const StrainAnalysis plane = analyze(Vector3d(2, 1, 0).asDiagonal());
    expectValue(plane.naturalStrains[0], std::log(2.0), "ε1");
    expectValue(plane.naturalStrains[1], 0, "ε2");
}

// The rows as the panel and --analyze show them: in order, each under its
// label, with no more values than the panel has columns.
TEST(StrainAnalysisTest, RowsComeInOrderUnderTheirLabels) {
    std::string labels;
    for (const AnalysisRow& row : analysisRows(analyze(Matrix3d::Identity()))) {
        labels += std::string(row.label) + "|";
        EXPECT_LE(row.values.size(), 3u) << row.label;
    }
    EXPECT_EQ(labels,
              "Stretches S1, S2, S3|Natural strains ε1, ε2, ε3|S1 axis x, y, z|S1 axis trend°, "
              "plunge°|S2 axis x, y, z|S2 axis trend°, plunge°|S3 axis x, y, z|S3 axis trend°, "
              "plunge°|Becomes S1: x, y, z|Becomes S1: trend°, plunge°|Becomes S2: x, y, z|Becomes "
              "S2: trend°, plunge°|Becomes S3: x, y, z|Becomes S3: trend°, plunge°|Centre x, y, "
              "z|Volume ratio J|Flinn k|Flinn d|Ramsay K|Lode ν|Octahedral shear εs|Rotation "
              "angle°|Rotation axis x, y, z|Quadratic elongations λ1, λ2, λ3|Strain ratios Rxy, "
              "Ryz, Rxz|Ramsay D|Volume change ΔV %|Symmetry class|Lineation X trend°, "
              "plunge°|Foliation XY dip direction°, dip°|");
}

// Within the entries' precision of the horizontal, a line is given by its end
// with trend below 180°; of the vertical, straight down; beyond it, by its
// lower end as it is.
TEST(StrainAnalysisTest, NearlyHorizontalAndVerticalLinesAtTheEntriesPrecision) {
    const double in = 0.5 * kAnalysisTolerance, out = 2 * kAnalysisTolerance;
    const double tilt = std::asin(out) * kDeg, north = std::sqrt(0.75);
    const std::array<double, 5> cases[] = { // direction, trend, plunge
        {-0.5, -north, in, 30, 0}, {0.5, north, -in, 30, 0}, {0.5, north, out, 210, tilt},
        {-in, -1, 0, 0, 0}, {-out, -1, 0, tilt, 0}, {in, -in, 1, 0, 90}, {out, 0, -1, 90, 90 - tilt}};
    EXPECT_EQ(axisOrientation({in, -in, 1}).direction, (AnalysisVector{0, 0, -1})) << "a unit vector, down";
    for (const auto& c : cases) {
        const AxisOrientation o = axisOrientation({c[0], c[1], c[2]});
        EXPECT_NEAR(o.trend, c[3], 1e-9) << c[0] << " " << c[1] << " " << c[2];
        EXPECT_NEAR(o.plunge, c[4], 1e-9) << c[0] << " " << c[1] << " " << c[2];
    }
    // Planes by the pole's lower end: one dipping 30° east, a horizontal and
    // a vertical one.
    for (const auto& [pole, dipDirection, dip] : {std::tuple{AxisOrientation{{}, 270, 60}, 90., 30.},
             {AxisOrientation{{}, 0, 90}, 0., 0.}, {AxisOrientation{{}, 120, 0}, 120., 90.}}) {
        const PlaneOrientation plane = planeOrientation(pole);
        EXPECT_EQ(std::pair(plane.dipDirection, plane.dip), std::pair(dipDirection, dip)) << pole.trend;
    }
}

// Equal stretches leave their axes undefined, with the reason; just apart,
// the axes are given.
TEST(StrainAnalysisTest, AxesOfEqualStretchesSayWhyTheyAreUndefined) {
    const double in = 1 + 0.5 * kAnalysisTolerance, out = 1 + 2 * kAnalysisTolerance;
    const std::tuple<Vector3d, std::array<bool, 3>, const char*> cases[] = {
        {{2, 2 * in, 2}, {false, false, false}, "any direction: S1 = S2 = S3"},
        {{3, 0.5, 0.5 * in}, {true, false, false}, "any line ⊥ X: S2 = S3"},
        {{3, 0.5, 0.5 * out}, {true, true, true}, ""},
        {{2, 2 * in, 0.25}, {false, false, true}, "any line ⊥ Z: S1 = S2"},
        {{2, 2 * out, 0.25}, {true, true, true}, ""}};
    for (const auto& [stretches, defined, reason] : cases) {
        const StrainAnalysis a = analyze(stretches.asDiagonal());
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(a.axes[i].reason, defined[i] ? "" : reason) << stretches.transpose();
            EXPECT_EQ(a.materialAxes[i].reason, a.axes[i].reason);
        }
        EXPECT_EQ(a.foliation.reason.empty(), defined[2]) << stretches.transpose();
    }
}

// F thin but regular keeps J = det F and its stretches; the new quantities of
// a shape whose Lode ν is known, and the symmetry class on both sides of
// each bound.
TEST(StrainAnalysisTest, ThinShapesRatiosIntensityClassAndVolumeChange) {
    const StrainAnalysis thin = analyze(Vector3d(20, 20, 1e-5).asDiagonal());
    EXPECT_DOUBLE_EQ(thin.volumeRatio, 20 * 20 * 1e-5);
    EXPECT_DOUBLE_EQ(thin.stretches[2], 1e-5);
    EXPECT_EQ(thin.state, "");
    expectValue(thin.volumeChange, -99.6, "ΔV");

    const StrainAnalysis a = analyze(Vector3d(4, 2, 0.5).asDiagonal());
    expectValue(a.ratioXY, 2, "Rxy");
    expectValue(a.ratioYZ, 4, "Ryz");
    expectValue(a.ratioXZ, 8, "Rxz");
    expectValue(a.ramsayD, std::sqrt(5.0) * std::log(2.0), "D");
    expectValue(a.volumeChange, 300, "ΔV");
    EXPECT_EQ(a.quadraticElongations, (std::array<double, 3>{16, 4, 0.25}));
    expectValue(analyze(Vector3d(-2, 1, 1).asDiagonal()).volumeChange, 100, "ΔV of an inversion");
    // Lode's ν just outside and just inside each class's bounds.
    for (const auto& [nu, kind] : {std::pair{-0.76, "L"}, {-0.74, "LLS"}, {-0.16, "LLS"}, {-0.14, "LS"},
                                   {0.14, "LS"}, {0.16, "SSL"}, {0.74, "SSL"}, {0.76, "S"}}) {
        const StrainAnalysis shape =
            analyze(Vector3d(std::exp(1 - nu), 1, std::exp(-1 - nu)).asDiagonal());
        EXPECT_EQ(shape.symmetryClass.value, kind) << nu;
    }
    EXPECT_EQ(analyze(Matrix3d::Identity()).symmetryClass.reason, "no distortion: S1 = S3");
}

} // namespace
