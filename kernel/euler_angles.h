#pragma once
// Euler rotations in degrees. An order such as "xyz" names the axes of a rotation; with row
// vectors the point turns about the axis of the last letter first, so "xyz" is Rz · Ry · Rx.

#include "kernel/matrix4.h"

namespace strata {

// The rotation of three angles in degrees. The order is walked from its last letter to its
// first, lower-cased; the first letter that is not an axis ends the walk.
Matrix4 matEulerRotation(double ax, double ay, double az, const char* order = "xyz");
Matrix4 matEulerRotation(const Vector3& angles, const char* order = "xyz");

// Closed-form angles (x, y, z) of the rotation part of m, for the orders "xyz" (also when the
// order is null), "xzy", "yxz", "zxy" and "zyx". Any other order throws std::invalid_argument.
Vector3 eulerFromMatrix(const Matrix4& m, const char* order = "xyz");

// Compass search that moves the given angles until matEulerRotation of them is within the
// tolerance (squared distance) of the rotation part of m. Keeps the result near the start.
void refineEuler(const Matrix4& m, Vector3& angles, const char* order, double tolerance);

}  // namespace strata
