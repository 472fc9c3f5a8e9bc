#include "scene/Light.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Archive.h"

namespace vyr {

namespace {

bool finite4(const Float4& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z) && std::isfinite(p.w);
}

void serializePoint(Archive& ar, Float4& p) {
    ar.io(p.x);
    ar.io(p.y);
    ar.io(p.z);
    ar.io(p.w);
}

}  // namespace

Light::Light(int n) : number(n) {
    setDefaults();
}

void Light::setDefaults() {
    // Lights 2 and 3 start with a stored azimuth cosine and sine that do not belong to the
    // 5-degree step; the first turn replaces them. They are kept because scene files saved
    // before any turn hold exactly these values.
    const float third = static_cast<float>(1.0 / std::sqrt(10.0));
    const float threeThirds = static_cast<float>(3.0 / std::sqrt(10.0));
    switch (number) {
        case 2:
            referencePoint = {3.0f, 0.0f, 1.0f, 1.0f};
            azimuthStep = 5.0f;
            azimuthStepCos = third;
            azimuthStepSin = threeThirds;
            colour = 0x003EC6FA;
            break;
        case 3:
            referencePoint = {-3.0f, 0.0f, 1.0f, 1.0f};
            azimuthStep = 5.0f;
            azimuthStepCos = third;
            azimuthStepSin = -threeThirds;
            colour = 0x00F27422;
            break;
        default:
            // Light 1; a light with any other number takes its place and a white colour.
            referencePoint = {0.0f, -2.0f, 2.0f, 1.0f};
            setAzimuthStep(5.0f);
            colour = number == 1 ? 0x00050181u : 0x00FFFFFFu;
            break;
    }
    position = referencePoint;
    targetPoint = {0.0f, 0.0f, 0.0f, 1.0f};
    beamEnd = {0.0f, 0.0f, 0.0f, 1.0f};
    elevation = 0.0f;
    elevationCos = 1.0f;
    elevationSin = 0.0f;
    enabled = 1;
    cutOff = 25.0f;
}

void Light::serialize(Archive& ar) {
    ar.io(number);
    ar.io(enabled);
    ar.io(cutOff);
    serializePoint(ar, referencePoint);
    serializePoint(ar, targetPoint);
    ar.io(azimuthStep);
    ar.io(azimuthStepCos);
    ar.io(azimuthStepSin);
    ar.io(elevation);
    ar.io(elevationCos);
    ar.io(elevationSin);
    ar.io(colour);
    serializePoint(ar, beamEnd);
    serializePoint(ar, position);
}

void Light::setPosition(float x, float y, float z) {
    position.x = x;
    position.y = y;
    position.z = z;
}

void Light::setBeamEnd(float x, float y, float z) {
    beamEnd.x = x;
    beamEnd.y = y;
    beamEnd.z = z;
}

void Light::setElevation(float degrees) {
    elevation = degrees;
    elevationCos = static_cast<float>(std::cos(degrees * kDegToRad));
    elevationSin = static_cast<float>(std::sin(degrees * kDegToRad));
}

void Light::setAzimuthStep(float degrees) {
    azimuthStep = degrees;
    azimuthStepCos = static_cast<float>(std::cos(degrees * kDegToRad));
    azimuthStepSin = static_cast<float>(std::sin(degrees * kDegToRad));
}

Vec3 Light::direction() const {
    return {double(targetPoint.x) - referencePoint.x, double(targetPoint.y) - referencePoint.y,
            double(targetPoint.z) - referencePoint.z};
}

double Light::directionLength() const {
    const Vec3 d = direction();
    return std::sqrt(dot(d, d));
}

void Light::rotateAzimuth(int dx) {
    const float kept = azimuthStep;
    setAzimuthStep(static_cast<float>(-dx));
    const double c = azimuthStepCos;
    const double s = azimuthStepSin;
    const double x = double(referencePoint.x) - targetPoint.x;
    const double z = double(referencePoint.z) - targetPoint.z;
    const float nx = static_cast<float>(targetPoint.x + c * x + s * z);
    const float nz = static_cast<float>(targetPoint.z + c * z - s * x);
    if (std::isfinite(nx) && std::isfinite(nz)) {
        referencePoint.x = nx;
        referencePoint.z = nz;
    }
    setAzimuthStep(kept);
}

void Light::rotateElevation(int dy) {
    const double r = directionLength();
    // A light without a direction has nothing to turn.
    if (!(r > 0.0) || !std::isfinite(r))
        return;
    const double h = r * elevationCos;
    const double ox = double(referencePoint.x) - targetPoint.x;
    const double oy = double(referencePoint.y) - targetPoint.y;
    const double oz = double(referencePoint.z) - targetPoint.z;
    const double a = dy + kRadToDegF * std::atan2(oy, h);
    const double c = std::cos(a * kDegToRadF);
    const double s = std::sin(a * kDegToRadF);
    // The horizontal offset is scaled by cos a over the old cosine. A stored cosine of 0
    // (only a scene file can hold one) leaves no such ratio; the offset's own direction
    // is used instead.
    double sx = 0.0;
    double sz = 0.0;
    if (h != 0.0) {
        sx = ox / h;
        sz = oz / h;
    } else if (const double horizontal = std::hypot(ox, oz); horizontal > 0.0) {
        sx = ox / horizontal;
        sz = oz / horizontal;
    }
    const Float4 next{static_cast<float>(targetPoint.x + sx * r * c),
                      static_cast<float>(targetPoint.y + r * s),
                      static_cast<float>(targetPoint.z + sz * r * c), referencePoint.w};
    if (!finite4(next))
        return;
    elevation = static_cast<float>(a);
    elevationCos = static_cast<float>(c);
    elevationSin = static_cast<float>(s);
    referencePoint = next;
}

void Light::turn(int dx, int dy) {
    rotateAzimuth(dx);
    rotateElevation(dy);
    // The beam end is the position plus the direction; with the target point at the origin
    // (as it always is unless a scene file says otherwise) that is position - referencePoint.
    const Vec3 d = direction();
    setBeamEnd(static_cast<float>(position.x + d.x), static_cast<float>(position.y + d.y),
               static_cast<float>(position.z + d.z));
}

void Light::move(const Vec3& offset) {
    const Float4 p{static_cast<float>(position.x + offset.x),
                   static_cast<float>(position.y + offset.y),
                   static_cast<float>(position.z + offset.z), position.w};
    const Float4 b{static_cast<float>(beamEnd.x + offset.x),
                   static_cast<float>(beamEnd.y + offset.y),
                   static_cast<float>(beamEnd.z + offset.z), beamEnd.w};
    if (!finite4(p) || !finite4(b))
        return;
    setPosition(p.x, p.y, p.z);
    setBeamEnd(b.x, b.y, b.z);
}

Float3 Light::markerColour() const {
    switch (number) {
        case 1:
            return {1.0f, 1.0f, 0.0f};
        case 2:
            return {0.0f, 0.0f, 1.0f};
        case 3:
            return {0.0f, 1.0f, 0.0f};
        default:
            return {1.0f, 1.0f, 1.0f};
    }
}

int Light::rendererLight() const {
    return number >= 1 && number <= 3 ? number - 1 : -1;
}

}  // namespace vyr
