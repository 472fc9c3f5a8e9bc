#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "FuzzTargets.h"
#include "export/CSourceWriter.h"
#include "export/MeshFormats.h"
#include "export/VrmlWriter.h"
#include "scene/SceneFile.h"

namespace vyr::fuzz {

namespace {

// A written file is fine when it was written, or refused with a message; a text file must
// not spell a value that is not a finite number.
void check(const ExportResult& r, const std::ostringstream& out, bool text) {
    if (!r.ok) {
        if (r.message.empty())
            std::abort();
        return;
    }
    if (!text)
        return;
    std::string s = out.str();
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : {"nan", "inf"}) {
        for (size_t at = s.find(word); at != std::string::npos; at = s.find(word, at + 1)) {
            if (at == 0 || !std::isalpha(static_cast<unsigned char>(s[at - 1])))
                std::abort();
        }
    }
}

}  // namespace

void writeEverything(const Scene& scene) {
    const Text& text = scene.text();
    std::ostringstream vrml, header, source, stl, obj, mtl, glb;
    check(writeVrml(scene, vrml), vrml, true);
    check(writeCHeader(header), header, true);
    check(writeCSource(text, "VyrText.h", source), source, true);
    const SolidMesh solid = buildSolidMesh(text);
    for (const auto& v : solid.vertices) {
        if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2]))
            std::abort();
    }
    check(writeStl(solid, stl), stl, false);
    check(writeObj(solid, "VyrText.mtl", obj), obj, true);
    check(writeMtl(solid, mtl), mtl, true);
    check(writeGlb(solid, glb), glb, false);
    sceneBytes(scene);
}

}  // namespace vyr::fuzz
