#pragma once
// Angle conversions. The system's pi is the decimal constant 3.1415927, not the full-precision
// value: angles written back to the host must match what the original arithmetic produced.

namespace strata {

inline constexpr double kPi = 3.1415927;

inline constexpr double radiansFromDegrees(double degrees) { return degrees * kPi / 180.0; }
inline constexpr double degreesFromRadians(double radians) { return radians * 180.0 / kPi; }

}  // namespace strata
