#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"
#include "toolkit/GVTester.h"

#include <GL/glu.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using Names = std::vector<GLuint>;

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

    // A point at the centre with these names on the name stack.
    static void point(std::initializer_list<GLuint> names, double depth) {
        glLoadName(*names.begin());
        std::for_each(names.begin() + 1, names.end(), glPushName);
        glBegin(GL_POINTS);
        glVertex3d(0, 0, -depth);
        glEnd();
        std::for_each(names.begin() + 1, names.end(), [](GLuint) { glPopName(); });
    }

    // Picks at the centre with one named point per depth, names 1, 2, ...
    GLint pickPoints(const std::vector<double>& depths, GLint computeCoordinates = 0) {
        tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        GLuint name = 1;
        for (double depth : depths)
            point({name++}, depth);
        return tester.endTest(computeCoordinates);
    }

    // The result count after picking points at these depths, with coordinates.
    GLint countPicked(const std::vector<double>& depths) {
        EXPECT_EQ(pickPoints(depths, 1), 1);
        return tester.resultCount();
    }

    Names resultNames() {
        Names names;
        for (GLint i = 0; i < tester.resultCount(); ++i) {
            EXPECT_EQ(tester.numberOfNamesForResult(i), 1u);
            names.push_back(tester.namesForResult(i)[0]);
        }
        return names;
    }

    static void expectDepth(GLuint depth, double expected) {
        EXPECT_NEAR(depth, expected / 100.0 * 4294967295.0, 2e-6 * 4294967295.0);
    }

    GVTester tester;
};

} // namespace

TEST_F(GVTesterTest, NothingDrawnOrAnOverflowingHitBufferGivesNoResults) {
    EXPECT_EQ(countPicked({20}), 1);
    EXPECT_EQ(countPicked({}), 0);
    // Geometry outside the pick region makes no hit either.
    tester.beginPickingWithRadius(2.0f, 20.0, 20.0);
    point({1}, 20);
    EXPECT_EQ(tester.endTest(1), 1);
    EXPECT_EQ(tester.resultCount(), 0);

    // Each record of one name takes 4 words.
    ASSERT_EQ(tester.setHitBufferSize(7), 1);
    EXPECT_EQ(countPicked({10}), 1);
    EXPECT_EQ(countPicked({10, 20}), 0);
    ASSERT_EQ(tester.setHitBufferSize(0), 1);
    EXPECT_EQ(countPicked({10}), 0);
}

TEST_F(GVTesterTest, ResultsAreTheNearestFirstWithTiesInDrawingOrder) {
    // The maximum result count, the depths of points 1, 2, ... and the names kept.
    const std::tuple<GLint, std::vector<double>, Names> cases[] = {
        {4, {70, 30, 90, 30, 10}, {5, 2, 4, 1}}, {2, {50, 10, 50}, {2, 1}},
        {3, {30, 20, 20, 10}, {4, 2, 3}},        {1, {40, 20, 20, 60}, {2}},
        {1, {5, 20}, {1}}};
    for (const auto& [maximum, depths, nearest] : cases) {
        SCOPED_TRACE(::testing::Message() << "maximum " << maximum);
        ASSERT_EQ(tester.setNameDepth(1, maximum), 1);
        ASSERT_EQ(pickPoints(depths), 1);
        ASSERT_EQ(resultNames(), nearest);
        const auto drawnAt = [&](GLint i) { return depths[nearest[i] - 1]; };
        for (GLint i = 0; i < tester.resultCount(); ++i) {
            expectDepth(tester.depthForResult(i), drawnAt(i));
            // Points drawn at the same depth get the same depth.
            EXPECT_TRUE(i == 0 || drawnAt(i) != drawnAt(i - 1) ||
                        tester.depthForResult(i) == tester.depthForResult(i - 1));
        }
    }
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
    EXPECT_EQ(countPicked({10}), 0);
    ASSERT_EQ(tester.setHitBufferSize(64), 1);
    EXPECT_EQ(countPicked({10}), 0) << "a maximum of 0 keeps no result";
}

