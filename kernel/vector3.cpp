#include "kernel/vector3.h"

#include <cmath>

namespace strata {

Vector3 vecSet(double x, double y, double z) { return Vector3{x, y, z}; }
Vector3 vecFill(double a) { return Vector3{a, a, a}; }
Vector3 vecZero() { return Vector3{0.0, 0.0, 0.0}; }
double vecComponent(const Vector3& v, int i) { return v[i]; }
Vector3 vecAdd(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 vecSub(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 vecNegate(const Vector3& v) { return {-v.x, -v.y, -v.z}; }
Vector3 vecScale(double k, const Vector3& v) { return {k * v.x, k * v.y, k * v.z}; }

Vector3 vecDivide(const Vector3& v, double k) {
    const double r = 1.0 / k;
    return {v.x * r, v.y * r, v.z * r};
}

Vector3 vecAddInPlace(Vector3& v, const Vector3& d) {
    v = vecAdd(v, d);
    return v;
}

Vector3 vecDivideInPlace(Vector3& v, double k) {
    v = {v.x / k, v.y / k, v.z / k};
    return v;
}

double vecDot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 vecCross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double vecLength(const Vector3& v) {
    const double s = v.x * v.x + v.y * v.y + v.z * v.z;
    return s <= 0.0 ? 0.0 : std::sqrt(s);
}

Vector3 vecNormalize(const Vector3& v, double* lengthOut) {
    const double len = vecLength(v);
    if (lengthOut != nullptr) *lengthOut = len;
    if (len == 0.0) return v;
    return vecScale(1.0 / len, v);
}

}  // namespace strata
