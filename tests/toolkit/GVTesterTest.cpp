#include "ExpectedMatrices.h"
#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"
#include "toolkit/GVTester.h"

#include <GL/glu.h>

#include <climits>
#include <functional>
#include <initializer_list>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Hits at chosen depths: a parallel projection from the eye at the origin
// looking down -z, near plane 0 and far plane 100, so a point at -z = d has
// window depth d / 100 and lies at the viewport's centre (200, 150).
class GVTesterTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        if (HasFatalFailure())
            return;
        {
            std::lock_guard guard(*openGL);
            glViewport(0, 0, width_, height_);
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-1, 1, -1, 1, 0, 100);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
        }
        tester.attachWithOpenGLContext(openGL);
        ASSERT_EQ(tester.setHitBufferSize(128), 1);
        ASSERT_EQ(tester.setNameDepth(1, 4), 1);
    }

    static void point(GLuint name, double depth) {
        glLoadName(name);
        glBegin(GL_POINTS);
        glVertex3d(0, 0, -depth);
        glEnd();
    }

    // Picks at the centre with one named point per depth, names 1, 2, ...
    GLint pickPoints(std::initializer_list<double> depths, GLint computeCoordinates = 0) {
        tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        GLuint name = 1;
        for (double depth : depths)
            point(name++, depth);
        return tester.endTest(computeCoordinates);
    }

    std::vector<GLuint> resultNames() {
        std::vector<GLuint> names;
        for (GLint i = 0; i < tester.resultCount(); ++i) {
            EXPECT_EQ(tester.numberOfNamesForResult(i), 1u);
            names.push_back(tester.namesForResult(i)[0]);
        }
        return names;
    }

    static GLuint scaledDepth(double depth) {
        return static_cast<GLuint>(depth / 100.0 * 4294967295.0);
    }

    GVTester tester;
};

using Names = std::vector<GLuint>;

} // namespace

TEST_F(GVTesterTest, NothingDrawnGivesNoResults) {
    EXPECT_EQ(pickPoints({20}), 1);
    ASSERT_EQ(tester.resultCount(), 1);

    EXPECT_EQ(pickPoints({}, 1), 1);
    EXPECT_EQ(tester.resultCount(), 0);

    // Geometry outside the pick region makes no hit either.
    tester.beginPickingWithRadius(2.0f, 20.0, 20.0);
    point(1, 20);
    EXPECT_EQ(tester.endTest(1), 1);
    EXPECT_EQ(tester.resultCount(), 0);
}

TEST_F(GVTesterTest, ResultsAreNearestFirstWithTiesInDrawingOrder) {
    ASSERT_EQ(pickPoints({70, 30, 90, 30, 10}), 1);
    EXPECT_EQ(resultNames(), (Names{5, 2, 4, 1}));
    for (GLint i = 1; i < tester.resultCount(); ++i)
        EXPECT_LE(tester.depthForResult(i - 1), tester.depthForResult(i));
    EXPECT_NEAR(tester.depthForResult(0), scaledDepth(10), 2e-6 * 4294967295.0);

    ASSERT_EQ(tester.setNameDepth(1, 2), 1);
    pickPoints({50, 10, 50});
    EXPECT_EQ(resultNames(), (Names{2, 1}));

    ASSERT_EQ(tester.setNameDepth(1, 3), 1);
    pickPoints({30, 20, 20, 10});
    EXPECT_EQ(resultNames(), (Names{4, 2, 3}));
    EXPECT_EQ(tester.depthForResult(1), tester.depthForResult(2));
}

TEST_F(GVTesterTest, MaximumOfOneKeepsTheNearestFirstWritten) {
    ASSERT_EQ(tester.setNameDepth(1, 1), 1);
    pickPoints({40, 20, 20, 60});
    EXPECT_EQ(resultNames(), (Names{2}));
    pickPoints({5, 20});
    EXPECT_EQ(resultNames(), (Names{1}));
}

TEST_F(GVTesterTest, OverflowingTheHitBufferGivesNoResults) {
    // Each record of one name takes 4 words.
    ASSERT_EQ(tester.setHitBufferSize(7), 1);
    EXPECT_EQ(pickPoints({10}), 1);
    EXPECT_EQ(tester.resultCount(), 1);
    EXPECT_EQ(pickPoints({10, 20}, 1), 1);
    EXPECT_EQ(tester.resultCount(), 0);

    ASSERT_EQ(tester.setHitBufferSize(0), 1);
    EXPECT_EQ(pickPoints({10}, 1), 1);
    EXPECT_EQ(tester.resultCount(), 0);
}