TEST_F(GVTesterTest, ResultsKeepAtMostNameDepthNames) {
    for (GLuint depth : {1u, 2u}) {
        ASSERT_EQ(tester.setNameDepth(GLint(depth), 2), 1);
        tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        point({5, 6, 7}, 50); // deep, three names
        point({9}, 10);       // nearer, one name: the deep result moves down
        ASSERT_EQ(tester.endTest(0), 1);
        ASSERT_EQ(tester.resultCount(), 2);
        EXPECT_EQ(tester.namesForResult(0)[0], 9u);
        expectDepth(tester.depthForResult(1), 50);
        ASSERT_EQ(tester.numberOfNamesForResult(1), depth) << "word 0 counts the names kept";
        for (GLuint k = 0; k < depth; ++k)
            EXPECT_EQ(tester.namesForResult(1)[k], 5 + k);
    }
}

TEST_F(GVTesterTest, TestsHoldTheLockAndRestoreTheMatrices) {
    const Mat projectionBefore = matrix(GL_PROJECTION_MATRIX);
    const Mat modelviewBefore = matrix(GL_MODELVIEW_MATRIX);
    const auto otherThreadGetsLock = [&] {
        bool got = false;
        std::thread([&] {
            if ((got = openGL->tryLock()))
                openGL->unlock();
        }).join();
        return got;
    };
    const GLdouble start[3] = {0, 0, 0}, end[3] = {1, 2, 3};
    for (bool picking : {true, false}) {
        SCOPED_TRACE(picking ? "picking" : "collision");
        if (picking)
            tester.beginPickingWithRadius(2.0f, 200.0, 150.0);
        else
            tester.beginCollisionWithRadius(0.5f, start, end);
        EXPECT_FALSE(otherThreadGetsLock());
        point({1}, 10);
        tester.endTest(1);
        EXPECT_TRUE(otherThreadGetsLock());
        EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projectionBefore);
        EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelviewBefore);
        EXPECT_EQ(integer(GL_PROJECTION_STACK_DEPTH), 1);
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
        EXPECT_EQ(integer(GL_RENDER_MODE), GL_RENDER);
    }
}

TEST_F(GVTesterTest, CollisionPointsLieOnTheSegmentAtTheHitsMeanDepth) {
    const GLdouble start[3] = {1, 1, 1};
    const GLdouble end[3] = {3, -1, 5};
    // The point at t along the segment, offset across it along (1, 1, 0) / sqrt 2,
    // which is square to the segment's direction (2, -2, 4).
    const auto along = [&](double t, double offset = 0.0) {
        const double side = offset / std::sqrt(2.0);
        return std::array<double, 3>{start[0] + (end[0] - start[0]) * t + side,
                                     start[1] + (end[1] - start[1]) * t + side,
                                     start[2] + (end[2] - start[2]) * t};
    };
    using Points = std::initializer_list<std::array<double, 3>>;
    const auto draw = [&](GLenum mode, GLuint name, Points vertices) {
        glLoadName(name);
        glBegin(mode);
        for (const auto& p : vertices)
            glVertex3d(p[0], p[1], p[2]);
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
    draw(GL_LINES, 1, {along(-1.0), along(0.9999)});
    ASSERT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(tester.resultCount(), 1);
    EXPECT_EQ(tester.depthForResult(0), 0u);
    expectAt(0, along(0.49995));

    ASSERT_EQ(tester.setNameDepth(1, 8), 1);
    tester.beginCollisionWithRadius(0.25f, start, end);
    draw(GL_LINES, 1, {along(0.9999), along(0.99999)}); // at the end
    draw(GL_POINTS, 2, {along(0.6, 0.2)});               // inside the box, off the segment
    draw(GL_POINTS, 3, {along(0.5, 1.0)});               // outside the box
    draw(GL_LINES, 4, {along(0.1), along(0.3)});         // within the segment
    draw(GL_LINES, 5, {along(-1.0), along(0.0001)});     // at the start
    ASSERT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(resultNames(), (Names{5, 4, 2, 1}));
    expectAt(0, along(0.00005));
    expectAt(1, along(0.2));
    expectAt(2, along(0.6));
    expectAt(3, along(0.999945));

    // Without coordinates requested the points are left alone.
    tester.beginCollisionWithRadius(0.25f, start, end);
    draw(GL_LINES, 1, {along(0.4), along(0.6)});
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

    // Spheres about the origin named 1, 2, ...; the caller ends the test.
    void beginPickOnSpheres(double x, double y, std::initializer_list<double> radii = {1.0}) {
        tester.beginPickingWithRadius(0.5f, x, y);
        GLuint name = 1;
        for (double radius : radii) {
            glLoadName(name++);
            gluSphere(quadric.get(), radius, 40, 40);
        }
    }

    static double length(const GLdouble* p) { return std::hypot(p[0], p[1], p[2]); }

    GVCamera camera;
    std::unique_ptr<GLUquadric, void (*)(GLUquadric*)> quadric{gluNewQuadric(),
                                                               gluDeleteQuadric};
};

} // namespace

