#pragma once

#include <cstdint>
#include <string>

namespace vyr {

/// Per-frame copy of the main window's interaction and display flags, handed to every Draw.
/// wireframeMove together with dragging is the interactive-drag signal.
struct ViewState {
    int lastX = 0, lastY = 0;
    int currentX = 0, currentY = 0;
    int wireframeMove = 1;
    std::string fontsFolder;
    uint32_t backgroundColour = 0;
    int dragging = 0;
    int renderMode = 0;
    int rotateCameraMode = 1, zoomMode = 0, translateLightMode = 0, rotateLightMode = 1;
    int yellowSelected = 0, blueSelected = 0, greenSelected = 0;
    int flatShading = 0;

    bool interactiveDrag() const { return wireframeMove && dragging; }
};

}  // namespace vyr
