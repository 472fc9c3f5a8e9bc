#pragma once

#include <array>
#include <string>

#include "scene/CCamera.h"
#include "scene/CLight.h"
#include "text/CText.h"

namespace vyr {

/// The five scene objects in their fixed order: camera, yellow, blue and green light, text.
/// Every pass over the scene (drawing, saving, loading, export) uses this order, so the
/// camera's transform is in place before the lights and the text are drawn.
class Scene {
  public:
    /// The camera and lights take their defaults (lights numbered 1, 2, 3); the text gets
    /// `fontsFolder`. The text is not built yet: call text().buildMesh() once it is needed.
    explicit Scene(std::string fontsFolder);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    CCamera& camera() { return camera_; }
    const CCamera& camera() const { return camera_; }
    /// The light of slot 1, 2 or 3 (yellow, blue, green).
    CLight& light(int slot);
    const CLight& light(int slot) const;
    CLight& yellowLight() { return yellow_; }
    CLight& blueLight() { return blue_; }
    CLight& greenLight() { return green_; }
    const CLight& yellowLight() const { return yellow_; }
    const CLight& blueLight() const { return blue_; }
    const CLight& greenLight() const { return green_; }
    CText& text() { return text_; }
    const CText& text() const { return text_; }

  private:
    CCamera camera_;
    CLight yellow_{1};
    CLight blue_{2};
    CLight green_{3};
    CText text_;
};

}  // namespace vyr
