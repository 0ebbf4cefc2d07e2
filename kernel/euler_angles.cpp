#include "kernel/euler_angles.h"

#include <cctype>
#include <cstring>
#include <cmath>

#include "kernel/degrees.h"

namespace strata {

namespace {

// The elementary rotations, multiplied on the right of m: each mixes two columns of every row.
void turnAboutX(Matrix4& m, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    for (auto& row : m.m) {
        const double y = row[1];
        const double z = row[2];
        row[1] = y * c - z * s;
        row[2] = y * s + z * c;
    }
}

void turnAboutY(Matrix4& m, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    for (auto& row : m.m) {
        const double x = row[0];
        const double z = row[2];
        row[0] = x * c + z * s;
        row[2] = -x * s + z * c;
    }
}

void turnAboutZ(Matrix4& m, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    for (auto& row : m.m) {
        const double x = row[0];
        const double y = row[1];
        row[0] = x * c - y * s;
        row[1] = x * s + y * c;
    }
}

}  // namespace

Matrix4 matEulerRotation(double ax, double ay, double az, const char* order) {
    if (order == nullptr) order = "xyz";
    Matrix4 m;
    for (auto i = static_cast<long>(std::strlen(order)) - 1; i >= 0; --i) {
        switch (std::tolower(static_cast<unsigned char>(order[i]))) {
            case 'x': turnAboutX(m, radiansFromDegrees(ax)); break;
            case 'y': turnAboutY(m, radiansFromDegrees(ay)); break;
            case 'z': turnAboutZ(m, radiansFromDegrees(az)); break;
            default: return m;
        }
    }
    return m;
}

Matrix4 matEulerRotation(const Vector3& angles, const char* order) {
    return matEulerRotation(angles.x, angles.y, angles.z, order);
}

}  // namespace strata