TEST_F(GVTesterTest, SizeSettersKeepResultsOnlyWhenNothingChanges) {
    pickPoints({30, 10});
    ASSERT_EQ(resultNames(), (Names{2, 1}));

    EXPECT_EQ(tester.setNameDepth(1, 4), 1);
    EXPECT_EQ(tester.setHitBufferSize(128), 1);
    EXPECT_EQ(resultNames(), (Names{2, 1})) << "same sizes keep the last results";

    EXPECT_EQ(tester.setNameDepth(2, 4), 1);
    EXPECT_EQ(tester.nameDepth(), 2);
    EXPECT_EQ(tester.resultCount(), 0);

    // Sizes that cannot be allocated leave no buffers and sizes 0.
    EXPECT_EQ(tester.setNameDepth(INT_MAX, INT_MAX), 0) << "the byte size overflows";
    EXPECT_EQ(tester.nameDepth(), 0);
    EXPECT_EQ(tester.maximumResultCount(), 0);
    EXPECT_EQ(tester.setNameDepth(1, 4), 1);
    EXPECT_EQ(tester.setNameDepth(-1, 4), 0);
    EXPECT_EQ(tester.maximumResultCount(), 0);
    EXPECT_EQ(tester.setHitBufferSize(-1), 0);
    EXPECT_EQ(tester.hitBufferSize(), 0);

    // Without buffers a test still ends cleanly and keeps nothing.
    EXPECT_EQ(pickPoints({10}, 1), 1);
    EXPECT_EQ(tester.resultCount(), 0);
    ASSERT_EQ(tester.setHitBufferSize(64), 1);
    EXPECT_EQ(pickPoints({10}, 1), 1);
    EXPECT_EQ(tester.resultCount(), 0) << "a maximum of 0 keeps no result";
}

TEST_F(GVTesterTest, ResultsKeepAtMostNameDepthNames) {
    const auto draw = [] {
        glLoadName(5); // deep, three names
        glPushName(6);
        glPushName(7);
        glBegin(GL_POINTS);
        glVertex3d(0, 0, -50);
        glEnd();
        glPopName();
        glPopName();
        point(9, 10); // nearer, one name: the deep result moves down
    };

    ASSERT_EQ(tester.setNameDepth(1, 2), 1);
    tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
    draw();
    ASSERT_EQ(tester.endTest(0), 1);
    ASSERT_EQ(tester.resultCount(), 2);
    EXPECT_EQ(tester.namesForResult(0)[0], 9u);
    EXPECT_EQ(tester.numberOfNamesForResult(1), 1u) << "word 0 counts the names kept";
    EXPECT_EQ(tester.namesForResult(1)[0], 5u);
    EXPECT_NEAR(tester.depthForResult(1), scaledDepth(50), 2e-6 * 4294967295.0);

    ASSERT_EQ(tester.setNameDepth(2, 2), 1);
    tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
    draw();
    ASSERT_EQ(tester.endTest(0), 1);
    ASSERT_EQ(tester.resultCount(), 2);
    EXPECT_EQ(tester.numberOfNamesForResult(1), 2u);
    EXPECT_EQ(tester.namesForResult(1)[0], 5u);
    EXPECT_EQ(tester.namesForResult(1)[1], 6u);
}

