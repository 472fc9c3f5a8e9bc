#pragma once

#include <cstdint>

#include "core/Vec3.h"
#include "core/FloatPoints.h"

namespace vyr {

class Archive;

/// One of the three spot lights. Its direction d = targetPoint - referencePoint is not
/// normalised: |d| is also the length of the drawn direction line and cone. The mouse turns
/// the reference point about the target point, or moves position and beam end together.
///
/// Number 1, 2 or 3 selects the renderer light (number - 1) and the marker colour; any other
/// number (possible from a scene file) has no renderer light and a white marker.
class Light {
  public:
    /// A light with the given number and that number's defaults.
    explicit Light(int number);

    /// 26 four-byte values: number, enabled, cutOff, referencePoint, targetPoint, azimuth
    /// step with cosine and sine, elevation with cosine and sine, colour, beamEnd, position.
    void serialize(Archive& archive);

    /// Turns referencePoint about the vertical axis through targetPoint by -dx degrees
    /// (the mouse passes pixels: moving right turns clockwise seen from above). The azimuth
    /// step and its cosine and sine are restored from the step's angle afterwards.
    void rotateAzimuth(int dx);
    /// Changes the elevation of referencePoint about targetPoint by dy degrees, keeping its
    /// distance (moving the pointer down raises it, so the light points further down).
    void rotateElevation(int dy);
    /// Store x, y, z; w stays.
    void setPosition(float x, float y, float z);
    void setBeamEnd(float x, float y, float z);
    /// Store the angle with its cosine and sine.
    void setElevation(float degrees);
    void setAzimuthStep(float degrees);
    /// |referencePoint - targetPoint| over x, y, z.
    double directionLength() const;
    /// targetPoint - referencePoint over x, y, z.
    Vec3 direction() const;

    /// The mouse's turn: azimuth by dx, elevation by dy, then the beam end follows the new
    /// direction from the unchanged position.
    void turn(int dx, int dy);
    /// The mouse's move: position and beam end shift by `offset`; the direction stays.
    void move(const Vec3& offset);

    /// Marker colour (r, g, b) of this light's number; white for a number outside 1..3.
    Float3 markerColour() const;
    /// Renderer light index (number - 1), or -1 for a number outside 1..3.
    int rendererLight() const;

    Float4 referencePoint;
    Float4 targetPoint{0.0f, 0.0f, 0.0f, 1.0f};
    Float4 beamEnd{0.0f, 0.0f, 0.0f, 1.0f};
    Float4 position;
    float elevation = 0.0f;
    float elevationCos = 1.0f;
    float elevationSin = 0.0f;
    float azimuthStep = 5.0f;
    float azimuthStepCos = 1.0f;
    float azimuthStepSin = 0.0f;
    int32_t number = 0;
    int32_t enabled = 1;
    float cutOff = 25.0f;
    /// 0x00BBGGRR, red in the low byte.
    uint32_t colour = 0x00FFFFFF;

  private:
    void setDefaults();
};

}  // namespace vyr
