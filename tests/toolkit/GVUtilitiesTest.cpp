#include "toolkit/GVUtilities.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Matrix4 kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix4 translation(float x, float y, float z) {
    Matrix4 m = kIdentity;
    m[12] = x, m[13] = y, m[14] = z;
    return m;
}

Matrix4 scale(float x, float y, float z) {
    Matrix4 m = kIdentity;
    m[0] = x, m[5] = y, m[10] = z;
    return m;
}

} // namespace

// The direction start - end as elevation (0 along +z, -90 in the x-y plane,
// -180 along -z) and azimuth (from -y towards +x).
TEST(GVUtilities, SphericalCoordinates) {
    struct Case {
        double dx, dy, dz;
        float elev, azim;
    };
    const double root2 = std::sqrt(2.0);
    for (const Case c : {Case{0, 0, 0, -90, 0}, {0, 0, 1, 0, 0}, {0, 0, -1, -180, 0},
                         {1, 0, 0, -90, 90}, {0, 5, 0, -90, 180}, {-1, 0, 0, -90, 270},
                         {0, -1, 0, -90, 0}, {1, 1, root2, -45, 135}, {1, 0, -1, -135, 90},
                         {-1, -1, 0, -90, 315}}) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy << ", " << c.dz);
        const double end[3] = {1.0, 2.0, 3.0};
        const double start[3] = {1.0 + c.dx, 2.0 + c.dy, 3.0 + c.dz};
        float elev = 1, azim = 1;
        GVSphericalCoordinates(end, start, elev, azim);
        EXPECT_NEAR(elev, c.elev, 1e-4);
        EXPECT_NEAR(azim, c.azim, 1e-4);
        if (c.dz == 1) { // straight up: minus a zero arc tangent
            EXPECT_TRUE(std::signbit(elev));
        }
    }
    // Off the axes the angle is rounded to single precision, then scaled by
    // the program's factor (the double nearest 180 / 3.14159265).
    const double end[3] = {0, 0, 0}, start[3] = {1, 1, root2};
    float elev, azim;
    GVSphericalCoordinates(end, start, elev, azim);
    EXPECT_EQ(elev, static_cast<float>(
                        static_cast<float>(-std::atan(root2 / std::sqrt(2.0f))) * 57.29577957855229));
}

TEST(GVUtilities, VectorArithmetic) {
    const double a[3] = {1.5, -2.0, 4.0};
    double b[3] = {0.5, 1.0, -1.0};
    GVSubtractVectors(a, b, b); // may write over an input
    EXPECT_TRUE(b[0] == 1.0 && b[1] == -3.0 && b[2] == 5.0);

    Vector3 cross;
    GVCrossVectorsf({1, 0, 0}, {0, 1, 0}, cross);
    EXPECT_EQ(cross, (Vector3{0, 0, 1}));
    GVCrossVectorsf({2, 3, 4}, {5, 6, 7}, cross);
    EXPECT_EQ(cross, (Vector3{-3, 6, -3}));

    EXPECT_EQ(GVVectorLengthf({3, 4, 12}), 13.0f);
    const double p[3] = {1, 2, 3}, q[3] = {4, 6, 3};
    EXPECT_EQ(GVVectorDistance(p, q), 5.0f);
}

TEST(GVUtilities, TransposeAndMultiply) {
    Matrix4 m;
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<float>(i * i) - 3.0f;
    Matrix4 t = m;
    TransposeMatrix(t);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(t[4 * c + r], m[4 * r + c]);
    TransposeMatrix(t);
    EXPECT_EQ(t, m);

    Matrix4 out;
    MultiplyMatrices(kIdentity, m, out);
    EXPECT_EQ(out, m);
    MultiplyMatrices(m, kIdentity, out);
    EXPECT_EQ(out, m);
    // The first factor is on the left: translate * scale scales first.
    Vector3 image;
    MultiplyMatrices(translation(1, 2, 3), scale(2, 3, 4), out);
    ASSERT_EQ(MultiplyMatrixVectorAffine(out, {1, 1, 1}, image), 1);
    EXPECT_EQ(image, (Vector3{3, 5, 7}));
    MultiplyMatrices(scale(2, 3, 4), translation(1, 2, 3), out);
    ASSERT_EQ(MultiplyMatrixVectorAffine(out, {1, 1, 1}, image), 1);
    EXPECT_EQ(image, (Vector3{4, 9, 16}));
}

TEST(GVUtilities, AffineMapDividesByWAndRefusesInfinity) {
    Matrix4 m = kIdentity;
    m[15] = 2.0f;
    Vector3 out{};
    ASSERT_EQ(MultiplyMatrixVectorAffine(m, {2, 4, 6}, out), 1);
    EXPECT_EQ(out, (Vector3{1, 2, 3}));
    m[3] = m[7] = m[11] = m[15] = 0.0f;
    out = {7, 8, 9};
    EXPECT_EQ(MultiplyMatrixVectorAffine(m, {1, 2, 3}, out), 0);
    EXPECT_EQ(out, (Vector3{7, 8, 9})) << "nothing written when w is 0";
}

TEST(GVUtilities, InvertMatrix) {
    float out[9];
    const float diagonal[9] = {2, 0, 0, 0, 4, 0, 0, 0, 8};
    ASSERT_EQ(InvertMatrix(diagonal, out), 1);
    EXPECT_TRUE(out[0] == 0.5f && out[4] == 0.25f && out[8] == 0.125f && out[1] == 0.0f);
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
