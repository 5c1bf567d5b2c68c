#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"

#include <cmath>
#include <limits>
#include <tuple>

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

    // Both entries, and the stack still two deep.
    void expectEntries(const Mat& o, const Mat& v) {
        EXPECT_TRUE(matricesMatch(lower(), o));
        EXPECT_TRUE(matricesMatch(top(), v));
        EXPECT_EQ(integer(GL_MODELVIEW_STACK_DEPTH), 2);
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

    // The eye in world coordinates, from V = [R | t]: eye = -R^T t.
    std::array<double, 3> eye() {
        const Mat v = top();
        return {-(v[0] * v[12] + v[1] * v[13] + v[2] * v[14]),
                -(v[4] * v[12] + v[5] * v[13] + v[6] * v[14]),
                -(v[8] * v[12] + v[9] * v[13] + v[10] * v[14])};
    }

    GVCamera camera;
};

} // namespace

TEST_F(GVCameraTest, AttachingAndResizingBuildProjectionViewportAndEntries) {
    EXPECT_EQ(std::tuple(camera.width(), camera.height(), camera.projection(), camera.distance(),
                         camera.angle(), camera.hither(), camera.yon()),
              std::tuple(400.0f, 300.0f, 1, 10.0f, 30.0f, 1.0f, 100.0f));
    EXPECT_EQ(std::tuple(camera.elevation(), camera.azimuth(), camera.twist()),
              std::tuple(0.0f, 0.0f, 0.0f));
    EXPECT_TRUE(matricesMatch(projection(), perspectiveMatrix(30, 400.0 / 300.0, 1, 100)));
    EXPECT_EQ(integers(GL_VIEWPORT), (std::array<GLint, 4>{0, 0, 400, 300}))
        << "the frame's origin plays no part";
    expectEntries(translationMatrix(0, 0, -10), translationMatrix(0, 0, -10));

    camera.setWidth(640.9f, 480.7f);
    EXPECT_TRUE(matricesMatch(projection(), perspectiveMatrix(30, 640.9f / 480.7f, 1, 100)));
    EXPECT_EQ(integers(GL_VIEWPORT), (std::array<GLint, 4>{0, 0, 640, 480}))
        << "sizes are truncated to pixels";

    // In perspective the distance moves the eye only; two switches restore.
    const Mat perspective = projection();
    camera.setDistance(25.0f);
    EXPECT_EQ(projection(), perspective);
    expectEntries(translationMatrix(0, 0, -25), translationMatrix(0, 0, -25));
    camera.switchProjection();
    EXPECT_NE(projection(), perspective);
    camera.switchProjection();
    EXPECT_EQ(camera.projection(), 1);
    EXPECT_EQ(projection(), perspective);
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

TEST_F(GVCameraTest, EntriesHoldOrientationBelowAndViewOnTopAndTheTargetOnlyMovesTheTop) {
    camera.setDistance(12.0f);
    camera.setElevation(-60.0f);
    camera.setAzimuth(30.0f);
    camera.setTwist(10.0f);
    const Mat o = lower();
    const GLfloat target[3] = {1.0f, -2.0f, 0.5f};
    camera.setTarget(target);
    EXPECT_EQ(lower(), o);
    expectEntries(orientation(12, 10, -60, 30), o * translationMatrix(-1, 2, -0.5));
    GLfloat back[3] = {};
    camera.getTarget(back);
    EXPECT_EQ((std::array{back[0], back[1], back[2]}), (std::array{1.0f, -2.0f, 0.5f}));

    // The target stays through later rebuilds.
    camera.setTwist(30.0f);
    EXPECT_TRUE(
        matricesMatch(top(), orientation(12, 30, -60, 30) * translationMatrix(-1, 2, -0.5)));
}

TEST_F(GVCameraTest, TheEyeSitsWhereTheAnglesPutIt) {
    // Elevation -90, azimuth 90: level with the target, on its +x side,
    // looking along -x with z up.
    camera.setElevation(-90.0f);
    camera.setAzimuth(90.0f);
    const auto [x, y, z] = eye();
    EXPECT_NEAR(x, 10.0, 1e-5);
    EXPECT_NEAR(std::hypot(y, z), 0.0, 1e-5);
    const Mat v = top();
    EXPECT_NEAR(v[9], 1.0, 1e-5) << "world +z points up";
    EXPECT_NEAR(v[4], 1.0, 1e-5) << "world +y points right";
}

TEST_F(GVCameraTest, AnglesWrapIntoTheirRanges) {
    // Elevation into [-180, 180), azimuth and twist into [0, 360).
    const std::array<float, 3> cases[] = {
        {180, -180, 180},  {190, -170, 190},  {-180, -180, 180}, {-190, 170, 170},
        {540, -180, 180},  {-900, -180, 180}, {725, 5, 5},       {360, 0, 0},
        {-90, -90, 270},   {0, 0, 0},         {-720, 0, 0},      {179.5f, 179.5f, 179.5f},
        {359.5f, -0.5f, 359.5f},              {-1080.5f, -0.5f, 359.5f},
        // 2^40 is too large for a turn to change it: 2^40 = 3054198966 * 360 + 16.
        {1099511627776.0f, 16, 16}, {-1099511627776.0f, -16, 344}};
    for (auto [given, elevation, turn] : cases) {
        camera.setElevation(given);
        camera.setAzimuth(given);
        camera.setTwist(given);
        EXPECT_EQ(std::tuple(camera.elevation(), camera.azimuth(), camera.twist()),
                  std::tuple(elevation, turn, turn))
            << given;
    }
    camera.setElevation(190.0f);
    camera.setAzimuth(-90.0f);
    camera.setTwist(725.0f);
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 5, -170, 270)));

    // With bounds the elevation is clamped first, then wrapped.
    const std::array<float, 4> bounded[] = {
        {-200, -180, 0, -180}, {30, -180, 0, 0}, {-45, -180, 0, -45}, {200, 0, 180, -180}};
    for (auto [given, min, max, kept] : bounded) {
        camera.setElevation(given, min, max);
        EXPECT_EQ(camera.elevation(), kept) << given << " in " << min << ", " << max;
    }
    EXPECT_TRUE(matricesMatch(lower(), orientation(10, 5, -180, 270)));
}

