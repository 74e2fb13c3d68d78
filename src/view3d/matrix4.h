#pragma once

#include <array>

// 4x4 matrices of the 3D view: sixteen doubles in the column-major order OpenGL uses (element
// c * 4 + r is column c, row r; the translation in elements 12, 13 and 14).
using Matrix4 = std::array<double, 16>;

// out = b * a: each column i of out is b applied to column i of a. out may not alias a or b.
void multiplyMatrices(const double a[16], const double b[16], double out[16]);
// The inverse by cofactors; false, leaving out untouched, when m is singular (or holds NaN).
bool invertMatrix(const double m[16], double out[16]);
// out = m * v for a four-component column vector.
void transformVector(const double m[16], const double v[4], double out[4]);
// The same sixteen values as floats, for shader uniforms.
void toFloatMatrix(const double m[16], float f[16]);
