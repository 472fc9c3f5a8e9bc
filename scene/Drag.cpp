#include "scene/Drag.h"

#include <cmath>

namespace vyr {

namespace {

Light* selectedLight(Scene& scene, const ViewSettings& s) {
    if (s.yellowSelected)
        return &scene.yellowLight();
    if (s.blueSelected)
        return &scene.blueLight();
    if (s.greenSelected)
        return &scene.greenLight();
    return nullptr;
}

}  // namespace

void beginDrag(ViewSettings& s, int x, int y) {
    s.lastX = s.currentX = x;
    s.lastY = s.currentY = y;
    s.dragging = 1;
}

bool endDrag(ViewSettings& s, int x, int y) {
    if (!s.dragging)
        return false;
    s.lastX = s.currentX = x;
    s.lastY = s.currentY = y;
    s.dragging = 0;
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
    Light* light = selectedLight(scene, s);
    if (light || s.flareSelected) {
        // The flare point is only ever moved, whatever the light action says.
        if (light && !s.flareSelected && s.rotateLightMode)
            light->turn(dx, dy);
        if (s.translateLightMode || s.flareSelected) {
            const Vec3 offset = screenPlaneOffset(camera, dx, dy);
            if (s.flareSelected) {
                const float fx = static_cast<float>(s.flarePosition.x + offset.x);
                const float fy = static_cast<float>(s.flarePosition.y + offset.y);
                if (std::isfinite(fx) && std::isfinite(fy)) {
                    s.flarePosition.x = fx;
                    s.flarePosition.y = fy;
                }
                s.flarePosition.z = 0.0f;
            } else {
                light->move(offset);
            }
        }
    }
    if (s.rotateCameraMode) {
        camera.orbitHorizontal(dx);
        camera.orbitVertical(dy);
    }
    if (s.scaleTextMode) {
        std::array<float, 3>& scale = scene.text().parameters.scale;
        scale[0] = static_cast<float>(scale[0] + 0.0005 * dx);
        scale[1] = static_cast<float>(scale[1] - 0.0005 * dy);
    }
    if (s.zoomMode)
        camera.zoomTowardTarget(dx);
    return true;
}

}  // namespace vyr