TEST_F(GVTesterTest, TestsHoldTheLockAndRestoreTheMatrices) {
    const Mat projectionBefore = matrix(GL_PROJECTION_MATRIX);
    const Mat modelviewBefore = matrix(GL_MODELVIEW_MATRIX);
    const auto otherThreadGetsLock = [&] {
        bool got = false;
        std::thread other([&] {
            got = openGL->tryLock();
            if (got)
                openGL->unlock();
        });
        other.join();
        return got;
    };

    tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
    EXPECT_FALSE(otherThreadGetsLock());
    point(1, 10);
    tester.endTest(1);
    EXPECT_TRUE(otherThreadGetsLock());
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projectionBefore);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelviewBefore);
    EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
    EXPECT_EQ(integer(GL_RENDER_MODE), GL_RENDER);

    const GLdouble start[3] = {0, 0, 0};
    const GLdouble end[3] = {1, 2, 3};
    tester.beginCollisionWithRadius(0.5f, start, end);
    EXPECT_FALSE(otherThreadGetsLock());
    tester.endTest(1);
    EXPECT_TRUE(otherThreadGetsLock());
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projectionBefore);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelviewBefore);
    EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 1);
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(GVTesterTest, CollisionPointsLieOnTheSegmentAtTheHitsMeanDepth) {
    const GLdouble start[3] = {1, 1, 1};
    const GLdouble end[3] = {3, -1, 5};
    const auto along = [&](double t, double offset = 0.0) {
        // (1, 1, 0) / sqrt 2 is square to the segment's direction (2, -2, 4).
        const double side = offset / std::sqrt(2.0);
        return std::array<double, 3>{start[0] + (end[0] - start[0]) * t + side,
                                     start[1] + (end[1] - start[1]) * t + side,
                                     start[2] + (end[2] - start[2]) * t};
    };
    const auto vertex = [](const std::array<double, 3>& p) { glVertex3d(p[0], p[1], p[2]); };
    const auto line = [&](GLuint name, double from, double to) {
        glLoadName(name);
        glBegin(GL_LINES);
        vertex(along(from));
        vertex(along(to));
        glEnd();
    };
    const auto expectAt = [&](GLint index, const std::array<double, 3>& q) {
        const GLdouble* p = tester.coordinatesForResult(index);
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(p[k], q[k], 1e-4) << "result " << index << " coordinate " << k;
    };

    // From before the start to just short of the end: clipped to depth 0 at
    // the start, so the point is near the midpoint. (Mesa reports a depth of
    // exactly 1, on the far plane, as 0, so the line stops short of it.)
    tester.beginCollisionWithRadius(0.25f, start, end);
    line(1, -1.0, 0.9999);
    ASSERT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(tester.resultCount(), 1);
    EXPECT_EQ(tester.depthForResult(0), 0u);
    expectAt(0, along(0.49995));

    ASSERT_EQ(tester.setNameDepth(1, 8), 1);
    tester.beginCollisionWithRadius(0.25f, start, end);
    line(1, 0.9999, 0.99999); // at the end
    glLoadName(2);        // inside the box, off the segment
    glBegin(GL_POINTS);
    vertex(along(0.6, 0.2));
    glEnd();
    glLoadName(3); // outside the box
    glBegin(GL_POINTS);
    vertex(along(0.5, 1.0));
    glEnd();
    line(4, 0.1, 0.3);       // within the segment
    line(5, -1.0, 0.0001);   // at the start
    ASSERT_EQ(tester.endTest(1), 1);

    ASSERT_EQ(resultNames(), (Names{5, 4, 2, 1}));
    expectAt(0, along(0.00005));
    expectAt(1, along(0.2));
    expectAt(2, along(0.6));
    expectAt(3, along(0.999945));

    // Without coordinates requested the points are left alone.
    tester.beginCollisionWithRadius(0.25f, start, end);
    line(1, 0.4, 0.6);
    ASSERT_EQ(tester.endTest(0), 1);
    ASSERT_EQ(tester.resultCount(), 1);
    expectAt(0, along(0.00005));
}

namespace {

// Picks on a unit sphere drawn under a camera looking at it from an angle.
class GVTesterPickTest : public GVTesterTest {
protected:
    void SetUp() override {
        GVTesterTest::SetUp();
        if (HasFatalFailure())
            return;
        quadric = gluNewQuadric();
        {
            // As in the view: back faces are culled, so a pick meets only
            // the side facing the eye.
            std::lock_guard guard(*openGL);
            glCullFace(GL_BACK);
            glEnable(GL_CULL_FACE);
        }
        camera.attachWithOpenGLContext(openGL, GVRect{0, 0, 400, 300});
        camera.setElevation(-60.0f);
        camera.setAzimuth(30.0f);
        ASSERT_EQ(tester.setNameDepth(1, 1), 1);
    }

    void TearDown() override {
        if (quadric != nullptr)
            gluDeleteQuadric(quadric);
    }

