#include "geometry/GVUtilities.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Matrix4 kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

TEST(GVUtilities, VectorsAndMatricesAndTheInverse) {
    Vector3 cross;
    GVCrossVectorsf({2, 3, 4}, {5, 6, 7}, cross);
    EXPECT_EQ(cross, (Vector3{-3, 6, -3}));
    EXPECT_EQ(GVVectorLengthf({3, 4, 12}), 13.0f);
    const double a[3] = {1, 2, 3}, b[3] = {4, 6, 3};
    EXPECT_EQ(GVVectorDistance(a, b), 5.0f);

    // The elevation and azimuth of start seen from end, in degrees: each
    // quadrant and the axes, where the arctangents have no value.
    const struct {
        double start[3];
        float elevation, azimuth;
    } directions[] = {{{0, 0, 1}, 0, 0},       {{0.5, 0, 0}, -90, 90},    {{0, 2, 0}, -90, 180},
                      {{0, -2, 0}, -90, 0},    {{-1, 1, -1}, -125.26439f, 225},
                      {{1, 1, 2}, -35.26439f, 135}};
    const double origin[3] = {0, 0, 0};
    for (const auto& d : directions) {
        float elevation = NAN, azimuth = NAN;
        GVSphericalCoordinates(origin, d.start, elevation, azimuth);
        EXPECT_NEAR(elevation, d.elevation, 1e-4) << d.start[0] << " " << d.start[1];
        EXPECT_NEAR(azimuth, d.azimuth, 1e-4) << d.start[0] << " " << d.start[1];
    }

    // The first factor acts last: translate * scale scales first.
    const Matrix4 translate{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    const Matrix4 scale{2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1};
    Matrix4 out;
    Vector3 image;
    MultiplyMatrices(translate, scale, out);
    ASSERT_EQ(MultiplyMatrixVectorAffine(out, {1, 1, 1}, image), 1);
    EXPECT_EQ(image, (Vector3{3, 5, 7}));
    TransposeMatrix(out);
    EXPECT_EQ(out, (Matrix4{2, 0, 0, 1, 0, 3, 0, 2, 0, 0, 4, 3, 0, 0, 0, 1}));

    Matrix4 atInfinity = kIdentity;
    atInfinity[15] = 0.0f;
    image = {7, 8, 9};
    EXPECT_EQ(MultiplyMatrixVectorAffine(atInfinity, {1, 2, 3}, image), 0);
    EXPECT_EQ(image, (Vector3{7, 8, 9})) << "nothing written when w is 0";

    float inverse[9];
    const float twoEqualColumns[9] = {1, 2, 3, 1, 2, 3, 4, 5, 7};
    EXPECT_EQ(InvertMatrix(twoEqualColumns, inverse), 0);
    const float general[9] = {2, 1, 3, -1, 3, 2, 1, -2, 4}; // no entry 0
    ASSERT_EQ(InvertMatrix(general, inverse), 1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += general[3 * k + r] * inverse[3 * c + k];
            EXPECT_NEAR(sum, r == c ? 1.0f : 0.0f, 1e-6) << r << "," << c;
        }
}

} // namespace
