#include "ExpectedMatrices.h"
#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"

#include <cmath>
#include <limits>

namespace {

class GVCameraTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 1);
        camera.attachWithOpenGLContext(openGL, GVRect{10, 20, 400, 300});
    }

    Mat projection() { return matrix(GL_PROJECTION_MATRIX); }
    Mat top() { return matrix(GL_MODELVIEW_MATRIX); }

    // The camera's lower model-view entry, read without disturbing the stack.
    Mat lower() {
        std::lock_guard guard(*openGL);
        Mat topEntry{}, lowerEntry{};
        glMatrixMode(GL_MODELVIEW);
        glGetDoublev(GL_MODELVIEW_MATRIX, topEntry.data());
        glPopMatrix();
        glGetDoublev(GL_MODELVIEW_MATRIX, lowerEntry.data());
        glPushMatrix();
        glLoadMatrixd(topEntry.data());
        return lowerEntry;
    }

    // O = T(0, 0, -distance) Rz(-twist) Rx(elevation) Rz(-azimuth).
    static Mat orientation(double distance, double twist, double elevation, double azimuth) {
        return translationMatrix(0, 0, -distance) * rotationZ(-twist) * rotationX(elevation) *
               rotationZ(-azimuth);
    }

    // The orthographic half-extents (horizontal, vertical) of the projection.
    std::array<double, 2> orthographicExtents() {
        const Mat p = projection();
        EXPECT_EQ(p[11], 0.0) << "not an orthographic projection";
        return {1.0 / p[0], 1.0 / p[5]};
    }

    GVCamera camera;
};

} // namespace

TEST_F(GVCameraTest, AttachingAndResizingBuildProjectionViewportAndEntries) {
    EXPECT_EQ(camera.width(), 400.0f);
    EXPECT_EQ(camera.height(), 300.0f);
    EXPECT_EQ(camera.projection(), 1);
    EXPECT_EQ(camera.distance(), 10.0f);
    EXPECT_EQ(camera.angle(), 30.0f);
    EXPECT_EQ(camera.hither(), 1.0f);
    EXPECT_EQ(camera.yon(), 100.0f);
    EXPECT_EQ(camera.elevation(), 0.0f);
    EXPECT_EQ(camera.azimuth(), 0.0f);
    EXPECT_EQ(camera.twist(), 0.0f);

    EXPECT_TRUE(matricesMatch(projection(), perspectiveMatrix(30, 400.0 / 300.0, 1, 100)));
    GLint viewport[4];
    {
        std::lock_guard guard(*openGL);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
    EXPECT_EQ((std::array<GLint, 4>{viewport[0], viewport[1], viewport[2], viewport[3]}),
              (std::array<GLint, 4>{0, 0, 400, 300}))
        << "the frame's origin plays no part";

    camera.setWidth(640.9f, 480.7f);
    EXPECT_TRUE(matricesMatch(projection(), perspectiveMatrix(30, 640.9f / 480.7f, 1, 100)));
    {
        std::lock_guard guard(*openGL);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
    EXPECT_EQ(viewport[2], 640) << "sizes are truncated to pixels";
    EXPECT_EQ(viewport[3], 480);

    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 2);
    EXPECT_TRUE(matricesMatch(lower(), translationMatrix(0, 0, -10)));
    EXPECT_TRUE(matricesMatch(top(), translationMatrix(0, 0, -10)));
}

TEST_F(GVCameraTest, OrthographicProjectionFramesTheTargetPlaneLikeThePerspective) {
    camera.switchProjection();
    EXPECT_EQ(camera.projection(), 0);
    auto extents = orthographicExtents();
    EXPECT_NEAR(extents[1], 2.679492, 1e-6);
    EXPECT_NEAR(extents[0], 3.572656, 1e-6);
    EXPECT_TRUE(matricesMatch(projection(),
                              orthoMatrix(-3.572656, 3.572656, -2.679492, 2.679492, 1, 100)));

    // In the orthographic projection the distance zooms.
    camera.setDistance(20.0f);
    extents = orthographicExtents();
    EXPECT_NEAR(extents[1], 2 * 2.679492, 2e-6);
    EXPECT_NEAR(extents[0], 2 * 3.572656, 2e-6);

    camera.setHither(2.0f);
    camera.setYon(50.0f);
    EXPECT_TRUE(matricesMatch(projection(), orthoMatrix(-2 * 3.572656, 2 * 3.572656,
                                                        -2 * 2.679492, 2 * 2.679492, 2, 50)));
}

TEST_F(GVCameraTest, SetDistanceInPerspectiveMovesTheEyeOnly) {
    const Mat before = projection();
    camera.setDistance(25.0f);
    EXPECT_EQ(projection(), before);
    EXPECT_TRUE(matricesMatch(lower(), translationMatrix(0, 0, -25)));
    EXPECT_TRUE(matricesMatch(top(), translationMatrix(0, 0, -25)));
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 2);
}

