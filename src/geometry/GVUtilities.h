// Vector and matrix helpers shared by the strain model and the scene toolkit.
//
// Every step keeps the precision noted beside it (single or double), so that
// results match to the last bit wherever the same arithmetic is done again.
// No function allocates, keeps a pointer or checks its input.
#pragma once

#include <array>

// Three single-precision components x, y, z.
using Vector3 = std::array<float, 3>;

// A 4x4 matrix in column-major order, as OpenGL takes it: element
// (row r, column c), counted from 0, is at index 4c + r.
using Matrix4 = std::array<float, 16>;

// The index of element (row, column), counted from 0, in a Matrix4: the one
// place that knows the order.
constexpr int MatrixIndex(int row, int column) { return 4 * column + row; }
constexpr int MatrixRow(int index) { return index % 4; }
constexpr int MatrixColumn(int index) { return index / 4; }

// out = a - b, element by element in double precision; out may alias a or b.
void GVSubtractVectors(const double a[3], const double b[3], double out[3]);

// out = a x b in single precision; out must not alias a or b.
void GVCrossVectorsf(const Vector3& a, const Vector3& b, Vector3& out);

float GVVectorLengthf(const Vector3& vector);

float GVVectorDistance(const double a[3], const double b[3]);

// The direction startPoint - endPoint as two angles in degrees, ready for
// glRotatef: elev about the x axis (0 along +z, -90 in the x-y plane, -180
// along -z) and azim from the -y axis towards +x, in [0, 360).
void GVSphericalCoordinates(const double endPoint[3], const double startPoint[3], float& elev,
                            float& azim);

void TransposeMatrix(Matrix4& m);

// out = a * b (a is the left factor); out must not alias a or b.
void MultiplyMatrices(const Matrix4& a, const Matrix4& b, Matrix4& out);

// Maps the point (v, 1) through m with the perspective division. Returns 0 and
// leaves out untouched when the point maps to infinity (w == 0), else 1.
// out must not alias v.
int MultiplyMatrixVectorAffine(const Matrix4& m, const Vector3& v, Vector3& out);

// Inverts a 3x3 matrix of 9 floats by cofactors. Returns 0 when the
// determinant is exactly 0; out is then partly written and must not be used.
// out must not alias in.
int InvertMatrix(const float in[9], float out[9]);
