#pragma once

#include <cstdint>
#include <string>

#include "core/FloatPoints.h"
#include "text/FontLocator.h"

namespace vyr {

/// The drag targets chosen on the toolbar; exactly one is active at a time.
enum class DragTarget { ScaleText, RotateCamera, Zoom, YellowLight, BlueLight, GreenLight, Flare };

/// What a drag does to a selected light.
enum class LightAction { Translate, Rotate };

/// The main window's program-wide settings with their start values. None of them is part of
/// the scene file; they live for the run.
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

    /// The text is drawn as its wireframe while a drag moves it.
    bool wireframeMove = true;
    bool flatShading = false;
    /// Where font file names are looked up; see atStartUp().
    std::string fontsFolder;
    /// 0x00BBGGRR.
    uint32_t backgroundColour = 0x00000000;
    uint32_t glowColour = 0x000000FF;
    int glowThickness = 3;
    bool dragging = false;

    bool renderToFile = false;
    std::string jpegFileName = "VYR.jpg";
    std::string vrmlFileName = "VYR.wrl";
    int jpegQuality = 75;
    bool lensFlareOn = false;
    bool glowOn = false;
    bool antialiasingOn = true;

    /// What a left drag acts on, and what it does to a selected light.
    DragTarget dragTarget = DragTarget::RotateCamera;
    LightAction lightAction = LightAction::Rotate;

    Float4 flarePosition{0.5f, 0.5f, 0.0f, 1.0f};
};

}  // namespace vyr
