#pragma once

#include "core/FloatPoints.h"

namespace vyr {

class Archive;

/// The look-at camera: eye, target and up vector, plus an orbit model (the elevation of the
/// eye above the horizontal plane through the target, with its cosine and sine) that lets
/// the mouse circle the text, pass over its top and zoom toward it.
///
/// Every field is single precision; every computation runs in double precision and its
/// result is stored as single precision. Angles are in degrees.
class Camera {
  public:
    Camera();

    /// 16 floats: eye, target, rotation step with cosine and sine, elevation with cosine and
    /// sine, zoom, up. Loading replaces every field as stored, without re-deriving anything.
    void serialize(Archive& archive);

    /// Length of eye - target.
    double distance() const;

    void setZoom(float z);
    /// Stores the step and its cosine and sine.
    void setRotationStep(float degrees);
    /// Stores the elevation with its cosine and sine and sets `up` for the horizontal
    /// direction (hx, hz). Beyond 45 degrees from the horizontal the up vector is negated so
    /// that it stays on the side of the true up direction while the eye passes over the top.
    void setElevation(float degrees, float hx, float hz);
    /// Store the point, then re-derive the elevation and up vector from eye and target.
    /// With the eye straight above or below the target (or on it) the horizontal direction
    /// is undefined; the last known one is kept.
    void setEye(float x, float y, float z);
    void setTarget(float x, float y, float z);

    /// Turns the eye about the vertical axis through the target by -n degrees (the mouse
    /// passes pixels: moving right circles toward the text's left side).
    void orbitHorizontal(int n);
    /// Raises the eye by n degrees on its circle about the target. Not clamped: the eye goes
    /// over the top and down the far side.
    void orbitVertical(int n);
    /// Moves the eye toward the target by n / (20 zoom) of the distance (negative n backs
    /// away). A step never reaches or passes the target, and a zoom of 0 does not move.
    void zoomTowardTarget(int n);

    /// Eye (0, 0, 4), target at the origin, level; zoom and rotation step stay.
    void reset();
    /// The standard views keep the distance and the target and put the eye on a world axis.
    void viewFront();
    void viewBack();
    /// Looking down the y axis: +z toward the top of the screen.
    void viewUp();
    /// Looking up the y axis: -z toward the top of the screen.
    void viewDown();
    void viewRight();
    void viewLeft();

    Float3 eye{0.0f, 0.0f, 4.0f};
    Float3 target{0.0f, 0.0f, 0.0f};
    Float3 up{0.0f, 1.0f, 0.0f};
    float elevation = 0.0f;
    float elevationCos = 1.0f;
    float elevationSin = 0.0f;
    float rotationStep = 5.0f;
    float rotationStepCos = 1.0f;
    float rotationStepSin = 0.0f;
    float zoom = 2.0f;

  private:
    void deriveOrbit();
    void rememberHeading(double hx, double hz);

    // The horizontal direction (x, z) of the orbit, kept for the moments it cannot be
    // derived: the eye straight above or below the target. Not stored in the scene file.
    double headingX_ = 0.0;
    double headingZ_ = 1.0;
};

}  // namespace vyr
