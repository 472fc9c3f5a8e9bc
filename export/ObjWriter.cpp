// Wavefront OBJ and its material library.
#include <algorithm>
#include <cstdio>
#include <ostream>

#include "export/MeshFormats.h"

namespace vyr {

namespace {

std::string format(const char* fmt, double a, double b, double c) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, fmt, a, b, c);
    return buffer;
}

// Colours outside 0..1 (or not numbers) would be refused by readers.
double clamp01(float v) {
    return v >= 0.0f ? std::min(double(v), 1.0) : 0.0;
}

}  // namespace

ExportResult writeObj(const SolidMesh& mesh, const std::string& mtlFileName, std::ostream& out) {
    if (mtlFileName.find_first_of("\r\n") != std::string::npos)
        return ExportResult::failure("the material library name holds a line break");
    std::string b = "# VYR extruded text\n";
    if (!mtlFileName.empty())
        b += "mtllib " + mtlFileName + "\n";
    b += "o VyrText\n";
    // Nine significant digits bring every float back exactly.
    for (const auto& v : mesh.vertices)
        b += format("v %.9g %.9g %.9g\n", v[0], v[1], v[2]);
    for (int part = 0; part < kSolidPartCount; ++part) {
        const SolidPart p = SolidPart(part);
        if (!mesh.hasPart(p))
            continue;
        b += std::string("usemtl ") + solidPartName(p) + "\n";
        for (const SolidMesh::Triangle& t : mesh.triangles) {
            if (t.part != p)
                continue;
            b += "f " + std::to_string(t.v[0] + 1) + " " + std::to_string(t.v[1] + 1) + " " +
                 std::to_string(t.v[2] + 1) + "\n";
        }
        if (b.size() > (1u << 20))
            out.write(b.data(), std::streamsize(b.size())), b.clear();
    }
    out.write(b.data(), std::streamsize(b.size()));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the OBJ file failed");
    return {};
}

ExportResult writeMtl(const SolidMesh& mesh, std::ostream& out) {
    std::string b = "# VYR materials: front and back faces, side walls, bevelled sides\n";
    for (int part = 0; part < kSolidPartCount; ++part) {
        const Material& m = mesh.materials[part];
        b += std::string("\nnewmtl ") + solidPartName(SolidPart(part)) + "\n";
        b += format("Ka %.6g %.6g %.6g\n", clamp01(m.ambient[0]), clamp01(m.ambient[1]),
                    clamp01(m.ambient[2]));
        b += format("Kd %.6g %.6g %.6g\n", clamp01(m.diffuse[0]), clamp01(m.diffuse[1]),
                    clamp01(m.diffuse[2]));
        b += format("Ks %.6g %.6g %.6g\n", clamp01(m.specular[0]), clamp01(m.specular[1]),
                    clamp01(m.specular[2]));
        b += format("Ke %.6g %.6g %.6g\n", clamp01(m.emission[0]), clamp01(m.emission[1]),
                    clamp01(m.emission[2]));
        // The OpenGL specular exponent is the same quantity as Ns.
        const double ns = m.shininess >= 0.0f ? std::min(double(m.shininess), 1000.0) : 0.0;
        b += format("Ns %.6g\nd 1\nillum 2\n", ns, 0, 0);
    }
    out.write(b.data(), std::streamsize(b.size()));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the material library failed");
    return {};
}

}  // namespace vyr
