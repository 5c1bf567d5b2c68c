// The net, the material lines and the sections against closed forms.
#include "../support/ExpectValue.h"
#include "model/MaterialLines.h"
#include "model/StrainData.h"
#include "model/StrainSection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

const double r2 = std::numbers::sqrt2;

AnalysisMatrix diagonal(double a, double b, double c) { return {{{a, 0, 0}, {0, b, 0}, {0, 0, c}}}; }
AnalysisMatrix shear(double g) { return {{{1, g, 0}, {0, 1, 0}, {0, 0, 1}}}; }

void expectAt(NetPoint p, double x, double y) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
}

TEST(OrientationTest, EqualAreaPositions) {
    // trend, plunge, x, y: the radius is √2·sin((90° − plunge)/2).
    const double cases[][4] = {{90, 0, 1, 0},       {0, 90, 0, 0},
                               {180, 30, 0, -r2 * std::sin(std::numbers::pi / 6)},
                               {270, 60, -r2 * std::sin(std::numbers::pi / 12), 0},
                               {45, 0, 1 / r2, 1 / r2}};
    for (const auto& c : cases)
        expectAt(netPosition(c[0], c[1]), c[2], c[3]);
    // A plane dipping 30° east: from north through the dip line to south.
    const std::vector<NetPoint> circle = greatCircle({90, 30}, 2);
    ASSERT_EQ(circle.size(), 3u);
    expectAt(circle[0], 0, 1);
    expectAt(circle[1], netRadius(30), 0);
    expectAt(circle[2], 0, -1);
    const AxisOrientation pole = poleOf({90, 30});
    EXPECT_NEAR(pole.trend, 270, 1e-9);
    EXPECT_NEAR(pole.plunge, 60, 1e-9);
}

// A place within a step of the last is dropped; a full path halves.
TEST(OrientationTest, NetPathsStayBounded) {
    NetPath path;
    const double step = NetPath::kStep;
    for (const double x : {0.5, 0.5 + 0.99 * step, 0.5 + 1.01 * step})
        path.add({x, 0});
    ASSERT_EQ(path.points().size(), 2u);
    EXPECT_EQ(path.points()[1].x, 0.5 + 1.01 * step);
    while (path.points().size() < NetPath::kCapacity)
        path.add({path.points().back().x + 2 * step, 0});
    path.add({1, 1});
    ASSERT_EQ(path.points().size(), NetPath::kCapacity / 2 + 1);
    EXPECT_EQ(path.points()[0].x, 0.5);
    EXPECT_EQ(path.points()[1].x, 0.5 + 1.01 * step + 2 * step); // every other place
    EXPECT_EQ(path.points().back().y, 1);
}

