// Binary STL of the solid.
#include <cmath>
#include <cstring>
#include <ostream>

#include "export/MeshFormats.h"

namespace vyr {

namespace {

void putU32(std::string& b, uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b.push_back(char((v >> (8 * k)) & 0xFF));
}
void putFloat(std::string& b, float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    putU32(b, v);
}

}  // namespace

ExportResult writeStl(const SolidMesh& mesh, std::ostream& out) {
    // The header must not start with "solid", which readers take for the text form.
    std::string b(80, '\0');
    const char title[] = "VYR extruded text, binary STL";
    std::memcpy(b.data(), title, sizeof title - 1);
    putU32(b, uint32_t(mesh.triangles.size()));
    for (const SolidMesh::Triangle& t : mesh.triangles) {
        const auto& a = mesh.vertices[t.v[0]];
        const auto& p = mesh.vertices[t.v[1]];
        const auto& c = mesh.vertices[t.v[2]];
        const double ux = double(p[0]) - a[0], uy = double(p[1]) - a[1], uz = double(p[2]) - a[2];
        const double wx = double(c[0]) - a[0], wy = double(c[1]) - a[1], wz = double(c[2]) - a[2];
        double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
        const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
        if (len > 0.0)
            nx /= len, ny /= len, nz /= len;
        putFloat(b, float(nx));
        putFloat(b, float(ny));
        putFloat(b, float(nz));
        for (uint32_t v : t.v) {
            for (float f : mesh.vertices[v])
                putFloat(b, f);
        }
        b.push_back('\0');
        b.push_back('\0');
    }
    out.write(b.data(), std::streamsize(b.size()));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the STL file failed");
    return {};
}

}  // namespace vyr
