#include "scene/Drag.h"

#include <cmath>

namespace vyr {

namespace {

Light* selectedLight(Scene& scene, DragTarget target) {
    switch (target) {
        case DragTarget::YellowLight:
            return &scene.yellowLight();
        case DragTarget::BlueLight:
            return &scene.blueLight();
        case DragTarget::GreenLight:
            return &scene.greenLight();
        default:
            return nullptr;
    }
}

}  // namespace

void beginDrag(ViewSettings& s, int x, int y) {
    s.lastX = s.currentX = x;
    s.lastY = s.currentY = y;
    s.dragging = true;
}

bool endDrag(ViewSettings& s, int x, int y) {
    if (!s.dragging)
        return false;
    s.lastX = s.currentX = x;
    s.lastY = s.currentY = y;
    s.dragging = false;
    return true;
}

Vec3 screenPlaneOffset(const Camera& camera, int dx, int dy) {
    const double d = camera.distance();
    const Vec3 eye{camera.eye.x, camera.eye.y, camera.eye.z};
    const Vec3 target{camera.target.x, camera.target.y, camera.target.z};
    const Vec3 up{camera.up.x, camera.up.y, camera.up.z};
    const Vec3 side = cross(target - eye, up);
    return (side * dx - up * (dy * d)) * 0.001;
}

bool dragStep(Scene& scene, ViewSettings& s, int x, int y) {
    if (!s.dragging)
        return false;
    const int dx = x - s.lastX;
    const int dy = y - s.lastY;
    s.lastX = s.currentX = x;
    s.lastY = s.currentY = y;

    Camera& camera = scene.camera();
    // The flare point is only ever moved; a light turns or moves as the light action says.
    if (Light* light = selectedLight(scene, s.dragTarget)) {
        if (s.lightAction == LightAction::Rotate)
            light->turn(dx, dy);
        else
            light->move(screenPlaneOffset(camera, dx, dy));
    }
    switch (s.dragTarget) {
        case DragTarget::Flare: {
            const Vec3 offset = screenPlaneOffset(camera, dx, dy);
            const float fx = static_cast<float>(s.flarePosition.x + offset.x);
            const float fy = static_cast<float>(s.flarePosition.y + offset.y);
            if (std::isfinite(fx) && std::isfinite(fy)) {
                s.flarePosition.x = fx;
                s.flarePosition.y = fy;
            }
            s.flarePosition.z = 0.0f;
            break;
        }
        case DragTarget::RotateCamera:
            camera.orbitHorizontal(dx);
            camera.orbitVertical(dy);
            break;
        case DragTarget::ScaleText: {
            std::array<float, 3>& scale = scene.text().parameters.scale;
            scale[0] = static_cast<float>(scale[0] + 0.0005 * dx);
            scale[1] = static_cast<float>(scale[1] - 0.0005 * dy);
            break;
        }
        case DragTarget::Zoom:
            camera.zoomTowardTarget(dx);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace vyr