TEST_F(GVTesterPickTest, PickedPointLiesOnTheNearestSurfaceUnderThePickInBothProjections) {
    // The eye is at 10 (-sin e sin a, sin e cos a, cos e); the side of the
    // sphere facing it has p . eye > |p|^2.
    const double e = radians(-60), a = radians(30);
    const double eye[3] = {-10 * std::sin(e) * std::sin(a), 10 * std::sin(e) * std::cos(a),
                           10 * std::cos(e)};
    for (GLint projection : {1, 0}) {
        camera.setProjection(projection);
        for (const auto& [x, y] : {std::pair{240.5, 124.75}, {170.25, 180.5}}) {
            SCOPED_TRACE(testing::Message() << "projection " << projection << " at " << x << ", "
                                            << y);
            beginPickOnSpheres(x, y);
            ASSERT_EQ(tester.endTest(1), 1);
            ASSERT_EQ(tester.resultCount(), 1);
            const GLdouble* p = tester.coordinatesForResult(0);
            // A 40 x 40 sphere's facets lie within 1 - cos(4.5 degrees) of the surface.
            EXPECT_NEAR(length(p), 1.0, 0.004);
            const auto viewport = integers(GL_VIEWPORT);
            GLdouble wx = 0, wy = 0, wz = 0;
            ASSERT_EQ(gluProject(p[0], p[1], p[2], matrix(GL_MODELVIEW_MATRIX).data(),
                                 matrix(GL_PROJECTION_MATRIX).data(), viewport.data(), &wx, &wy,
                                 &wz),
                      GL_TRUE);
            EXPECT_NEAR(wx, x, 1e-3);
            EXPECT_NEAR(wy, y, 1e-3);
            EXPECT_GT(p[0] * eye[0] + p[1] * eye[1] + p[2] * eye[2], 1.0);
        }
    }
    // Nearer geometry drawn later wins.
    beginPickOnSpheres(200.0, 150.0, {1.0, 1.5}); // the second's near side is nearer
    ASSERT_EQ(tester.endTest(1), 1);
    ASSERT_EQ(tester.resultCount(), 1);
    EXPECT_EQ(tester.namesForResult(0)[0], 2u);
    EXPECT_NEAR(length(tester.coordinatesForResult(0)), 1.5, 0.006);
}

TEST_F(GVTesterPickTest, UnprojectionFailureKeepsTheOldPoint) {
    beginPickOnSpheres(210.0, 160.0);
    ASSERT_EQ(tester.endTest(1), 1);
    const GLdouble* p = tester.coordinatesForResult(0);
    const std::array<GLdouble, 3> before = {p[0], p[1], p[2]};

    // The caller leaves a singular model-view behind at the end of the test.
    beginPickOnSpheres(200.0, 150.0);
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
    EXPECT_EQ((std::array<GLdouble, 3>{p[0], p[1], p[2]}), before);
}
