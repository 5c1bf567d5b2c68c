// The analysis against closed forms of known deformations.
#include "model/StrainAnalysis.h"
#include "model/StrainData.h"

#include <Eigen/Dense>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kTol = 1e-9;
constexpr double kDeg = 180.0 / std::numbers::pi;
const double kUndefined = NAN; // expected: no value, with a reason

AnalysisMatrix matrix(const Eigen::Matrix3d& m) {
    AnalysisMatrix a;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            a[r][c] = m(r, c);
    return a;
}
Eigen::Vector3d vec(const AnalysisVector& v) { return {v[0], v[1], v[2]}; }

void expectValue(const AnalysisValue& v, double expected, const char* what) {
    if (std::isnan(expected)) {
        EXPECT_FALSE(v.value) << what;
        EXPECT_FALSE(v.reason.empty()) << what << " says why it has no value";
    } else {
        ASSERT_TRUE(v.value) << what << ": " << v.reason;
        EXPECT_NEAR(*v.value, expected, 1e-9) << what;
    }
}

// Parallel or antiparallel unit vectors.
void expectSameLine(const Eigen::Vector3d& a, const Eigen::Vector3d& b, const char* what) {
    EXPECT_NEAR(std::abs(a.normalized().dot(b.normalized())), 1.0, 1e-9) << what;
}

struct ClosedForm {
    const char* name;
    Eigen::Matrix3d F;
    std::array<double, 3> stretches;
    double k, K, lode, angle;
    Eigen::Vector3d rotationAxis; // zero: none expected
    Eigen::Vector3d longAxis;     // zero: not unique
};

Eigen::Matrix3d shear(double g) {
    Eigen::Matrix3d F = Eigen::Matrix3d::Identity();
    F(0, 1) = g;
    return F;
}

std::vector<ClosedForm> closedForms() {
    std::vector<ClosedForm> cases;
    for (double g : {0.5, 1.0, 3.0}) {
        const double s1 = std::sqrt(1 + g * g / 4) + g / 2;
        const double theta = std::atan(2 / g) / 2; // tan 2θ = 2/γ
        // A shear to the right turns clockwise seen from above: about -z.
        cases.push_back({"simple shear", shear(g), {s1, 1, 1 / s1}, 1, 1, 0,
                         std::atan(g / 2) * kDeg, {0, 0, -1},
                         {std::cos(theta), std::sin(theta), 0}});
    }
    cases.push_back({"pure shear", Eigen::Vector3d(1, 2, 0.5).asDiagonal(), {2, 1, 0.5}, 1, 1, 0, 0,
                     Eigen::Vector3d::Zero(), {0, 1, 0}});
    cases.push_back({"flattening", Eigen::Vector3d(2, 2, 0.25).asDiagonal(), {2, 2, 0.25}, 0, 0, 1,
                     0, Eigen::Vector3d::Zero(), Eigen::Vector3d::Zero()});
    cases.push_back({"constriction", Eigen::Vector3d(0.5, 4, 0.5).asDiagonal(), {4, 0.5, 0.5},
                     kUndefined, kUndefined, -1, 0, Eigen::Vector3d::Zero(), {0, 1, 0}});
    const Eigen::Vector3d axis = Eigen::Vector3d(1, -2, 2).normalized();
    cases.push_back({"pure rotation", Eigen::AngleAxisd(70 / kDeg, axis).toRotationMatrix(),
                     {1, 1, 1}, kUndefined, kUndefined, kUndefined, 70, axis,
                     Eigen::Vector3d::Zero()});
    return cases;
}

TEST(StrainAnalysisTest, ClosedForms) {
    for (const ClosedForm& c : closedForms()) {
        SCOPED_TRACE(c.name);
        const StrainAnalysis a = analyzeGradient(matrix(c.F));
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(a.stretches[i], c.stretches[i], kTol);
            expectValue(a.naturalStrains[i], std::log(c.stretches[i]), "natural strain");
        }
        EXPECT_NEAR(a.volumeRatio, c.stretches[0] * c.stretches[1] * c.stretches[2], kTol);
        expectValue(a.flinnK, c.k, "Flinn k");
        expectValue(a.ramsayK, c.K, "Ramsay K");
        expectValue(a.lode, c.lode, "Lode");
        expectValue(a.rotationAngle, c.angle, "rotation angle");
        const double e1 = std::log(c.stretches[0]), e2 = std::log(c.stretches[1]),
                     e3 = std::log(c.stretches[2]);
        expectValue(a.octahedralShear,
                    std::sqrt(2.0 / 3.0) *
                        std::sqrt(((e1 - e2) * (e1 - e2) + (e2 - e3) * (e2 - e3) +
                                   (e3 - e1) * (e3 - e1)) /
                                  2),
                    "octahedral shear");
        EXPECT_EQ(a.rotationAxis.has_value(), !c.rotationAxis.isZero());
        if (a.rotationAxis) {
            EXPECT_LT((vec(*a.rotationAxis) - c.rotationAxis).norm(), 1e-9);
        }
        if (!c.longAxis.isZero())
            expectSameLine(vec(a.axes[0].direction), c.longAxis, "long axis");
    }
}

