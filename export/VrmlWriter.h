#pragma once

#include <cstdint>
#include <iosfwd>

#include "core/Vec3.h"
#include "export/ExportResult.h"
#include "export/TextExportView.h"
#include "core/FloatPoints.h"

namespace vyr {

class Scene;

/// Which groups of scene objects a VRML world receives.
struct VrmlParts {
    bool camera = true;
    bool lights = true;
    bool text = true;
};

/// The rotation that turns VRML's default view (looking along -z with +y up) onto a look-at
/// camera. `identity` when the camera already looks along -z with +y up (or has no direction
/// at all); axis is then meaningless.
struct ViewpointOrientation {
    bool identity = true;
    Vec3 axis{0.0, 0.0, 1.0};
    double angle = 0.0;
};
ViewpointOrientation viewpointOrientation(const Float3& eye, const Float3& target,
                                          const Float3& up);

/// The values of a spot light that a VRML world holds.
struct VrmlSpotLight {
    Float4 referencePoint;
    Float4 targetPoint;
    Float4 position;
    float cutOff = 25.0f;  ///< degrees
    uint32_t colour = 0;   ///< 0x00BBGGRR
};

// The pieces of a world file. Each writes with CRLF line ends and reports a failed stream or
// a value that is not a finite number.
ExportResult writeVrmlHeader(std::ostream& out);
ExportResult writeVrmlViewpoint(const Float3& eye, const Float3& target, const Float3& up,
                                std::ostream& out);
ExportResult writeVrmlSpotLight(const VrmlSpotLight& light, std::ostream& out);
/// The text group: front and back faces, side walls and (with the bevel) bevelled sides as
/// indexed face sets under the text's scale. A mesh without geometry gives empty lists.
ExportResult writeVrmlText(const TextExportView& text, std::ostream& out);

/// The whole world: the header line, then the chosen parts in scene order (camera, the three
/// lights, the text). Deterministic: the same scene gives the same bytes.
ExportResult writeVrml(const Scene& scene, std::ostream& out, VrmlParts parts = {});

}  // namespace vyr