TEST_F(GVCameraTest, SwitchProjectionTwiceRestoresTheProjection) {
    const Mat perspective = projection();
    camera.switchProjection();
    EXPECT_NE(projection(), perspective);
    camera.switchProjection();
    EXPECT_EQ(camera.projection(), 1);
    EXPECT_EQ(projection(), perspective);
}

TEST_F(GVCameraTest, AngleIsClampedAndTheExtentsFollowTheStoredValue) {
    camera.setProjection(0);
    camera.setAngle(60.0f);
    EXPECT_NEAR(orthographicExtents()[1], 10 * std::tan(std::numbers::pi / 6), 1e-5);

    camera.setAngle(200.0f);
    EXPECT_EQ(camera.angle(), 180.0f);
    // tan 90 degrees with pi taken as 3.14159265: huge but positive.
    const double vertical = 10.0 * static_cast<float>(std::tan(180.0 * 3.14159265 / 360.0));
    EXPECT_NEAR(orthographicExtents()[1] / vertical, 1.0, 1e-6);

    camera.setAngle(-1.0f);
    EXPECT_EQ(camera.angle(), 0.0f);
}

TEST_F(GVCameraTest, EntriesHoldOrientationBelowAndViewOnTop) {
    camera.setDistance(12.0f);
    camera.setElevation(-60.0f);
    camera.setAzimuth(30.0f);
    camera.setTwist(10.0f);
    const GLfloat target[3] = {1.0f, -2.0f, 0.5f};
    camera.setTarget(target);

    const Mat o = orientation(12, 10, -60, 30);
    EXPECT_TRUE(matricesMatch(lower(), o));
    EXPECT_TRUE(matricesMatch(top(), o * translationMatrix(-1, 2, -0.5)));
    EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 2);

    GLfloat back[3] = {};
    camera.getTarget(back);
    EXPECT_EQ((std::array<GLfloat, 3>{back[0], back[1], back[2]}),
              (std::array<GLfloat, 3>{1.0f, -2.0f, 0.5f}));
}

TEST_F(GVCameraTest, TheEyeSitsWhereTheAnglesPutIt) {
    // Elevation -90, azimuth 90: level with the target, on its +x side,
    // looking along -x with z up.
    camera.setElevation(-90.0f);
    camera.setAzimuth(90.0f);
    const Mat v = top();
    const auto apply = [&](double x, double y, double z) {
        return std::array<double, 3>{v[0] * x + v[4] * y + v[8] * z + v[12],
                                     v[1] * x + v[5] * y + v[9] * z + v[13],
                                     v[2] * x + v[6] * y + v[10] * z + v[14]};
    };
    const auto eye = apply(10, 0, 0);
    const auto up = apply(0, 0, 1);
    const auto right = apply(0, 1, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(eye[i], 0.0, 1e-5) << i;
    EXPECT_NEAR(up[1], 1.0, 1e-5) << "world +z points up";
    EXPECT_NEAR(right[0], 1.0, 1e-5) << "world +y points right";
}

TEST_F(GVCameraTest, SetTargetChangesOnlyTheTopEntry) {
    camera.setElevation(-45.0f);
    camera.setAzimuth(120.0f);
    const Mat o = lower();
    const GLfloat target[3] = {3.0f, 4.0f, 5.0f};
    camera.setTarget(target);
    EXPECT_EQ(lower(), o);
    EXPECT_TRUE(matricesMatch(top(), o * translationMatrix(-3, -4, -5)));

    // The target stays through later rebuilds.
    camera.setTwist(30.0f);
    EXPECT_TRUE(matricesMatch(top(), orientation(10, 30, -45, 120) *
                                         translationMatrix(-3, -4, -5)));
}

TEST_F(GVCameraTest, ElevationWrapsIntoHalfOpenRange) {
    const std::pair<float, float> cases[] = {{180, -180}, {190, -170}, {-180, -180},
                                             {-190, 170}, {540, -180}, {179.5f, 179.5f},
                                             {-900, 180 - 360}, {725, 5}};
    for (auto [given, kept] : cases) {
        camera.setElevation(given);
        EXPECT_EQ(camera.elevation(), kept) << "setElevation(" << given << ")";
    }
    camera.setElevation(190.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 0, -170, 0)));
}

