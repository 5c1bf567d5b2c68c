#include "OffscreenGL.h"

#include "toolkit/GVTester.h"

#include <climits>
#include <initializer_list>
#include <tuple>
#include <vector>

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

    static void draw(GLenum mode, GLuint name, std::initializer_list<Point> vertices) {
        glLoadName(name);
        glBegin(mode);
        for (const Point& p : vertices)
            glVertex3d(p[0], p[1], p[2]);
        glEnd();
    }

    // Picks at the centre with one point per depth, named 1, 2, ...; the names hit.
    Names pickPoints(const std::vector<double>& depths) {
        tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        GLuint name = 1;
        for (double depth : depths)
            draw(GL_POINTS, name++, {{0, 0, -depth}});
        EXPECT_EQ(tester.endTest(1), 1);
        Names names;
        for (GLint i = 0; i < tester.resultCount(); ++i)
            names.push_back(tester.namesForResult(i)[0]);
        return names;
    }

    GVTester tester;
};

} // namespace

TEST_F(GVTesterTest, ResultsAreTheNearestFirstWithTiesInDrawingOrder) {
    // The maximum result count, the depths of points 1, 2, ... and the names kept.
    const std::tuple<GLint, std::vector<double>, Names> cases[] = {
        {4, {70, 30, 90, 30, 10}, {5, 2, 4, 1}}, {3, {30, 20, 20, 10}, {4, 2, 3}},
        {1, {40, 20, 20, 60}, {2}}, {4, {}, {}}};
    for (const auto& [maximum, depths, nearest] : cases) {
        ASSERT_EQ(tester.setNameDepth(1, maximum), 1);
        ASSERT_EQ(pickPoints(depths), nearest) << "maximum " << maximum;
        for (GLint i = 0; i < tester.resultCount(); ++i)
            EXPECT_NEAR(tester.depthForResult(i), depths[nearest[i] - 1] / 100 * UINT_MAX,
                        2e-6 * UINT_MAX);
    }
    // An overflowing hit buffer, of 4 words a record here, gives no results.
    ASSERT_EQ(tester.setHitBufferSize(7), 1);
    EXPECT_EQ(pickPoints({10}), Names{1});
    EXPECT_EQ(pickPoints({10, 20}), Names{});
    // Sizes that cannot be allocated leave none, and a test still ends cleanly.
    EXPECT_EQ(tester.setNameDepth(INT_MAX, INT_MAX), 0);
    EXPECT_EQ(tester.maximumResultCount(), 0);
    EXPECT_EQ(tester.setHitBufferSize(-1), 0);
    EXPECT_EQ(pickPoints({10}), Names{});
}

