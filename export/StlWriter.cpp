// Binary STL of the solid.
#include <cmath>
#include <cstring>
#include <ostream>
#include <vector>

#include "export/MeshFormats.h"

namespace vyr {

namespace {

char* putU32(char* b, uint32_t v) {
    for (int k = 0; k < 4; ++k)
        *b++ = char((v >> (8 * k)) & 0xFF);
    return b;
}
char* putFloat(char* b, float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    return putU32(b, v);
}

constexpr size_t kRecord = 50;  // normal, three corners, attribute count

}  // namespace

ExportResult writeStl(const SolidMesh& mesh, std::ostream& out) {
    // The header must not start with "solid", which readers take for the text form.
    char header[84] = {};
    const char title[] = "VYR extruded text, binary STL";
    std::memcpy(header, title, sizeof title - 1);
    putU32(header + 80, uint32_t(mesh.triangles.size()));
    out.write(header, sizeof header);

    // Records go out in blocks, so the file never sits in memory whole.
    std::vector<char> block(kRecord * 4096);
    char* b = block.data();
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
        b = putFloat(b, float(nx));
        b = putFloat(b, float(ny));
        b = putFloat(b, float(nz));
        for (uint32_t v : t.v) {
            for (float f : mesh.vertices[v])
                b = putFloat(b, f);
        }
        *b++ = '\0';
        *b++ = '\0';
        if (b == block.data() + block.size()) {
            out.write(block.data(), std::streamsize(block.size()));
            b = block.data();
        }
    }
    out.write(block.data(), std::streamsize(b - block.data()));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the STL file failed");
    return {};
}

}  // namespace vyr
