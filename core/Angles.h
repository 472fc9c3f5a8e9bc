#pragma once

namespace vyr {

// Angle conversions. Each keeps the approximation of pi that the values it feeds were first
// made with: scene files store cosines and sines computed with these factors, and the
// exports' bytes and the pictures depend on them, so exact conversions would change stored
// and written values.

/// Degrees to radians with pi taken as 3.1415926: the camera's and the lights' steps, with
/// their stored cosines and sines (it gives the "Up" and "Down" views their orientation).
inline constexpr double kDegToRad = 0.017453292222222222;
/// pi / 180 and 180 / pi rounded to single precision: the orbit and elevation steps.
inline constexpr double kDegToRadF = static_cast<double>(0.017453292f);
inline constexpr double kRadToDegF = static_cast<double>(57.295784f);
/// pi taken as 3.14: the spot light's cone in the viewport and in VRML, and the filters'
/// waves and circles.
inline constexpr double kRoughPi = 3.14;
/// 3.14 / 180, in double and single precision.
inline constexpr double kRoughDegToRad = 0.017444444444444446;
inline constexpr float kRoughDegToRadF = 0.0174444448f;
/// 180 / 3.14 to nine digits.
inline constexpr double kRoughRadToDeg = 57.3248405;

static_assert(static_cast<float>(0.0174532924) == 0.017453292f);

}  // namespace vyr