TEST(OrientationTest, TheNetShowsTheUniqueAxesAndTheFoliation) {
    const double theta = std::atan(2.0) / 2 * 180 / std::numbers::pi; // of X from east
    const struct {
        const char* name;
        AnalysisMatrix F;
        std::array<double, 6> axes; // X, Y, Z trend and plunge; NaN: none
        double dipDirection, dip;   // NaN: no foliation
        const char* note;
    } cases[] = {
        {"pure shear", diagonal(2, 1, 0.5), {90, 0, 0, 0, 0, 90}, 0, 0, ""},
        {"simple shear", shear(1), {90 - theta, 0, 0, 90, 180 - theta, 0}, 180 - theta, 90, ""},
        {"sphere", diagonal(2, 2, 2), {kNone, kNone, kNone, kNone, kNone, kNone}, kNone, kNone,
         "any direction: S1 = S2 = S3"},
        {"just apart", diagonal(1 + 2e-5, 1, 1 - 2e-5), {90, 0, 0, 0, 0, 90}, 0, 0, ""},
        {"nearly oblate", diagonal(1 + 5e-6, 1, 1 - 2e-5), {kNone, kNone, kNone, kNone, 0, 90}, 0, 0,
         "any line ⊥ Z: S1 = S2"},
        {"prolate", diagonal(3, 1, 1), {90, 0, kNone, kNone, kNone, kNone}, kNone, kNone,
         "any line ⊥ X: S2 = S3"},
        {"not finite", diagonal(NAN, 1, 1), {kNone, kNone, kNone, kNone, kNone, kNone}, kNone,
         kNone, "the strain holds a value that is not a finite number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StereonetContent net = stereonetContent(analyzeGradient(c.F));
        for (size_t i = 0; i < 3; ++i) {
            ASSERT_EQ(net.axes[i].has_value(), !std::isnan(c.axes[2 * i])) << "axis " << i;
            if (net.axes[i]) {
                EXPECT_NEAR(net.axes[i]->trend, c.axes[2 * i], 1e-7);
                EXPECT_NEAR(net.axes[i]->plunge, c.axes[2 * i + 1], 1e-7);
            }
        }
        ASSERT_EQ(net.foliation.has_value(), !std::isnan(c.dip));
        if (net.foliation) {
            EXPECT_NEAR(net.foliation->dip, c.dip, 1e-7);
            EXPECT_NEAR(net.foliation->dipDirection, c.dipDirection, 1e-7);
        }
        EXPECT_EQ(net.note, c.note);
    }
    const StereonetContent net = stereonetContent(analyzeGradient(diagonal(2, 1, 0.5)));
    for (int plane = 0; plane < 3; ++plane)
        EXPECT_NEAR(principalPlane(net, plane)->dip, plane == 0 ? 0 : 90, 1e-9);
}

TEST(OrientationTest, MaterialLinesInSimpleShear) {
    // Along y, along x, a line at 45° in the x-z plane and one of no length.
    const MaterialLineFigures f = materialLineFigures(shear(1), {{{0, 2, 0}, {3, 0, 0}, {0, 0, 0}}});
    const double lines[][4] = {{r2, r2 - 1, 2, 45}, {1, 0, 1, 0}, {kNone, kNone, kNone, kNone}};
    for (size_t i = 0; i < 3; ++i) {
        expectValue(f.lines[i].stretch, lines[i][0], "S");
        expectValue(f.lines[i].elongation, lines[i][1], "e");
        expectValue(f.lines[i].quadraticElongation, lines[i][2], "λ");
        expectValue(f.lines[i].turned, lines[i][3], "turned");
    }
    expectValue(f.pairs[0].angleBefore, 90, "before");
    expectValue(f.pairs[0].angleAfter, 45, "after");
    expectValue(f.pairs[0].shearStrain, 1, "γ");
    expectValue(f.pairs[1].angleAfter, kNone, "with no line");
    const MaterialLineFigures flat =
        materialLineFigures(diagonal(1, 1, 0), {{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}});
    EXPECT_EQ(flat.lines[0].turned.reason, "singular: the line is flattened to a point");

    // γ only for lines that began perpendicular, to within 1e-3°.
    for (const auto& [tilt, hasGamma] : {std::pair{0.9e-3, true}, std::pair{1.1e-3, false}}) {
        const double t = tilt * std::numbers::pi / 180;
        const MaterialLineFigures g =
            materialLineFigures(shear(1), {{{1, 0, 0}, {std::sin(t), std::cos(t), 0}, {0, 0, 1}}});
        EXPECT_EQ(g.pairs[0].shearStrain.value.has_value(), hasGamma) << tilt;
    }
    EXPECT_NEAR(lineStretch({{{1, 2, 3}, {4, 5, 6}, {7, 8, 10}}}, {0.6, 0.8, 0}), std::hypot(2.2, 6.4, 10.6), 1e-12);
    EXPECT_EQ(materialLineFigures(shear(NAN), {}).lines[0].stretch.reason,
              "the strain holds a value that is not a finite number");
}

// The points live in the frame after the saved strain: its block and
// translation are undone to find the lines' first directions.
TEST(OrientationTest, MaterialLinesOfTheDocument) {
    StrainData model;
    model.setSavedStrain(MatrixIndex(0, 0), 2);
    model.setSavedStrain(MatrixIndex(0, 3), 5);
    model.setStrain(MatrixIndex(0, 1), 1); // a simple shear after it
    for (int i = 0; i < 3; ++i) {
        model.setPoint1(i, std::array{5.0f, 1.0f, 0.0f}[size_t(i)]);
        model.setPoint2(i, std::array{9.0f, 0.0f, 0.0f}[size_t(i)]);
        model.setPoint3(i, std::array{5.0f, 0.0f, 0.0f}[size_t(i)]);
    }
    const MaterialLineFigures f = materialLineFigures(model);
    // F = [2 1 0; 0 1 0; 0 0 1]: along y → (1, 1, 0), along x → (2, 0, 0).
    expectValue(f.lines[0].stretch, r2, "S of point 1");
    expectValue(f.lines[1].stretch, 2, "S of point 2");
    expectValue(f.lines[2].stretch, kNone, "S of the centre");
    expectValue(f.pairs[0].shearStrain, 1, "γ");
    model.setSavedStrain(MatrixIndex(1, 1), 0);
    EXPECT_FALSE(materialLineFigures(model).lines[0].stretch.value);
}

TEST(OrientationTest, SectionEllipses) {
    const struct {
        AnalysisMatrix F;
        PlaneOrientation plane;
        double ratio, trend, plunge, rake; // NaN: no long axis
    } cases[] = {
        {diagonal(2, 1, 0.5), {180, 90}, 4, 90, 0, 0},  // the x-z face
        {diagonal(2, 1, 0.5), {90, 90}, 2, 0, 0, 0},    // the y-z face
        {diagonal(2, 1, 0.5), {0, 0}, 2, 90, 0, 0},     // the horizontal
        {diagonal(1, 1, 3), {90, 90}, 3, 0, 90, 90},    // long and vertical
        {diagonal(1, 1, 3), {90, 30}, 3 / std::sqrt(7.0), 90, 30, 90},
        {diagonal(2, 2, 0.5), {0, 0}, 1, kNone, kNone, kNone}, // a circle
        {diagonal(1, 0, 1), {0, 0}, kNone, kNone, kNone, kNone}, // singular
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.plane.dipDirection << "/" << c.plane.dip);
        const StrainSection s = strainSection(analyzeGradient(c.F), c.plane);
        expectValue(s.axialRatio, c.ratio, "ratio");
        expectValue(s.rake, c.rake, "rake");
        ASSERT_EQ(s.longAxis.has_value(), !std::isnan(c.trend));
        if (s.longAxis) {
            EXPECT_NEAR(s.longAxis->trend, c.trend, 1e-7);
            EXPECT_NEAR(s.longAxis->plunge, c.plunge, 1e-7);
        }
    }
}

} // namespace
