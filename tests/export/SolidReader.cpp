#include "SolidReader.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

namespace vyr::test {

namespace {

uint32_t u32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = v << 8 | uint8_t(b[at + size_t(k)]);
    return v;
}

float f32(const std::string& b, size_t at) {
    return std::bit_cast<float>(u32(b, at));
}

// (b - a) x (c - a) for the triangle (a, b, c), from differences taken in double precision.
std::array<double, 3> cross(const std::array<Point, 3>& t) {
    const double ux = double(t[1][0]) - t[0][0], uy = double(t[1][1]) - t[0][1],
                 uz = double(t[1][2]) - t[0][2], wx = double(t[2][0]) - t[0][0],
                 wy = double(t[2][1]) - t[0][1], wz = double(t[2][2]) - t[0][2];
    return {uy * wz - uz * wy, uz * wx - ux * wz, ux * wy - uy * wx};
}

}  // namespace

FileTriangles readStl(const std::string& b) {
    FileTriangles f;
    if (b.size() < 84 || b.compare(0, 5, "solid") == 0)
        return f.error = "no binary STL header", f;
    const uint32_t n = u32(b, 80);
    if (b.size() != 84 + size_t(n) * 50)
        return f.error = "size does not match the count", f;
    for (size_t at = 84; at < b.size(); at += 50) {
        std::array<Point, 3> tri;
        for (size_t k = 0; k < 9; ++k)
            tri[k / 3][k % 3] = f32(b, at + 12 + 4 * k);
        // The stored normal is the winding's unit normal; the attribute bytes are zero.
        const std::array<double, 3> w = cross(tri);
        const double length = std::hypot(w[0], w[1], w[2]);
        for (size_t k = 0; k < 3; ++k)
            if (!(std::fabs(f32(b, at + 4 * k) - w[k] / length) < 1e-5))
                f.error = "a facet normal is not the unit normal of its winding";
        if (b[at + 48] != 0 || b[at + 49] != 0)
            f.error = "attribute bytes that are not zero";
        f.triangles.push_back(tri);
        f.material.emplace_back();
    }
    return f;
}

FileTriangles readObj(const std::string& text) {
    FileTriangles f;
    std::vector<Point> v;
    std::string material, line, tag;
    for (std::istringstream in(text); std::getline(in, line);) {
        std::istringstream l(line);
        l >> tag;
        if (tag == "v") {
            std::string x, y, z;
            l >> x >> y >> z;
            v.push_back({std::stof(x), std::stof(y), std::stof(z)});
        } else if (tag == "usemtl") {
            l >> material;
        } else if (tag == "f") {
            std::array<Point, 3> tri;
            long i = 0;
            for (int k = 0; k < 3; ++k) {
                if (!(l >> i) || i < 1 || size_t(i) > v.size())
                    return f.error = "bad face: " + line, f;
                tri[k] = v[size_t(i) - 1];
            }
            if (l >> tag)
                return f.error = "face with more than three corners", f;
            f.triangles.push_back(tri);
            f.material.push_back(material);
        }
    }
    return f;
}

FileTriangles readGlb(const std::string& b) {
    FileTriangles f;
    if (b.size() < 20 || b.compare(0, 4, "glTF") != 0 || u32(b, 4) != 2 || u32(b, 8) != b.size())
        return f.error = "no glTF 2 header of the file's length", f;
    const size_t jsonLength = u32(b, 12), binAt = 20 + jsonLength;
    if (b.compare(16, 4, "JSON") != 0 || binAt > b.size())
        return f.error = "no JSON chunk", f;
    std::string bin;
    if (binAt + 8 <= b.size()) {
        if (b.compare(binAt + 4, 4, std::string("BIN\0", 4)) != 0 ||
            binAt + 8 + u32(b, binAt) != b.size())
            return f.error = "bad BIN chunk", f;
        bin = b.substr(binAt + 8);
    }
    // Members the writer always writes are read with at(), which throws when one is missing,
    // has another type or indexes past its array; optional ones default as glTF says.
    try {
        const nlohmann::json gltf = nlohmann::json::parse(b.substr(20, jsonLength));
        // The byte offset and count of an accessor of the given component type and size, whose
        // data fills its buffer view exactly and lies inside the BIN chunk.
        auto data = [&](const nlohmann::json& accessor, int componentType, size_t size) {
            const auto& view = gltf.at("bufferViews").at(accessor.at("bufferView").get<size_t>());
            const size_t at = view.value("byteOffset", 0u) + accessor.value("byteOffset", 0u);
            const size_t count = accessor.at("count");
            if (accessor.at("componentType") != componentType)
                throw std::runtime_error("unexpected component type");
            if (view.at("byteLength") != count * size || at + count * size > bin.size())
                throw std::runtime_error("accessor data outside its view or the BIN chunk");
            return std::pair(at, count);
        };
        if (!gltf.contains("meshes"))
            return f;
        for (const auto& primitive : gltf.at("meshes").at(0).at("primitives")) {
            if (primitive.value("mode", 4) != 4)
                return f.error = "not triangles", f;
            const auto& accessors = gltf.at("accessors");
            const auto [p, vertices] = data(
                accessors.at(primitive.at("attributes").at("POSITION").get<size_t>()), 5126, 12);
            const auto [q, indices] =
                data(accessors.at(primitive.at("indices").get<size_t>()), 5125, 4);
            const size_t material = primitive.at("material");
            for (size_t t = 0; t + 2 < indices; t += 3) {
                std::array<Point, 3> tri;
                for (size_t k = 0; k < 9; ++k) {
                    const uint32_t i = u32(bin, q + (t + k / 3) * 4);
                    if (i >= vertices)
                        return f.error = "index out of range", f;
                    tri[k / 3][k % 3] = f32(bin, p + i * 12 + k % 3 * 4);
                }
                f.triangles.push_back(tri);
                f.material.push_back(
                    gltf.at("materials").at(material).at("name").get<std::string>());
            }
        }
    } catch (const std::exception& e) {
        f.error = std::string("bad glTF JSON: ") + e.what();
    }
    return f;
}

SolidCheck checkSolid(const FileTriangles& file) {
    SolidCheck c;
    std::map<Point, uint32_t> weld;
    std::map<std::pair<uint32_t, uint32_t>, int> directed;
    for (const auto& tri : file.triangles) {
        uint32_t v[3];
        for (int k = 0; k < 3; ++k) {
            const Point p = {tri[k][0] + 0.0f, tri[k][1] + 0.0f, tri[k][2] + 0.0f};  // -0 is 0
            v[k] = weld.try_emplace(p, uint32_t(weld.size())).first->second;
        }
        for (int k = 0; k < 3; ++k)
            ++directed[{v[k], v[(k + 1) % 3]}];
        const std::array<double, 3> n = cross(tri);
        c.degenerate += n[0] == 0.0 && n[1] == 0.0 && n[2] == 0.0;
        // Signed volume of the tetrahedron with the origin: a . (b x c) / 6 = a . n / 6.
        c.volume += (tri[0][0] * n[0] + tri[0][1] * n[1] + tri[0][2] * n[2]) / 6.0;
    }
    for (const auto& [edge, n] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        c.edgesSameWay += n > 1;
        c.edgesNotShared += n + (back == directed.end() ? 0 : back->second) != 2;
    }
    c.vertices = weld.size();
    c.triangles = file.triangles.size();
    return c;
}

}  // namespace vyr::test