    GLint pickSphere(double x, double y) {
        tester.beginPickingWithRadius(0.5f, x, y);
        glLoadName(1);
        gluSphere(quadric, 1.0, 40, 40);
        return tester.endTest(1);
    }

    // Window coordinates of p under the camera's matrices.
    std::array<double, 2> project(const GLdouble* p) {
        const Mat modelview = matrix(GL_MODELVIEW_MATRIX);
        const Mat projection = matrix(GL_PROJECTION_MATRIX);
        GLint viewport[4];
        {
            std::lock_guard guard(*openGL);
            glGetIntegerv(GL_VIEWPORT, viewport);
        }
        GLdouble wx = 0, wy = 0, wz = 0;
        EXPECT_EQ(gluProject(p[0], p[1], p[2], modelview.data(), projection.data(), viewport,
                             &wx, &wy, &wz),
                  GL_TRUE);
        return {wx, wy};
    }

    void expectPointUnderPickOnFrontOfSphere(double x, double y) {
        ASSERT_EQ(pickSphere(x, y), 1);
        ASSERT_EQ(tester.resultCount(), 1);
        const GLdouble* p = tester.coordinatesForResult(0);
        // A 40 x 40 sphere's facets lie within 1 - cos(4.5 degrees) of the surface.
        EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.0, 0.004);
        const auto window = project(p);
        EXPECT_NEAR(window[0], x, 1e-3);
        EXPECT_NEAR(window[1], y, 1e-3);
        // The eye is at 10 (-sin e sin a, sin e cos a, cos e); the side of the
        // sphere facing it has p . eye > |p|^2.
        const double e = -60.0 * std::numbers::pi / 180, a = 30.0 * std::numbers::pi / 180;
        const double eye[3] = {-10 * std::sin(e) * std::sin(a), 10 * std::sin(e) * std::cos(a),
                               10 * std::cos(e)};
        EXPECT_GT(p[0] * eye[0] + p[1] * eye[1] + p[2] * eye[2], 1.0);
    }

    GVCamera camera;
    GLUquadric* quadric = nullptr;
};

} // namespace

TEST_F(GVTesterPickTest, PickedPointLiesOnTheSurfaceUnderThePickInPerspective) {
    expectPointUnderPickOnFrontOfSphere(240.5, 124.75);
    expectPointUnderPickOnFrontOfSphere(170.25, 180.5);
}

TEST_F(GVTesterPickTest, PickedPointLiesOnTheSurfaceUnderThePickInOrthographic) {
    camera.setProjection(0);
    expectPointUnderPickOnFrontOfSphere(240.5, 124.75);
    expectPointUnderPickOnFrontOfSphere(170.25, 180.5);
}

TEST_F(GVTesterPickTest, NearerGeometryDrawnLaterWins) {
    tester.beginPickingWithRadius(0.5f, 200.0, 150.0);
    glLoadName(1);
    gluSphere(quadric, 1.0, 40, 40);
    glLoadName(2);
    gluSphere(quadric, 1.5, 40, 40); // around the first: its near side is nearer
    ASSERT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(tester.resultCount(), 1);
    EXPECT_EQ(tester.namesForResult(0)[0], 2u);
    const GLdouble* p = tester.coordinatesForResult(0);
    EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.5, 0.006);
}

TEST_F(GVTesterPickTest, UnprojectionFailureKeepsTheOldPoint) {
    ASSERT_EQ(pickSphere(210.0, 160.0), 1);
    const std::array<GLdouble, 3> before = {tester.coordinatesForResult(0)[0],
                                            tester.coordinatesForResult(0)[1],
                                            tester.coordinatesForResult(0)[2]};

    // The caller leaves a singular model-view behind at the end of the test.
    tester.beginPickingWithRadius(0.5f, 200.0, 150.0);
    glLoadName(1);
    gluSphere(quadric, 1.0, 40, 40);
    glPushMatrix();
    const GLdouble zero[16] = {};
    glLoadMatrixd(zero);
    EXPECT_EQ(tester.endTest(1), 0);
    {
        std::lock_guard guard(*openGL);
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    EXPECT_EQ(tester.resultCount(), 1);
    const GLdouble* p = tester.coordinatesForResult(0);
    EXPECT_EQ((std::array<GLdouble, 3>{p[0], p[1], p[2]}), before);
}
