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
