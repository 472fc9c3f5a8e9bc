#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "FuzzTargets.h"
#include "export/OutputFormats.h"
#include "export/SolidMesh.h"
#include "scene/Scene.h"

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
    const SolidMesh solid = buildSolidMesh(scene.text());
    for (const auto& v : solid.vertices) {
        if (!std::isfinite(v[0]) || !std::isfinite(v[1]) || !std::isfinite(v[2]))
            std::abort();
    }
    for (const char* extension : {"vyr", "wrl", "c", "stl", "obj", "glb"}) {
        const std::string path = std::string("VyrText.") + extension;
        for (const OutputFile& file :
             findOutputFormat(extension)->files(path, {scene, &solid, {}}, true)) {
            std::ostringstream out;
            const std::string written = file.path.substr(file.path.rfind('.') + 1);
            check(file.write(out), out, written != "vyr" && written != "stl" && written != "glb");
        }
    }
}

}  // namespace vyr::fuzz
