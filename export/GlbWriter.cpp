// Binary glTF 2.0 of the solid: one mesh, one primitive and one material per part.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <unordered_map>

#include "export/MeshFormats.h"

namespace vyr {

namespace {

constexpr uint32_t kArrayBuffer = 34962;
constexpr uint32_t kElementArrayBuffer = 34963;
constexpr uint32_t kFloat = 5126;
constexpr uint32_t kUnsignedInt = 5125;

void putU32(std::string& b, uint32_t v) {
    for (int k = 0; k < 4; ++k)
        b.push_back(char((v >> (8 * k)) & 0xFF));
}

void putFloat(std::string& b, float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    putU32(b, v);
}

// Nine significant digits: the float read back is the float written, as min and max demand.
std::string num(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    return buffer;
}

double unit(float v) {
    return v >= 0.0f ? std::min(double(v), 1.0) : 0.0;
}

std::string materialJson(const Material& m, SolidPart part) {
    // Blinn-Phong exponent to a roughness that gives highlights of about the same size.
    const double shininess = m.shininess >= 0.0f ? std::min(double(m.shininess), 1000.0) : 0.0;
    const double roughness = std::sqrt(2.0 / (shininess + 2.0));
    return std::string("{\"name\":\"") + solidPartName(part) +
           "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[" + num(unit(m.diffuse[0])) + "," +
           num(unit(m.diffuse[1])) + "," + num(unit(m.diffuse[2])) +
           ",1],\"metallicFactor\":0,\"roughnessFactor\":" + num(roughness) +
           "},\"emissiveFactor\":[" + num(unit(m.emission[0])) + "," + num(unit(m.emission[1])) +
           "," + num(unit(m.emission[2])) + "]}";
}

// The JSON arrays and the binary chunk, filled one part (one primitive) at a time.
struct GltfContent {
    std::string bin, views, accessors, primitives, materials;
    int viewCount = 0, materialCount = 0;

    int addView(size_t offset, size_t length, uint32_t target) {
        if (viewCount)
            views += ",";
        views += "{\"buffer\":0,\"byteOffset\":" + std::to_string(offset) +
                 ",\"byteLength\":" + std::to_string(length) +
                 ",\"target\":" + std::to_string(target) + "}";
        return viewCount++;
    }

    void addPart(const SolidMesh& mesh, SolidPart p) {
        // Each primitive gets the vertices it uses, so none carries vertices it never draws.
        std::unordered_map<uint32_t, uint32_t> local;
        std::vector<uint32_t> used;
        std::vector<uint32_t> indices;
        for (const SolidMesh::Triangle& t : mesh.triangles) {
            if (t.part != p)
                continue;
            for (uint32_t v : t.v) {
                const auto [it, added] = local.try_emplace(v, uint32_t(used.size()));
                if (added)
                    used.push_back(v);
                indices.push_back(it->second);
            }
        }
        std::array<float, 3> lo = mesh.vertices[used[0]], hi = lo;
        const size_t positionsAt = bin.size();
        for (uint32_t v : used) {
            for (int k = 0; k < 3; ++k) {
                const float f = mesh.vertices[v][k];
                lo[k] = std::min(lo[k], f), hi[k] = std::max(hi[k], f);
                putFloat(bin, f);
            }
        }
        const int positionView = addView(positionsAt, bin.size() - positionsAt, kArrayBuffer);
        const size_t indicesAt = bin.size();
        for (uint32_t i : indices)
            putU32(bin, i);
        const int indexView = addView(indicesAt, bin.size() - indicesAt, kElementArrayBuffer);

        const int positionAccessor = positionView;  // one accessor per view, same numbering
        const int indexAccessor = indexView;
        if (!accessors.empty())
            accessors += ",";
        accessors += "{\"bufferView\":" + std::to_string(positionView) +
                     ",\"componentType\":" + std::to_string(kFloat) +
                     ",\"count\":" + std::to_string(used.size()) + ",\"type\":\"VEC3\",\"min\":[" +
                     num(lo[0]) + "," + num(lo[1]) + "," + num(lo[2]) + "],\"max\":[" + num(hi[0]) +
                     "," + num(hi[1]) + "," + num(hi[2]) + "]}";
        accessors += ",{\"bufferView\":" + std::to_string(indexView) +
                     ",\"componentType\":" + std::to_string(kUnsignedInt) +
                     ",\"count\":" + std::to_string(indices.size()) + ",\"type\":\"SCALAR\"}";
        if (!primitives.empty())
            primitives += ",";
        primitives += "{\"attributes\":{\"POSITION\":" + std::to_string(positionAccessor) +
                      "},\"indices\":" + std::to_string(indexAccessor) +
                      ",\"material\":" + std::to_string(materialCount) + ",\"mode\":4}";
        if (materialCount)
            materials += ",";
        materials += materialJson(mesh.materials[size_t(p)], p);
        ++materialCount;
    }

    std::string json() const {
        std::string out = "{\"asset\":{\"version\":\"2.0\",\"generator\":\"VYR\"},\"scene\":0,";
        if (primitives.empty()) {
            // Nothing to draw (an empty text): a valid file with an empty scene.
            out += "\"scenes\":[{}]}";
        } else {
            out += "\"scenes\":[{\"nodes\":[0]}],\"nodes\":[{\"mesh\":0,\"name\":\"VyrText\"}],";
            out += "\"meshes\":[{\"name\":\"VyrText\",\"primitives\":[" + primitives + "]}],";
            out += "\"materials\":[" + materials + "],";
            out += "\"accessors\":[" + accessors + "],";
            out += "\"bufferViews\":[" + views + "],";
            out += "\"buffers\":[{\"byteLength\":" + std::to_string(bin.size()) + "}]}";
        }
        return out;
    }
};

}  // namespace

ExportResult writeGlb(const SolidMesh& mesh, std::ostream& out) {
    GltfContent content;
    for (int part = 0; part < kSolidPartCount; ++part) {
        if (mesh.hasPart(SolidPart(part)))
            content.addPart(mesh, SolidPart(part));
    }
    std::string json = content.json();
    std::string& bin = content.bin;
    while (json.size() % 4)
        json += ' ';
    while (bin.size() % 4)
        bin += '\0';

    std::string glb;
    const size_t total = 12 + 8 + json.size() + (bin.empty() ? 0 : 8 + bin.size());
    if (total > 0xFFFFFFFFull)
        return ExportResult::failure("the solid is too large for a glTF file");
    glb += "glTF";
    putU32(glb, 2);
    putU32(glb, uint32_t(total));
    putU32(glb, uint32_t(json.size()));
    glb += "JSON";
    glb += json;
    if (!bin.empty()) {
        putU32(glb, uint32_t(bin.size()));
        glb += std::string("BIN\0", 4);
        glb += bin;
    }
    out.write(glb.data(), std::streamsize(glb.size()));
    out.flush();
    if (!out)
        return ExportResult::failure("writing the glTF file failed");
    return {};
}

}  // namespace vyr
