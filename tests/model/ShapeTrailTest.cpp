// Where the shape plots place a shape, and the slider's trail: thinned to its
// resolution, silent over old ground, bounded however long the sweep.
#include "model/ShapeTrail.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ShapeTrailTest, FlinnAndHsuPlaceShapes) {
    // Constriction up Flinn's plot and on Hsu's left edge (ν = -1),
    // flattening along and on the right, k = 1 at 45° and straight up.
    const double es = std::sqrt(2.0 / 3.0), half = std::sqrt(0.75);
    const std::tuple<ShapePoint, PlotPosition, PlotPosition> cases[] = {
        {{1, 0}, {0, 1}, {-es / 2, es * half}}, {{0, 1}, {1, 0}, {es / 2, es * half}},
        {{1, 1}, {1, 1}, {0, std::sqrt(2.0)}}};
    for (const auto& [shape, flinn, hsu] : cases) {
        EXPECT_EQ(std::pair(flinnPosition(shape).x, flinnPosition(shape).y), std::pair(flinn.x, flinn.y));
        EXPECT_NEAR(std::hypot(hsuPosition(shape).x - hsu.x, hsuPosition(shape).y - hsu.y), 0, 1e-12)
            << shape.lnRxy << " " << shape.lnRyz;
    }
    EXPECT_FALSE(shapePoint(analyzeGradient({{{1, 2, 0}, {2, 4, 0}, {0, 0, 1}}})));
}

TEST(ShapeTrailTest, OnePointASquareNothingOverOldGroundNeverPastCapacity) {
    ShapeTrail trail(0.1, 8);
    EXPECT_TRUE(trail.add({0.01, 0.01}));
    EXPECT_FALSE(trail.add({0.09, 0.05})) << "the same square";
    EXPECT_TRUE(trail.add({0.11, 0.01}));
    EXPECT_TRUE(trail.add({0.21, 0.01}));
    EXPECT_FALSE(trail.add({0.15, 0.01})) << "back over old ground";
    EXPECT_FALSE(trail.add({0.05, 0.02}));
    EXPECT_TRUE(trail.add({0.05, 0.15}));
    ASSERT_EQ(trail.strokes().size(), 2u);
    EXPECT_EQ(trail.strokes()[1].front().lnRyz, 0.02) << "the new stroke starts where the pen rose";
    EXPECT_EQ(trail.size(), 5u);
    for (int i = 0; i < 1000; ++i)
        trail.add({0.05 + 0.1 * (i % 3), 0.01});
    EXPECT_EQ(trail.size(), 5u) << "sweeps to and fro";

    for (int i = 0; i < 1000; ++i)
        trail.add({1 + 0.1 * i, 1});
    EXPECT_LE(trail.size(), 8u);
    EXPECT_EQ(trail.resolution(), 0.1 * 256) << "doubled until 100 units of new ground fit in 8 points";
    ShapeTrail full(0.1, 3); // filled exactly, it keeps its resolution; one point more doubles it
    for (const double x : {0.05, 0.15, 0.25, 0.35})
        EXPECT_EQ((full.add({x, 0.05}), full.resolution()), x < 0.3 ? 0.1 : 0.2) << x;
}

} // namespace
