#pragma once
// Three-component vectors in double precision. Points are row vectors: p' = p · M.

namespace strata {

struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    // Component by index: 0 x, 1 y, any other index z.
    double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    bool operator==(const Vector3&) const = default;
};

Vector3 vecSet(double x, double y, double z);
Vector3 vecFill(double a);
Vector3 vecZero();
double vecComponent(const Vector3& v, int i);
Vector3 vecAdd(const Vector3& a, const Vector3& b);
Vector3 vecSub(const Vector3& a, const Vector3& b);
Vector3 vecNegate(const Vector3& v);
Vector3 vecScale(double k, const Vector3& v);
// v · (1/k): the reciprocal is formed once. k = 0 is the caller's to avoid.
Vector3 vecDivide(const Vector3& v, double k);
Vector3 vecAddInPlace(Vector3& v, const Vector3& d);
// Divides each component by k (a true division per component, unlike vecDivide).
Vector3 vecDivideInPlace(Vector3& v, double k);
double vecDot(const Vector3& a, const Vector3& b);
Vector3 vecCross(const Vector3& a, const Vector3& b);
// 0 when the squared length is not positive, so no square root of a negative is taken.
double vecLength(const Vector3& v);
// Unit vector along v; the zero vector comes back unchanged. Stores the length when asked.
Vector3 vecNormalize(const Vector3& v, double* lengthOut = nullptr);

}  // namespace strata
