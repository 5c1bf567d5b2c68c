// A fixture that gives each test a real OpenGL context, rendering offscreen
// through EGL, behind a toolkit lock. It fails loudly when the context is
// missing or is not a compatibility profile, where selection mode and the
// matrix stacks exist, instead of letting tests pass on empty results.
//
// Below it, the matrices that OpenGL's fixed-function calls build, worked out
// in double precision from their textbook definitions, so tests can check
// what the toolkit leaves in a context. Column-major, as OpenGL stores them.
#pragma once

#include "render/EglOffscreenContext.h"
#include "toolkit/GVOpenGLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>
#include <numbers>
#include <string>

class OffscreenGL : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        egl = EglOffscreenContext::create(width_, height_, error);
        ASSERT_NE(egl, nullptr) << error;
        openGL = std::make_shared<GVOpenGLContext>();
        openGL->setOpenGLContext(egl);
        std::lock_guard guard(*openGL);
        const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        ASSERT_NE(version, nullptr) << "no OpenGL context is current";
        ASSERT_NE(std::string(version).find("Compatibility Profile"), std::string::npos)
            << "GL_VERSION is " << version;
    }

    std::array<double, 16> matrix(GLenum which) {
        std::array<double, 16> m{};
        std::lock_guard guard(*openGL);
        glGetDoublev(which, m.data());
        return m;
    }

    std::array<GLint, 4> integers(GLenum which) {
        std::array<GLint, 4> values{};
        std::lock_guard guard(*openGL);
        glGetIntegerv(which, values.data());
        return values;
    }
    GLint integer(GLenum which) { return integers(which)[0]; }

    const int width_ = 400, height_ = 300;
    std::shared_ptr<EglOffscreenContext> egl;
    std::shared_ptr<GVOpenGLContext> openGL;
};

using Mat = std::array<double, 16>;

inline Mat operator*(const Mat& a, const Mat& b) {
    Mat out{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                out[4 * c + r] += a[4 * k + r] * b[4 * c + k];
    return out;
}

inline Mat translationMatrix(double x, double y, double z) {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
}

inline double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// A right-handed rotation about the x or z axis, as glRotatef builds it.
inline Mat rotationX(double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}

inline Mat rotationZ(double degrees) {
    const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

inline Mat perspectiveMatrix(double fovy, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(radians(fovy / 2));
    return {f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (zFar + zNear) / (zNear - zFar), -1,
            0, 0, 2.0 * zFar * zNear / (zNear - zFar), 0};
}

inline Mat orthoMatrix(double l, double r, double b, double t, double n, double f) {
    return {2 / (r - l), 0, 0, 0, 0, 2 / (t - b), 0, 0, 0, 0, -2 / (f - n), 0,
            -(r + l) / (r - l), -(t + b) / (t - b), -(f + n) / (f - n), 1};
}

// Entries equal up to single-precision rounding, relative to the larger size.
inline ::testing::AssertionResult matricesMatch(const Mat& actual, const Mat& expected,
                                                double tolerance = 2e-6) {
    for (int i = 0; i < 16; ++i) {
        const double scale = std::max({1.0, std::abs(actual[i]), std::abs(expected[i])});
        if (!(std::abs(actual[i] - expected[i]) <= tolerance * scale))
            return ::testing::AssertionFailure()
                   << "entry " << i << " is " << actual[i] << ", expected " << expected[i];
    }
    return ::testing::AssertionSuccess();
}
