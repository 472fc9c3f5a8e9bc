// The world file: the header, then the camera, the lights and the text as they are chosen.
#include <ostream>

#include "export/VrmlWriter.h"
#include "scene/Scene.h"

namespace vyr {

namespace {

VrmlSpotLight spotLightOf(const Light& light) {
    VrmlSpotLight l;
    l.referencePoint = light.referencePoint;
    l.targetPoint = light.targetPoint;
    l.position = light.position;
    l.cutOff = light.cutOff;
    l.colour = light.colour;
    return l;
}

}  // namespace

ExportResult writeVrml(const Scene& scene, std::ostream& out, VrmlParts parts) {
    // Every part is written even after one fails; the first failure is the result.
    ExportResult result = writeVrmlHeader(out);
    if (!result.ok)
        return result;
    auto keep = [&](ExportResult r) {
        if (result.ok && !r.ok)
            result = std::move(r);
    };
    const Camera& camera = scene.camera();
    if (parts.camera)
        keep(writeVrmlViewpoint(camera.eye, camera.target, camera.up, out));
    if (parts.lights) {
        for (int light = 1; light <= 3; ++light)
            keep(writeVrmlSpotLight(spotLightOf(scene.light(light)), out));
    }
    if (parts.text)
        keep(writeVrmlText(exportViewOf(scene.text()), out));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the VRML world failed");
    return result;
}

}  // namespace vyr
