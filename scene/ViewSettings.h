#pragma once

#include <cstdint>
#include <string>

#include "core/ViewState.h"
#include "scene/FloatPoints.h"
#include "text/FontLocator.h"

namespace vyr {

/// The drag targets chosen on the toolbar; exactly one is active at a time.
enum class DragTarget { ScaleText, RotateCamera, Zoom, YellowLight, BlueLight, GreenLight, Flare };

/// What a drag does to a selected light.
enum class LightAction { Translate, Rotate };

/// The main window's program-wide settings with their start values. None of them is part of
/// the scene file; they live for the run. Flags are 0 or 1.
struct ViewSettings {
    /// The start values, with the fonts folder taken from the user's setting or, when none is
    /// set, the folder of the font that fontconfig picks for "Arial".
    static ViewSettings atStartUp(const std::string& fontsFolderSetting = {}) {
        ViewSettings s;
        s.fontsFolder = fontsFolderSetting.empty() ? defaultFontsFolder() : fontsFolderSetting;
        return s;
    }

    int lastX = 0, lastY = 0;
    int currentX = 0, currentY = 0;

    int wireframeMove = 1;
    int flatShading = 0;
    /// Where font file names are looked up; see atStartUp().
    std::string fontsFolder;
    /// 0x00BBGGRR.
    uint32_t backgroundColour = 0x00000000;
    uint32_t glowColour = 0x000000FF;
    int glowThickness = 3;
    int dragging = 0;
    int renderMode = 0;

    int renderToFile = 0;
    std::string jpegFileName = "VYR.jpg";
    std::string vrmlFileName = "VYR.wrl";
    int jpegQuality = 75;
    int lensFlareOn = 0;
    int glowOn = 0;
    int antialiasingOn = 1;

    // The seven drag targets are mutually exclusive; select them through selectDragTarget.
    int scaleTextMode = 0;
    int rotateCameraMode = 1;
    int zoomMode = 0;
    int yellowSelected = 0;
    int blueSelected = 0;
    int greenSelected = 0;
    int flareSelected = 0;
    // The light action pair, independent of the drag targets.
    int translateLightMode = 0;
    int rotateLightMode = 1;

    Float4 flarePosition{0.5f, 0.5f, 0.0f, 1.0f};

    /// Sets the target's flag and clears the six others; the light action stays.
    void selectDragTarget(DragTarget target) {
        scaleTextMode = target == DragTarget::ScaleText;
        rotateCameraMode = target == DragTarget::RotateCamera;
        zoomMode = target == DragTarget::Zoom;
        yellowSelected = target == DragTarget::YellowLight;
        blueSelected = target == DragTarget::BlueLight;
        greenSelected = target == DragTarget::GreenLight;
        flareSelected = target == DragTarget::Flare;
    }

    /// Sets one of the pair and clears the other; the drag targets stay.
    void selectLightAction(LightAction action) {
        translateLightMode = action == LightAction::Translate;
        rotateLightMode = action == LightAction::Rotate;
    }

    /// The per-frame copy handed to every Draw.
    ViewState makeViewState() const {
        ViewState v;
        v.lastX = lastX;
        v.lastY = lastY;
        v.currentX = currentX;
        v.currentY = currentY;
        v.wireframeMove = wireframeMove;
        v.fontsFolder = fontsFolder;
        v.backgroundColour = backgroundColour;
        v.dragging = dragging;
        v.renderMode = renderMode;
        v.rotateCameraMode = rotateCameraMode;
        v.zoomMode = zoomMode;
        v.translateLightMode = translateLightMode;
        v.rotateLightMode = rotateLightMode;
        v.yellowSelected = yellowSelected;
        v.blueSelected = blueSelected;
        v.greenSelected = greenSelected;
        v.flatShading = flatShading;
        return v;
    }
};

}  // namespace vyr
