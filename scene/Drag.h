#pragma once

#include "core/Vec3.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

namespace vyr {

/// Left button down at (x, y), window pixels with y growing downward: remembers the point and
/// starts dragging. The caller captures the mouse; nothing needs redrawing.
void beginDrag(ViewSettings& settings, int x, int y);

/// Left button up at (x, y). Returns whether a drag was in progress; the caller then releases
/// the mouse and redraws (the text returns to its solid look).
bool endDrag(ViewSettings& settings, int x, int y);

/// Mouse move to (x, y). Nothing happens unless dragging. Otherwise the pixel difference
/// from the last position acts on the current drag target: a selected light turns or moves,
/// the flare point moves, the camera orbits by one degree per pixel, the text scale changes,
/// or the camera zooms. Returns whether the caller must redraw.
bool dragStep(Scene& scene, ViewSettings& settings, int x, int y);

/// The world offset of a move by (dx, dy) pixels in the camera's screen plane:
/// 0.001 (dx (f x up) - dy D up), with f = target - eye and D = |f|. For a unit up vector
/// perpendicular to f both parts scale with D, so the object keeps its pace on screen.
Vec3 screenPlaneOffset(const Camera& camera, int dx, int dy);

}  // namespace vyr