TEST_F(GVCameraTest, AzimuthAndTwistWrapIntoOneTurn) {
    const std::pair<float, float> cases[] = {{360, 0}, {-90, 270}, {725, 5}, {0, 0},
                                             {359.5f, 359.5f}, {-720, 0}, {-1080.5f, 359.5f}};
    for (auto [given, kept] : cases) {
        camera.setAzimuth(given);
        EXPECT_EQ(camera.azimuth(), kept) << "setAzimuth(" << given << ")";
        camera.setTwist(given);
        EXPECT_EQ(camera.twist(), kept) << "setTwist(" << given << ")";
    }
    camera.setAzimuth(-90.0f);
    camera.setTwist(725.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 5, 0, 270)));
}

TEST_F(GVCameraTest, ElevationWithBoundsClampsBeforeWrapping) {
    camera.setElevation(-200.0f, -180.0f, 0.0f);
    EXPECT_EQ(camera.elevation(), -180.0f);
    camera.setElevation(30.0f, -180.0f, 0.0f);
    EXPECT_EQ(camera.elevation(), 0.0f);
    camera.setElevation(-45.0f, -180.0f, 0.0f);
    EXPECT_EQ(camera.elevation(), -45.0f);
    // A bound of 180 is clamped to first, then wrapped.
    camera.setElevation(200.0f, 0.0f, 180.0f);
    EXPECT_EQ(camera.elevation(), -180.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 0, -180, 0)));
}

TEST_F(GVCameraTest, HugeInfiniteAndNanAnglesEnd) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();

    // 2^40 is too large for a turn to change it: 2^40 = 3054198966 * 360 + 16.
    camera.setAzimuth(1099511627776.0f);
    EXPECT_EQ(camera.azimuth(), 16.0f);
    camera.setElevation(-1099511627776.0f);
    EXPECT_EQ(camera.elevation(), -16.0f);

    for (float huge : {1e30f, -1e30f, 3e9f, -3e9f, std::numeric_limits<float>::max()}) {
        camera.setElevation(huge);
        EXPECT_GE(camera.elevation(), -180.0f) << huge;
        EXPECT_LT(camera.elevation(), 180.0f) << huge;
        camera.setAzimuth(huge);
        EXPECT_GE(camera.azimuth(), 0.0f) << huge;
        EXPECT_LT(camera.azimuth(), 360.0f) << huge;
        camera.setTwist(huge);
        EXPECT_GE(camera.twist(), 0.0f) << huge;
        EXPECT_LT(camera.twist(), 360.0f) << huge;
    }

    camera.setElevation(inf);
    EXPECT_EQ(camera.elevation(), inf);
    camera.setAzimuth(-inf);
    EXPECT_EQ(camera.azimuth(), -inf);
    camera.setTwist(nan);
    EXPECT_TRUE(std::isnan(camera.twist()));
    camera.setElevation(nan, -180.0f, 0.0f);
    EXPECT_TRUE(std::isnan(camera.elevation()));
}

TEST_F(GVCameraTest, OrientTurnsUprightWithoutMovingTheEye) {
    // The eye in world coordinates, from V = [R | t]: eye = -R^T t.
    const auto eye = [&] {
        const Mat v = top();
        return std::array<double, 3>{
            -(v[0] * v[12] + v[1] * v[13] + v[2] * v[14]),
            -(v[4] * v[12] + v[5] * v[13] + v[6] * v[14]),
            -(v[8] * v[12] + v[9] * v[13] + v[10] * v[14])};
    };

    camera.setElevation(30.0f);
    camera.setAzimuth(200.0f);
    camera.setTwist(45.0f);
    const auto before = eye();
    camera.orient();
    EXPECT_EQ(camera.elevation(), -30.0f);
    EXPECT_EQ(camera.azimuth(), 20.0f);
    EXPECT_EQ(camera.twist(), 0.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 0, -30, 20)));
    const auto after = eye();
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(after[i], before[i], 1e-5) << i;

    camera.setElevation(10.0f);
    camera.setAzimuth(100.0f);
    camera.orient();
    EXPECT_EQ(camera.elevation(), -10.0f);
    EXPECT_EQ(camera.azimuth(), 280.0f);

    camera.setElevation(-30.0f);
    camera.setAzimuth(200.0f);
    camera.setTwist(45.0f);
    camera.orient();
    EXPECT_EQ(camera.elevation(), -30.0f);
    EXPECT_EQ(camera.azimuth(), 200.0f);
    EXPECT_EQ(camera.twist(), 0.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 0, -30, 200)));
}
