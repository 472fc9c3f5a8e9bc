#include "scene/Camera.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Archive.h"

namespace vyr {

namespace {

// The largest fraction of the distance one zoom step may cover, so that a fast mouse move
// cannot put the eye on the target (where the view direction is undefined) or past it.
constexpr double kMaxZoomFraction = 0.975;

bool finite3(double x, double y, double z) {
    return std::isfinite(x) && std::isfinite(y) && std::isfinite(z);
}

bool finite3(const Float3& p) {
    return finite3(p.x, p.y, p.z);
}

Float3 toFloat3(double x, double y, double z) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

// Up vector for an elevation with cosine c and sine s over the horizontal direction (hx, hz):
// negated beyond 45 degrees from the horizontal, which keeps it on the side of the true up
// direction while the eye passes over the top.
Float3 upVector(double c, double s, double hx, double hz) {
    if (std::fabs(s) > std::fabs(c))
        return toFloat3(-hx * s, -c, -hz * s);
    return toFloat3(hx * s, c, hz * s);
}

}  // namespace

Camera::Camera() {
    setRotationStep(rotationStep);
}

void Camera::serialize(Archive& ar) {
    ar.io(eye.x);
    ar.io(eye.y);
    ar.io(eye.z);
    ar.io(target.x);
    ar.io(target.y);
    ar.io(target.z);
    ar.io(rotationStep);
    ar.io(rotationStepCos);
    ar.io(rotationStepSin);
    ar.io(elevation);
    ar.io(elevationCos);
    ar.io(elevationSin);
    ar.io(zoom);
    ar.io(up.x);
    ar.io(up.y);
    ar.io(up.z);
    if (!ar.isStoring()) {
        // The heading is not stored; take it from the loaded eye where it is defined. A
        // negative elevation cosine means the eye has passed over the top, and the orbit's
        // direction then points away from the eye.
        const double dx = double(eye.x) - target.x;
        const double dz = double(eye.z) - target.z;
        const double sign = elevationCos < 0.0f ? -1.0 : 1.0;
        rememberHeading(sign * dx, sign * dz);
    }
}

double Camera::distance() const {
    const double dx = double(eye.x) - target.x;
    const double dy = double(eye.y) - target.y;
    const double dz = double(eye.z) - target.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void Camera::setZoom(float z) {
    zoom = z;
}

void Camera::setRotationStep(float degrees) {
    rotationStep = degrees;
    rotationStepCos = static_cast<float>(std::cos(degrees * kDegToRad));
    rotationStepSin = static_cast<float>(std::sin(degrees * kDegToRad));
}

void Camera::setElevation(float degrees, float hx, float hz) {
    elevation = degrees;
    const double c = std::cos(degrees * kDegToRad);
    const double s = std::sin(degrees * kDegToRad);
    elevationCos = static_cast<float>(c);
    elevationSin = static_cast<float>(s);
    up = upVector(c, s, hx, hz);
}

void Camera::setEye(float x, float y, float z) {
    eye = {x, y, z};
    deriveOrbit();
}

void Camera::setTarget(float x, float y, float z) {
    target = {x, y, z};
    deriveOrbit();
}

void Camera::rememberHeading(double hx, double hz) {
    const double length = std::hypot(hx, hz);
    if (length > 0.0 && std::isfinite(length)) {
        headingX_ = hx / length;
        headingZ_ = hz / length;
    }
}

void Camera::deriveOrbit() {
    const double d = distance();
    const double dx = double(eye.x) - target.x;
    const double dy = double(eye.y) - target.y;
    const double dz = double(eye.z) - target.z;
    const double h2 = d * d - dy * dy;
    const double h = h2 > 0.0 ? std::sqrt(h2) : 0.0;
    double hx = headingX_;
    double hz = headingZ_;
    // Straight above or below the target (or on it) there is no horizontal direction to
    // derive; the orbit keeps the one it had.
    if (h > 0.0 && (dx != 0.0 || dz != 0.0)) {
        hx = dx / h;
        hz = dz / h;
        if (finite3(hx, 0.0, hz))
            rememberHeading(hx, hz);
        else
            hx = headingX_, hz = headingZ_;
    }
    const double a = kRadToDegF * std::atan2(dy, h);
    setElevation(static_cast<float>(a), static_cast<float>(hx), static_cast<float>(hz));
}

void Camera::orbitHorizontal(int n) {
    const float kept = rotationStep;
    setRotationStep(static_cast<float>(-n));
    const double c = rotationStepCos;
    const double s = rotationStepSin;
    const double dx = double(eye.x) - target.x;
    const double dz = double(eye.z) - target.z;
    const double x = target.x + dx * c + dz * s;
    const double z = target.z - dx * s + dz * c;
    if (std::isfinite(float(x)) && std::isfinite(float(z))) {
        eye.x = static_cast<float>(x);
        eye.z = static_cast<float>(z);
        rememberHeading(headingX_ * c + headingZ_ * s, -headingX_ * s + headingZ_ * c);
    }
    setRotationStep(kept);
}

void Camera::orbitVertical(int n) {
    const double d = distance();
    const double dc = d * elevationCos;
    // Dividing by the stored cosine (negative once the eye has passed over the top) keeps
    // the horizontal direction continuous across the top.
    double hx = headingX_;
    double hz = headingZ_;
    if (dc != 0.0) {
        hx = (double(eye.x) - target.x) / dc;
        hz = (double(eye.z) - target.z) / dc;
        if (finite3(hx, 0.0, hz))
            rememberHeading(hx, hz);
        else
            hx = headingX_, hz = headingZ_;
    }
    const double e = n + kRadToDegF * std::atan2(double(eye.y) - target.y, dc);
    const double c = std::cos(e * kDegToRadF);
    const double s = std::sin(e * kDegToRadF);
    const Float3 next = toFloat3(target.x + hx * d * c, target.y + d * s, target.z + hz * d * c);
    if (!finite3(next))
        return;
    elevation = static_cast<float>(e);
    elevationCos = static_cast<float>(c);
    elevationSin = static_cast<float>(s);
    eye = next;
    up = upVector(c, s, hx, hz);
}

void Camera::zoomTowardTarget(int n) {
    const double step = n / (20.0 * zoom);
    if (!std::isfinite(step))
        return;
    const double f = std::min(step, kMaxZoomFraction);
    const Float3 next =
        toFloat3(eye.x + (double(target.x) - eye.x) * f, eye.y + (double(target.y) - eye.y) * f,
                 eye.z + (double(target.z) - eye.z) * f);
    // Rounding can still land the eye on the target when it is already very close.
    if (!finite3(next) || next == target)
        return;
    eye = next;
}

void Camera::reset() {
    setEye(0.0f, 0.0f, 4.0f);
    setTarget(0.0f, 0.0f, 0.0f);
    setElevation(0.0f, 1.0f, 0.0f);
}

void Camera::viewFront() {
    const float d = static_cast<float>(distance());
    setEye(0.0f, 0.0f, d);
    setElevation(0.0f, 1.0f, 0.0f);
}

void Camera::viewBack() {
    const float d = static_cast<float>(distance());
    setEye(0.0f, 0.0f, -d);
    setElevation(0.0f, -1.0f, 0.0f);
}

void Camera::viewUp() {
    const float d = static_cast<float>(distance());
    setEye(0.0f, d, 0.0f);
    setElevation(180.0f, 0.0f, 1.0f);
}

void Camera::viewDown() {
    const float d = static_cast<float>(distance());
    setEye(0.0f, -d, 0.0f);
    setElevation(-180.0f, 0.0f, 1.0f);
}

void Camera::viewRight() {
    const float d = static_cast<float>(distance());
    setEye(-d, 0.0f, 0.0f);
    setElevation(0.0f, 1.0f, 0.0f);
}

void Camera::viewLeft() {
    const float d = static_cast<float>(distance());
    setEye(d, 0.0f, 0.0f);
    setElevation(0.0f, 1.0f, 0.0f);
}

}  // namespace vyr
