// The world file as the scene objects write it, each through its WriteVrml.
#include <ostream>

#include "export/VrmlWriter.h"
#include "scene/Scene.h"

namespace vyr {

void VrmlWriter::keep(ExportResult r) {
    if (result_.ok && !r.ok)
        result_ = std::move(r);
}

void VrmlWriter::writeCamera(const CCamera& camera, std::ostream& out) {
    keep(writeVrmlViewpoint(camera.eye, camera.target, camera.up, out));
}

void VrmlWriter::writeLight(const CLight& light, std::ostream& out) {
    VrmlSpotLight l;
    l.referencePoint = light.referencePoint;
    l.targetPoint = light.targetPoint;
    l.position = light.position;
    l.cutOff = light.cutOff;
    l.colour = light.colour;
    keep(writeVrmlSpotLight(l, out));
}

void VrmlWriter::writeText(const CText& text, std::ostream& out) {
    keep(writeVrmlText(exportViewOf(text), out));
}

ExportResult writeVrml(const Scene& scene, std::ostream& out, VrmlParts parts) {
    VrmlWriter writer;
    ExportResult header = writeVrmlHeader(out);
    if (!header.ok)
        return header;
    // Slots: 0 camera, 1 to 3 the lights, 4 the text.
    if (parts.camera)
        scene.object(0).WriteVrml(out, writer);
    if (parts.lights) {
        for (int slot = 1; slot <= 3; ++slot)
            scene.object(slot).WriteVrml(out, writer);
    }
    if (parts.text)
        scene.object(4).WriteVrml(out, writer);
    out.flush();
    if (!out)
        return ExportResult::failure("writing the VRML world failed");
    return writer.result();
}

}  // namespace vyr