// x east, y north, z up; the lower-hemisphere end; horizontal axes by the
// end whose trend is below 180°.
TEST(StrainAnalysisTest, TrendAndPlungeOfTheLongAxis) {
    struct Case {
        Eigen::Vector3d direction;
        double trend, plunge;
    };
    const double r = std::sqrt(2.0);
    for (const Case& c : {Case{{1, 0, -1}, 90, 45}, Case{{-1, 0, 1}, 90, 45}, Case{{0, -1, 0}, 0, 0},
                          Case{{-1, 0, 0}, 90, 0}, Case{{-1, -1, -r}, 225, 45},
                          Case{{1, -1, 0}, 135, 0}, Case{{0, 0, 1}, 0, 90}}) {
        const Eigen::Vector3d n = c.direction.normalized();
        const Eigen::Matrix3d F = Eigen::Matrix3d::Identity() + 2 * n * n.transpose();
        const AxisOrientation o = analyzeGradient(matrix(F)).axes[0];
        EXPECT_NEAR(o.trend, c.trend, 1e-7) << c.direction.transpose();
        EXPECT_NEAR(o.plunge, c.plunge, 1e-7) << c.direction.transpose();
        EXPECT_LE(o.direction[2], 0.0);
    }
}

// Stretch x by 2 and move by (1, 0, 0), restart, then shear and move by
// (0, 0, 3): F = S·V, and the centre is where the origin is carried.
TEST(StrainAnalysisTest, RestartAfterATranslation) {
    StrainData model;
    model.setStrain(0, 2);
    model.setTranslation(0, 1);
    model.accumulateStrain();
    model.setStrain(4, 1); // row 1, column 2
    model.setTranslation(2, 3);
    const StrainAnalysis a = analyzeStrain(model);
    const Eigen::Matrix3d S = shear(1), V = Eigen::Vector3d(2, 1, 1).asDiagonal();
    const Eigen::Vector3d centre = S * (Eigen::Vector3d(2, 0, 0) + Eigen::Vector3d(0, 0, 3));
    EXPECT_LT((vec(a.centre) - centre).norm(), 1e-6);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(a.gradient[r][c], (S * V)(r, c), 1e-6);
}

TEST(StrainAnalysisTest, RandomGradientsRebuildFromTheirParts) {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> entry(-3, 3);
    for (int n = 0; n < 50; ++n) {
        Eigen::Matrix3d F;
        for (int i = 0; i < 9; ++i)
            F(i / 3, i % 3) = entry(random);
        if (F.determinant() < 0)
            F.col(0) = -F.col(0);
        const StrainAnalysis a = analyzeGradient(matrix(F));
        Eigen::Matrix3d B = Eigen::Matrix3d::Zero();
        for (int i = 0; i < 3; ++i) {
            const Eigen::Vector3d axis = vec(a.axes[i].direction);
            B += a.stretches[i] * a.stretches[i] * axis * axis.transpose();
            // The material direction is carried onto the axis, stretched by Si.
            const Eigen::Vector3d carried = F * vec(a.materialAxes[i].direction);
            EXPECT_NEAR(carried.norm(), a.stretches[i], 1e-9);
            expectSameLine(carried, axis, "material direction");
        }
        EXPECT_LT((B - F * F.transpose()).norm(), 1e-9 * B.norm());
        EXPECT_NEAR(a.volumeRatio, a.stretches[0] * a.stretches[1] * a.stretches[2], 1e-9);
        EXPECT_GE(a.stretches[0], a.stretches[1]);
        EXPECT_GE(a.stretches[1], a.stretches[2]);
        // F = V·R with V symmetric positive definite: F·Rᵀ is symmetric.
        ASSERT_TRUE(a.rotationAngle.value && a.rotationAxis);
        const Eigen::Matrix3d R =
            Eigen::AngleAxisd(*a.rotationAngle.value / kDeg, vec(*a.rotationAxis)).toRotationMatrix();
        const Eigen::Matrix3d left = F * R.transpose();
        EXPECT_LT((left - left.transpose()).norm(), 1e-9 * F.norm());
        EXPECT_GT(left.trace(), 0);
    }
}

TEST(StrainAnalysisTest, DegenerateStatesSayWhatTheyAre) {
    struct Case {
        const char* name;
        Eigen::Matrix3d F;
        const char* state;
        double J, k, lode;
        bool logs, rotation;
    };
    const Eigen::Matrix3d rank2 = (Eigen::Matrix3d() << 1, 2, 0, 2, 4, 0, 0, 0, 1).finished();
    const Case cases[] = {
        {"plane", rank2, "flattened to a plane", 0, kUndefined, kUndefined, false, false},
        {"line", Eigen::Vector3d(0, 3, 0).asDiagonal(), "flattened to a line", 0, kUndefined,
         kUndefined, false, false},
        {"point", Eigen::Matrix3d::Zero(), "flattened to a point", 0, kUndefined, kUndefined, false,
         false},
        {"inverted", Eigen::Vector3d(-2, 1, 1).asDiagonal(), "Inverted", -2, kUndefined, -1, true,
         false},
        {"identity", Eigen::Matrix3d::Identity(), "No distortion", 1, kUndefined, kUndefined, true,
         true},
        {"not a number", Eigen::Vector3d(NAN, 1, 1).asDiagonal(), "not a finite number", kUndefined,
         kUndefined, kUndefined, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StrainAnalysis a = analyzeGradient(matrix(c.F));
        EXPECT_NE(a.state.find(c.state), std::string::npos) << a.state;
        if (std::isnan(c.J))
            EXPECT_TRUE(std::isnan(a.volumeRatio));
        else
            EXPECT_NEAR(a.volumeRatio, c.J, kTol);
        expectValue(a.flinnK, c.k, "Flinn k");
        expectValue(a.lode, c.lode, "Lode");
        EXPECT_EQ(a.octahedralShear.value.has_value(), c.logs);
        EXPECT_EQ(a.rotationAngle.value.has_value(), c.rotation);
        // Whatever is missing says why, in every row.
        for (const AnalysisRow& row : analysisRows(a))
            for (const auto& v : row.values)
                if (!v) {
                    EXPECT_FALSE(row.reason.empty()) << row.key;
                }
    }
}

} // namespace
