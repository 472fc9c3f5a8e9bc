#pragma once

#include "text/TextMesh.h"
#include "text/TextParameters.h"

namespace vyr {

class Text;

/// What the exporters read of a text object: the mesh of its last build and the parameters
/// (shape flags, scale, materials) it was built with. The mesh is borrowed.
struct TextExportView {
    const TextMesh* mesh = nullptr;
    TextParameters parameters;
};

/// The view of a text object as it stands; valid while the object and its mesh live.
TextExportView exportViewOf(const Text& text);

}  // namespace vyr
