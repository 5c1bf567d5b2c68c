// The hit tester on a real context: which hits it keeps, in what order,
// with how many names, and the points it gives, in picking and collision.
#include "OffscreenGL.h"

#include "toolkit/GVTester.h"

#include <climits>
#include <fstream>
#include <initializer_list>
#include <tuple>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using Names = std::vector<GLuint>;
using Point = std::array<double, 3>;

// A parallel projection from the eye at the origin looking down -z, near
// plane 0 and far plane 100: a point at -z = d has window depth d / 100 and
// lies at the viewport's centre (200, 150).
class GVTesterTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        if (HasFatalFailure())
            return;
        {
            std::lock_guard guard(*openGL);
            glMatrixMode(GL_PROJECTION);
            glOrtho(-1, 1, -1, 1, 0, 100);
            glMatrixMode(GL_MODELVIEW);
        }
        tester.attachWithOpenGLContext(openGL);
        ASSERT_EQ(tester.setHitBufferSize(128), 1);
        ASSERT_EQ(tester.setNameDepth(1, 4), 1);
    }

    // A point named name at p; extra names go on the stack above it.
    static void point(GLuint name, Point p, std::initializer_list<GLuint> extra = {}) {
        glLoadName(name);
        for (GLuint e : extra)
            glPushName(e);
        glBegin(GL_POINTS);
        glVertex3d(p[0], p[1], p[2]);
        glEnd();
        for (std::size_t i = 0; i < extra.size(); ++i)
            glPopName();
    }

    // Picks at the centre with one point per depth, named 1, 2, ...; the
    // first names of the results.
    Names pickPoints(const std::vector<double>& depths) {
        tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        GLuint name = 1;
        for (double depth : depths)
            point(name++, {0, 0, -depth});
        EXPECT_EQ(tester.endTest(1), 1);
        Names names;
        for (GLint i = 0; i < tester.resultCount(); ++i)
            names.push_back(tester.namesForResult(i)[0]);
        return names;
    }

    GVTester tester;
};

} // namespace

TEST_F(GVTesterTest, PickingKeepsTheNearestFirstWithTiesInDrawingOrder) {
    // The maximum result count, the depths of points 1, 2, ... and the names kept.
    const std::tuple<GLint, std::vector<double>, Names> cases[] = {
        {4, {70, 30, 90, 30, 10}, {5, 2, 4, 1}}, {3, {30, 20, 20, 10}, {4, 2, 3}},
        {1, {40, 20, 20, 60}, {2}}, {4, {}, {}}};
    for (const auto& [maximum, depths, nearest] : cases) {
        ASSERT_EQ(tester.setNameDepth(1, maximum), 1);
        ASSERT_EQ(pickPoints(depths), nearest) << "maximum " << maximum;
        for (GLint i = 0; i < tester.resultCount(); ++i) {
            const double depth = depths[nearest[i] - 1];
            EXPECT_NEAR(tester.depthForResult(i), depth / 100 * UINT_MAX, 2e-6 * UINT_MAX);
            // The point under the pick centre, at the hit's depth.
            const GLdouble* at = tester.coordinatesForResult(i);
            EXPECT_NEAR(at[0], 0, 1e-2);
            EXPECT_NEAR(at[2], -depth, 1e-3);
        }
    }
    // An overflowing hit buffer, of 4 words a record here, gives no results.
    ASSERT_EQ(tester.setHitBufferSize(7), 1);
    EXPECT_EQ(pickPoints({10}), Names{1});
    EXPECT_EQ(pickPoints({10, 20}), Names{});
}

TEST_F(GVTesterTest, AResultKeepsAtMostTheNameDepthsNames) {
    // Name depth 0 is a size like any other; a negative one leaves no room.
    for (const auto& [depth, maximum, accepted] :
         {std::tuple{0, 2, 1}, std::tuple{-1, 2, 0}, std::tuple{2, -1, 0}}) {
        EXPECT_EQ(tester.setNameDepth(depth, maximum), accepted) << depth << ", " << maximum;
        EXPECT_EQ(tester.maximumResultCount(), accepted ? maximum : 0);
    }
    // Buffers that cannot be had, in an address space capped for the moment,
    // leave none.
    rlimit room{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &room), 0);
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlimit capped{std::min<rlim_t>(rlim_t(pages * sysconf(_SC_PAGESIZE)) + (1 << 30), room.rlim_max), room.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_AS, &capped), 0);
    const GLint hits = tester.setHitBufferSize(INT_MAX), results = tester.setNameDepth(INT_MAX - 3, 1);
    setrlimit(RLIMIT_AS, &room);
    EXPECT_EQ(std::tuple(hits, results, tester.hitBufferSize(), tester.maximumResultCount()), std::tuple(0, 0, 0, 0));
    ASSERT_EQ(tester.setHitBufferSize(128), 1);
    ASSERT_EQ(tester.setNameDepth(2, 4), 1);
    tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
    point(7, {0, 0, -10}, {8, 9});
    point(5, {0, 0, -20});
    tester.endTest(0);
    ASSERT_EQ(tester.resultCount(), 2);
    EXPECT_EQ(tester.numberOfNamesForResult(0), 2u) << "three names, two kept";
    EXPECT_EQ(Names(tester.namesForResult(0), tester.namesForResult(0) + 2), (Names{7, 8}));
    EXPECT_EQ(tester.numberOfNamesForResult(1), 1u);
    EXPECT_EQ(tester.namesForResult(1)[0], 5u);
}

// A segment off every axis: a point within the radius of it is hit, at its
// place along the segment; one beside it is not.
TEST_F(GVTesterTest, CollisionFindsWhatLiesAlongASegment) {
    const GLdouble start[3] = {1, 2, 3}, end[3] = {5, 4, 3};
    tester.beginCollisionWithRadius(0.5f, start, end);
    point(1, {4, 3.5, 3});    // three quarters along
    point(2, {2, 2.5, 3.2});  // a quarter along, a little above
    point(3, {3, 3, 4});      // halfway, but one unit above
    point(4, {7, 5, 3});      // beyond the end
    EXPECT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(tester.resultCount(), 2);
    const std::tuple<GLuint, Point> expected[] = {{2, {2, 2.5, 3}}, {1, {4, 3.5, 3}}};
    for (GLint i = 0; i < 2; ++i) {
        const auto& [name, at] = expected[i];
        EXPECT_EQ(tester.namesForResult(i)[0], name);
        // A point's two depths are one: the point lies exactly at it.
        const double along = tester.depthForResult(i) / double(UINT_MAX);
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(tester.coordinatesForResult(i)[k], at[k], 1e-4) << name << ", " << k;
            EXPECT_DOUBLE_EQ(tester.coordinatesForResult(i)[k], start[k] + (end[k] - start[k]) * along);
        }
    }
    // The caller's matrices are as they were.
    GLint depth = 0;
    {
        std::lock_guard guard(*openGL);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    }
    EXPECT_EQ(depth, 1);
}
