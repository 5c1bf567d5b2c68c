// The slider's trail on the shape plots: thinned to its resolution, silent
// over old ground, bounded however long the sweep. Where the plots place a
// shape is read on the plots themselves.
#include "model/ShapeTrail.h"

#include <gtest/gtest.h>

namespace {

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
