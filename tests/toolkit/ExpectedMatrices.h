// The matrices that OpenGL's fixed-function calls build, worked out here in
// double precision from their textbook definitions, so tests can check what
// the toolkit leaves in a context. Column-major, as OpenGL stores them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

using Mat = std::array<double, 16>;

inline Mat identityMatrix() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

inline Mat operator*(const Mat& a, const Mat& b) {
    Mat out{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                out[4 * c + r] += a[4 * k + r] * b[4 * c + k];
    return out;
}

inline Mat translationMatrix(double x, double y, double z) {
    Mat m = identityMatrix();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

// A right-handed rotation about the x or z axis, as glRotatef builds it.
inline Mat rotationX(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    Mat m = identityMatrix();
    m[5] = std::cos(a);
    m[6] = std::sin(a);
    m[9] = -std::sin(a);
    m[10] = std::cos(a);
    return m;
}

inline Mat rotationZ(double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    Mat m = identityMatrix();
    m[0] = std::cos(a);
    m[1] = std::sin(a);
    m[4] = -std::sin(a);
    m[5] = std::cos(a);
    return m;
}

inline Mat perspectiveMatrix(double fovy, double aspect, double zNear, double zFar) {
    const double f = 1.0 / std::tan(fovy * std::numbers::pi / 360.0);
    Mat m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0;
    m[14] = 2.0 * zFar * zNear / (zNear - zFar);
    return m;
}

inline Mat orthoMatrix(double l, double r, double b, double t, double n, double f) {
    Mat m = identityMatrix();
    m[0] = 2.0 / (r - l);
    m[5] = 2.0 / (t - b);
    m[10] = -2.0 / (f - n);
    m[12] = -(r + l) / (r - l);
    m[13] = -(t + b) / (t - b);
    m[14] = -(f + n) / (f - n);
    return m;
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
