#pragma once

namespace vyr::command {

// The command identifiers: one space shared by the menu bar, the toolbar and the popup menu.
// Each QAction carries its identifier as its data.

inline constexpr int kLoad = 40068;
inline constexpr int kSave = 40069;
inline constexpr int kPreferences = 40002;
inline constexpr int kExportVrml = 40064;
inline constexpr int kExportC = 40067;
/// "Export Mesh (STL, OBJ, glTF)": numbered apart from the other File commands.
inline constexpr int kExportMesh = 40100;
inline constexpr int kExit = 40004;
/// Commands beyond the original menus: "&New" and the Edit menu's "Undo" and "Redo".
inline constexpr int kNew = 40101;
inline constexpr int kUndo = 40102;
inline constexpr int kRedo = 40103;

inline constexpr int kFlat = 40006;
inline constexpr int kGouraud = 40005;

inline constexpr int kViewFront = 40025;
inline constexpr int kViewBack = 40026;
inline constexpr int kViewUp = 40027;
inline constexpr int kViewDown = 40028;
inline constexpr int kViewRight = 40029;
inline constexpr int kViewLeft = 40030;
inline constexpr int kCameraParameters = 40043;

inline constexpr int kTextParameters = 40055;
inline constexpr int kTextMaterials = 40065;

inline constexpr int kYellowLightParameters = 40057;
inline constexpr int kBlueLightParameters = 40060;
inline constexpr int kGreenLightParameters = 40061;

inline constexpr int kBackgroundColour = 40042;
inline constexpr int kScreenshot = 40054;
inline constexpr int kRender = 40062;

inline constexpr int kHelpCredits = 40053;

// Toolbar: the light action pair, the drag targets, and the camera reset.
inline constexpr int kTranslateLight = 40019;
inline constexpr int kRotateLight = 40020;
inline constexpr int kSelectYellow = 40021;
inline constexpr int kSelectBlue = 40058;
inline constexpr int kSelectGreen = 40059;
inline constexpr int kSelectFlare = 40063;
inline constexpr int kScaleText = 40066;
inline constexpr int kRotateCamera = 40045;
inline constexpr int kZoom = 40051;
inline constexpr int kResetCamera = 40071;

}  // namespace vyr::command
