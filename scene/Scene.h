#pragma once

#include <array>
#include <string>

#include "scene/Camera.h"
#include "scene/Light.h"
#include "text/Text.h"

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

    Camera& camera() { return camera_; }
    const Camera& camera() const { return camera_; }
    /// The light of slot 1, 2 or 3 (yellow, blue, green).
    Light& light(int slot);
    const Light& light(int slot) const;
    Light& yellowLight() { return yellow_; }
    Light& blueLight() { return blue_; }
    Light& greenLight() { return green_; }
    const Light& yellowLight() const { return yellow_; }
    const Light& blueLight() const { return blue_; }
    const Light& greenLight() const { return green_; }
    Text& text() { return text_; }
    const Text& text() const { return text_; }

  private:
    Camera camera_;
    Light yellow_{1};
    Light blue_{2};
    Light green_{3};
    Text text_;
};

}  // namespace vyr
