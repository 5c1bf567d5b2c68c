// Where the camera puts the scene on the screen is checked by the render
// tests, on pictures; here its angles.
#include "OffscreenGL.h"

#include "toolkit/GVCamera.h"

#include <array>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

class GVCameraTest : public OffscreenGL {
protected:
    void SetUp() override {
        OffscreenGL::SetUp();
        if (!HasFatalFailure())
            camera.attachWithOpenGLContext(openGL, GVRect{10, 20, 400, 300});
    }

    // The eye in world coordinates, from the view V = [R | t]: eye = -R^T t.
    std::array<double, 3> eye() {
        std::array<double, 16> v{};
        {
            std::lock_guard guard(*openGL);
            glGetDoublev(GL_MODELVIEW_MATRIX, v.data());
        }
        return {-(v[0] * v[12] + v[1] * v[13] + v[2] * v[14]),
                -(v[4] * v[12] + v[5] * v[13] + v[6] * v[14]),
                -(v[8] * v[12] + v[9] * v[13] + v[10] * v[14])};
    }

    GVCamera camera;
};

} // namespace

TEST_F(GVCameraTest, TheElevationKeepsItsBoundsAndHugeAnglesWrap) {
    // With bounds the elevation is clamped first, then wrapped.
    const std::array<float, 4> bounded[] = {
        {-200, -180, 0, -180}, {30, -180, 0, 0}, {-45, -180, 0, -45}, {200, 0, 180, -180}};
    for (auto [given, min, max, kept] : bounded) {
        camera.setElevation(given, min, max);
        EXPECT_EQ(camera.elevation(), kept) << given << " in " << min << ", " << max;
    }
    // Every setter ends, whatever the number.
    for (float huge : {1e30f, -3e9f, std::numeric_limits<float>::max()}) {
        camera.setElevation(huge);
        camera.setAzimuth(huge);
        EXPECT_TRUE(camera.elevation() >= -180 && camera.elevation() < 180) << huge;
        EXPECT_TRUE(camera.azimuth() >= 0 && camera.azimuth() < 360) << huge;
    }
    camera.setElevation(NAN, -180.0f, 0.0f);
    EXPECT_TRUE(std::isnan(camera.elevation()));
}

TEST_F(GVCameraTest, OrientTurnsUprightWithoutMovingTheEye) {
    // Given elevation, azimuth, twist; the upright elevation and azimuth.
    const std::array<float, 5> cases[] = {
        {30, 200, 45, -30, 20}, {10, 100, 0, -10, 280}, {-30, 200, 45, -30, 200}, {10, 180, 0, -10, 0}};
    for (auto [elevation, azimuth, twist, uprightElevation, uprightAzimuth] : cases) {
        camera.setElevation(elevation);
        camera.setAzimuth(azimuth);
        camera.setTwist(twist);
        const auto before = eye();
        camera.orient();
        EXPECT_EQ(std::tuple(camera.elevation(), camera.azimuth(), camera.twist()),
                  std::tuple(uprightElevation, uprightAzimuth, 0.0f))
            << elevation << ", " << azimuth << ", " << twist;
        const auto after = eye();
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(after[i], before[i], 1e-5) << i;
    }
}
