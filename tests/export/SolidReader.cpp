#include "SolidReader.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>
#include <sstream>

namespace vyr::test {

namespace {

uint32_t u32(const std::string& b, size_t at) {
    uint32_t v = 0;
    for (int k = 3; k >= 0; --k)
        v = v << 8 | uint8_t(b[at + size_t(k)]);
    return v;
}

float f32(const std::string& b, size_t at) {
    const uint32_t v = u32(b, at);
    float f;
    std::memcpy(&f, &v, 4);
    return f;
}

Point cross(const std::array<Point, 3>& t) {
    const double ux = t[1][0] - t[0][0], uy = t[1][1] - t[0][1], uz = t[1][2] - t[0][2];
    const double wx = t[2][0] - t[0][0], wy = t[2][1] - t[0][1], wz = t[2][2] - t[0][2];
    return {float(uy * wz - uz * wy), float(uz * wx - ux * wz), float(ux * wy - uy * wx)};
}

// Just enough JSON for a glTF header: objects, arrays, strings without escapes, numbers.
struct Json {
    double number = -1.0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        static const Json none;
        const auto it = members.find(key);
        return it == members.end() ? none : it->second;
    }
    const Json& operator[](double i) const {
        static const Json none;
        return i >= 0 && size_t(i) < items.size() ? items[size_t(i)] : none;
    }
    size_t index() const { return number < 0 ? 0 : size_t(number); }
};

// Parses the value at s[at]; false on anything it does not understand.
bool parse(const std::string& s, size_t& at, Json& v) {
    auto skip = [&] {
        while (at < s.size() && std::strchr(" \t\r\n", s[at]))
            ++at;
    };
    skip();
    if (at >= s.size())
        return false;
    if (s[at] == '"') {
        const size_t end = s.find('"', at + 1);
        v.text = s.substr(at + 1, end - at - 1);
        return at = end + 1, end != std::string::npos;
    }
    if (s[at] == '{' || s[at] == '[') {
        const char close = s[at++] == '{' ? '}' : ']';
        for (skip(); at < s.size() && s[at] != close; skip()) {
            Json key, item;
            if (close == '}' && (!parse(s, at, key) || (skip(), s[at++] != ':')))
                return false;
            if (!parse(s, at, close == '}' ? v.members[key.text] : item))
                return false;
            if (close == ']')
                v.items.push_back(item);
            skip();
            if (s[at] == ',')
                ++at;
        }
        return at++ < s.size();
    }
    char* end = nullptr;
    v.number = std::strtod(s.c_str() + at, &end);
    const size_t used = size_t(end - (s.c_str() + at));
    return at += used, used > 0;
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
        const Point w = cross(tri);
        const double length = std::hypot(w[0], w[1], w[2]);
        for (size_t k = 0; k < 3; ++k) {
            if (!(std::fabs(f32(b, at + 4 * k) - w[k] / length) < 1e-5))
                f.error = "a facet normal is not the unit normal of its winding";
        }
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
    const size_t jsonLength = u32(b, 12);
    Json gltf;
    size_t at = 0;
    if (b.compare(16, 4, "JSON") != 0 || 20 + jsonLength > b.size() ||
        !parse(b.substr(20, jsonLength), at, gltf))
        return f.error = "no JSON chunk", f;
    std::string bin;
    const size_t binAt = 20 + jsonLength;
    if (binAt + 8 <= b.size()) {
        if (b.compare(binAt + 4, 4, std::string("BIN\0", 4)) != 0)
            return f.error = "bad BIN chunk", f;
        bin = b.substr(binAt + 8, u32(b, binAt));
    }
    // Byte offset of an accessor's data; its count is cut to 0 when the data runs past the
    // chunk or its view is not exactly as long.
    auto data = [&](const Json& accessor, size_t size, size_t& count) {
        const Json& view = gltf["bufferViews"][accessor["bufferView"].number];
        const size_t offset = view["byteOffset"].index() + accessor["byteOffset"].index();
        count = accessor["count"].index();
        const size_t bytes = count * size;
        count = offset + bytes > bin.size() || view["byteLength"].index() != bytes ? 0 : count;
        return offset;
    };
    for (const Json& primitive : gltf["meshes"][0.0]["primitives"].items) {
        const Json& position = gltf["accessors"][primitive["attributes"]["POSITION"].number];
        const Json& index = gltf["accessors"][primitive["indices"].number];
        if (primitive["mode"].number > 0 && primitive["mode"].number != 4)
            return f.error = "not triangles", f;
        if (position["componentType"].number != 5126 || index["componentType"].number != 5125)
            return f.error = "unexpected component types", f;
        size_t vertices = 0, indices = 0;
        const size_t p = data(position, 12, vertices), q = data(index, 4, indices);
        for (size_t t = 0; t + 2 < indices; t += 3) {
            std::array<Point, 3> tri;
            for (size_t k = 0; k < 9; ++k) {
                const uint32_t i = u32(bin, q + (t + k / 3) * 4);
                if (i >= vertices)
                    return f.error = "index out of range", f;
                tri[k / 3][k % 3] = f32(bin, p + i * 12 + k % 3 * 4);
            }
            f.triangles.push_back(tri);
            f.material.push_back(gltf["materials"][primitive["material"].number]["name"].text);
        }
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
        const Point n = cross(tri);
        c.degenerate += n[0] == 0.0f && n[1] == 0.0f && n[2] == 0.0f;
        // Signed volume of the tetrahedron with the origin: a . (b x c) / 6.
        const auto& [a, p, q] = tri;
        c.volume += (double(a[0]) * (double(p[1]) * q[2] - double(p[2]) * q[1]) -
                     double(a[1]) * (double(p[0]) * q[2] - double(p[2]) * q[0]) +
                     double(a[2]) * (double(p[0]) * q[1] - double(p[1]) * q[0])) /
                    6.0;
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
