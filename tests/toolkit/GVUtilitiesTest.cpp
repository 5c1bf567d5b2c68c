#include "toolkit/GVUtilities.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Matrix4 identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix4 translation(float x, float y, float z) {
    Matrix4 m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix4 scale(float x, float y, float z) {
    Matrix4 m = identity();
    m[0] = x;
    m[5] = y;
    m[10] = z;
    return m;
}

void spherical(double dx, double dy, double dz, float& elev, float& azim) {
    const double end[3] = {1.0, 2.0, 3.0};
    const double start[3] = {1.0 + dx, 2.0 + dy, 3.0 + dz};
    GVSphericalCoordinates(end, start, elev, azim);
}

} // namespace

TEST(GVUtilities, SphericalCoordinatesOfTheAxes) {
    float elev = 1, azim = 1;
    spherical(0, 0, 0, elev, azim);
    EXPECT_EQ(elev, -90.0f);
    EXPECT_EQ(azim, 0.0f);

    spherical(0, 0, 1, elev, azim);
    EXPECT_EQ(elev, 0.0f);
    EXPECT_TRUE(std::signbit(elev)) << "along +z the elevation is a negative zero";
    EXPECT_EQ(azim, 0.0f);

    spherical(0, 0, -1, elev, azim);
    EXPECT_EQ(elev, -180.0f);

    spherical(1, 0, 0, elev, azim);
    EXPECT_EQ(elev, -90.0f);
    EXPECT_EQ(azim, 90.0f);

    spherical(0, 5, 0, elev, azim);
    EXPECT_EQ(azim, 180.0f);

    spherical(-1, 0, 0, elev, azim);
    EXPECT_EQ(azim, 270.0f);

    spherical(0, -1, 0, elev, azim);
    EXPECT_EQ(azim, 0.0f);
}

TEST(GVUtilities, SphericalCoordinatesOffAxisUseTheProgramsDegreeFactor) {
    float elev = 0, azim = 0;
    // 45 degrees up from the x-y plane, in the +x +y quadrant.
    spherical(1, 1, std::sqrt(2.0), elev, azim);
    const float expectedElev =
        static_cast<float>(static_cast<float>(-std::atan(std::sqrt(2.0) / std::sqrt(2.0f))) *
                           57.29577957855229);
    EXPECT_EQ(elev, expectedElev);
    EXPECT_NEAR(elev, -45.0f, 1e-4);
    EXPECT_NEAR(azim, 135.0f, 1e-4);

    // Below the x-y plane the angle continues past -90.
    spherical(1, 0, -1, elev, azim);
    EXPECT_NEAR(elev, -135.0f, 1e-4);
    spherical(-1, -1, 0, elev, azim);
    EXPECT_NEAR(azim, 315.0f, 1e-4);
}

TEST(GVUtilities, VectorArithmetic) {
    const double a[3] = {1.5, -2.0, 4.0};
    double b[3] = {0.5, 1.0, -1.0};
    double out[3];
    GVSubtractVectors(a, b, out);
    EXPECT_EQ(out[0], 1.0);
    EXPECT_EQ(out[1], -3.0);
    EXPECT_EQ(out[2], 5.0);
    GVSubtractVectors(a, b, b); // may write over an input
    EXPECT_EQ(b[2], 5.0);

    Vector3 cross;
    GVCrossVectorsf({1, 0, 0}, {0, 1, 0}, cross);
    EXPECT_EQ(cross, (Vector3{0, 0, 1}));
    GVCrossVectorsf({0, 1, 0}, {1, 0, 0}, cross);
    EXPECT_EQ(cross, (Vector3{0, 0, -1}));
    GVCrossVectorsf({2, 3, 4}, {5, 6, 7}, cross);
    EXPECT_EQ(cross, (Vector3{-3, 6, -3}));

    EXPECT_EQ(GVVectorLengthf({3, 4, 12}), 13.0f);
    const double p[3] = {1, 2, 3}, q[3] = {4, 6, 3};
    EXPECT_EQ(GVVectorDistance(p, q), 5.0f);
    EXPECT_EQ(GVVectorDistance(q, p), 5.0f);
}

TEST(GVUtilities, TransposeSwapsOffDiagonalPairsOnly) {
    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<float>(i);
    const Matrix4 original = m;
    TransposeMatrix(m);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(m[4 * c + r], original[4 * r + c]);
    TransposeMatrix(m);
    EXPECT_EQ(m, original);
}

TEST(GVUtilities, MultiplyTakesTheFirstArgumentAsTheLeftFactor) {
    Matrix4 b;
    for (int i = 0; i < 16; ++i)
        b[i] = static_cast<float>(i * i) - 3.0f;
    Matrix4 out;
    MultiplyMatrices(identity(), b, out);
    EXPECT_EQ(out, b);
    MultiplyMatrices(b, identity(), out);
    EXPECT_EQ(out, b);

    // translate * scale first scales, then translates.
    MultiplyMatrices(translation(1, 2, 3), scale(2, 3, 4), out);
    Vector3 image;
    ASSERT_EQ(MultiplyMatrixVectorAffine(out, {1, 1, 1}, image), 1);
    EXPECT_EQ(image, (Vector3{3, 5, 7}));

    // The reverse order translates first.
    MultiplyMatrices(scale(2, 3, 4), translation(1, 2, 3), out);
    ASSERT_EQ(MultiplyMatrixVectorAffine(out, {1, 1, 1}, image), 1);
    EXPECT_EQ(image, (Vector3{4, 9, 16}));
}

TEST(GVUtilities, AffineMapDividesByWAndRefusesInfinity) {
    Matrix4 m = identity();
    m[15] = 2.0f; // w = 2 for every point
    Vector3 out{};
    ASSERT_EQ(MultiplyMatrixVectorAffine(m, {2, 4, 6}, out), 1);
    EXPECT_EQ(out, (Vector3{1, 2, 3}));

    m[3] = m[7] = m[11] = m[15] = 0.0f;
    out = {7, 8, 9};
    EXPECT_EQ(MultiplyMatrixVectorAffine(m, {1, 2, 3}, out), 0);
    EXPECT_EQ(out, (Vector3{7, 8, 9})) << "nothing written when w is 0";
}

TEST(GVUtilities, InvertMatrix) {
    const float id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    float out[9];
    ASSERT_EQ(InvertMatrix(id, out), 1);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(out[i], id[i]);

    const float diagonal[9] = {2, 0, 0, 0, 4, 0, 0, 0, 8};
    ASSERT_EQ(InvertMatrix(diagonal, out), 1);
    EXPECT_EQ(out[0], 0.5f);
    EXPECT_EQ(out[4], 0.25f);
    EXPECT_EQ(out[8], 0.125f);
    EXPECT_EQ(out[1], 0.0f);

    const float twoEqualColumns[9] = {1, 2, 3, 1, 2, 3, 4, 5, 7};
    EXPECT_EQ(InvertMatrix(twoEqualColumns, out), 0);

    // A general matrix times its inverse is the identity.
    const float general[9] = {2, 1, 0, -1, 3, 2, 0, 1, 4};
    ASSERT_EQ(InvertMatrix(general, out), 1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += general[3 * k + r] * out[3 * c + k];
            EXPECT_NEAR(sum, r == c ? 1.0f : 0.0f, 1e-6) << r << "," << c;
        }
}