TEST_F(GVCameraTest, HugeInfiniteAndNanAnglesEnd) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float huge : {1e30f, -1e30f, 3e9f, -3e9f, std::numeric_limits<float>::max()}) {
        camera.setElevation(huge);
        camera.setAzimuth(huge);
        camera.setTwist(huge);
        EXPECT_TRUE(camera.elevation() >= -180 && camera.elevation() < 180) << huge;
        EXPECT_TRUE(camera.azimuth() >= 0 && camera.azimuth() < 360) << huge;
        EXPECT_TRUE(camera.twist() >= 0 && camera.twist() < 360) << huge;
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
    // Given elevation, azimuth, twist; the upright elevation and azimuth.
    const std::array<float, 5> cases[] = {
        {30, 200, 45, -30, 20}, {10, 100, 0, -10, 280}, {-30, 200, 45, -30, 200}};
    for (auto [elevation, azimuth, twist, uprightElevation, uprightAzimuth] : cases) {
        camera.setElevation(elevation);
        camera.setAzimuth(azimuth);
        camera.setTwist(twist);
        const auto before = eye();
        camera.orient();
        EXPECT_EQ(std::tuple(camera.elevation(), camera.azimuth(), camera.twist()),
                  std::tuple(uprightElevation, uprightAzimuth, 0.0f))
            << elevation << ", " << azimuth << ", " << twist;
        EXPECT_TRUE(matricesMatch(lower(), orientation(10, 0, uprightElevation, uprightAzimuth)));
        const auto after = eye();
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(after[i], before[i], 1e-5) << i;
    }
}
