#include "geometry/GVUtilities.h"

#include <cmath>
#include <utility>

namespace {
// The double nearest 180 / 3.14159265: the program's radians-to-degrees factor.
constexpr double kDegreesPerRadian = 57.29577957855229;
} // namespace

void GVSubtractVectors(const double a[3], const double b[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = a[i] - b[i];
}

void GVCrossVectorsf(const Vector3& a, const Vector3& b, Vector3& out) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

float GVVectorLengthf(const Vector3& vector) {
    const float sum = vector[0] * vector[0] + vector[1] * vector[1] + vector[2] * vector[2];
    return static_cast<float>(std::sqrt(static_cast<double>(sum)));
}

float GVVectorDistance(const double a[3], const double b[3]) {
    double sum = 0.0;
    for (int i = 0; i < 3; ++i) {
        const double d = b[i] - a[i];
        sum += d * d;
    }
    return static_cast<float>(std::sqrt(sum));
}

void GVSphericalCoordinates(const double endPoint[3], const double startPoint[3], float& elev,
                            float& azim) {
    const float dx = static_cast<float>(startPoint[0] - endPoint[0]);
    const float dy = static_cast<float>(startPoint[1] - endPoint[1]);
    const float dz = static_cast<float>(startPoint[2] - endPoint[2]);

    if (dz == 0.0f) {
        elev = -90.0f;
    } else {
        const float planar = dx * dx + dy * dy;
        elev = static_cast<float>(-std::atan(std::sqrt(static_cast<double>(planar)) / dz));
        elev = static_cast<float>(elev * kDegreesPerRadian);
        if (dz < 0.0f)
            elev = static_cast<float>(elev - 180.0);
    }

    if (dx == 0.0f) {
        azim = dy > 0.0f ? 180.0f : 0.0f;
    } else {
        const float slope = dy / dx;
        azim = static_cast<float>(std::atan(static_cast<double>(slope)));
        azim = static_cast<float>(azim * kDegreesPerRadian);
        if (dx < 0.0f)
            azim = static_cast<float>(azim + 180.0);
        azim = static_cast<float>(azim + 90.0);
    }
}

void TransposeMatrix(Matrix4& m) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < i; ++j)
            std::swap(m[4 * i + j], m[4 * j + i]);
}

void MultiplyMatrices(const Matrix4& a, const Matrix4& b, Matrix4& out) {
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            out[4 * c + r] = 0.0f;
            for (int k = 0; k < 4; ++k)
                out[4 * c + r] += a[4 * k + r] * b[4 * c + k];
        }
    }
}

int MultiplyMatrixVectorAffine(const Matrix4& m, const Vector3& v, Vector3& out) {
    const float w = m[3] * v[0] + m[7] * v[1] + m[11] * v[2] + m[15];
    if (w == 0.0f)
        return 0;
    const float s = static_cast<float>(1.0 / w);
    for (int i = 0; i < 3; ++i)
        out[i] = s * (m[i] * v[0] + m[4 + i] * v[1] + m[8 + i] * v[2] + m[12 + i]);
    return 1;
}

int InvertMatrix(const float in[9], float out[9]) {
    out[0] = in[4] * in[8] - in[7] * in[5];
    out[1] = in[7] * in[2] - in[1] * in[8];
    out[2] = in[1] * in[5] - in[4] * in[2];

    const float det = in[0] * out[0] + in[3] * out[1] + in[6] * out[2];
    if (det == 0.0f)
        return 0;

    out[3] = in[6] * in[5] - in[3] * in[8];
    out[4] = in[0] * in[8] - in[6] * in[2];
    out[5] = in[3] * in[2] - in[0] * in[5];
    out[6] = in[3] * in[7] - in[6] * in[4];
    out[7] = in[6] * in[1] - in[0] * in[7];
    out[8] = in[0] * in[4] - in[3] * in[1];

    const float f = static_cast<float>(1.0 / det);
    for (int i = 8; i >= 0; --i)
        out[i] *= f;
    return 1;
}
