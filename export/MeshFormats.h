#pragma once

#include <iosfwd>
#include <string>

#include "export/ExportResult.h"
#include "export/SolidMesh.h"

namespace vyr {

// Writers of the solid in common mesh formats. They write whatever the mesh holds; callers
// check SolidMesh::faults first and tell the user when a character's solid is not closed.

/// Binary STL: an 80-byte header, the triangle count, then per triangle its unit normal and
/// three corners (little-endian floats).
ExportResult writeStl(const SolidMesh& mesh, std::ostream& out);

/// Wavefront OBJ: the welded vertices, then the faces of each part under its material
/// ("front_back", "sides", "bevel"). `mtlFileName` names the material library in the
/// "mtllib" line (none when empty); a name with a line break is refused.
ExportResult writeObj(const SolidMesh& mesh, const std::string& mtlFileName, std::ostream& out);
/// The material library for writeObj: the three materials' colours and shininess.
ExportResult writeMtl(const SolidMesh& mesh, std::ostream& out);

/// Binary glTF 2.0 (.glb): one node with one mesh, one triangle primitive and one material
/// per part present. Positions in the text's units, +y up, the text read from +z.
ExportResult writeGlb(const SolidMesh& mesh, std::ostream& out);

}  // namespace vyr
