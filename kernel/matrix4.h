#pragma once
// 4x4 double matrices, row-major, m[row][column]. Points are row vectors on the left
// (p' = p · M): rows 0..2 are the images of the x, y and z axes, row 3 the translation,
// and A · B applies A first. Column 3 stays (0, 0, 0, 1); nothing divides by w.

#include "kernel/vector3.h"

namespace strata {

struct Matrix4 {
    double m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    bool operator==(const Matrix4&) const = default;
};

Matrix4 matIdentity();
Matrix4 matCopy(const Matrix4& m);
Matrix4 matMultiply(const Matrix4& a, const Matrix4& b);
Matrix4 matTranslation(double tx, double ty, double tz);
Matrix4 matTranslation(const Vector3& t);
Matrix4 matScaling(double sx, double sy, double sz);
Matrix4 matScaling(const Vector3& s);
// Rows 0..2 are the axes, row 3 the origin.
Matrix4 matFromAxes(const Vector3& origin, const Vector3& xAxis, const Vector3& yAxis,
                    const Vector3& zAxis);
// Row i for i = 0..2; the zero vector for any other i.
Vector3 matAxis(const Matrix4& m, int i);
Vector3 matTranslationOf(const Matrix4& m);
Vector3 transformPoint(const Vector3& p, const Matrix4& m);
// Gauss-Jordan with partial pivoting. 0 on success; -1 when a pivot is exactly zero, and m is
// then left unchanged. There is no tolerance.
int matInvertInPlace(Matrix4& m);
// The inverse, or the unchanged matrix when it is singular (the failure is not reported).
Matrix4 matInverse(const Matrix4& m);
// Squared distance of the upper-left 3x3 parts.
double matRotationDistance(const Matrix4& a, const Matrix4& b);

}  // namespace strata
