#include "SolidReader.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
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

// Just enough JSON for a glTF header: objects, arrays, strings without escapes, numbers.
struct Json {
    enum Kind { kNull, kNumber, kString, kArray, kObject, kBool } kind = kNull;
    double number = 0.0;
    std::string text;
    std::vector<Json> items;
    std::map<std::string, Json> members;

    const Json& operator[](const std::string& key) const {
        static const Json none;
        const auto it = members.find(key);
        return it == members.end() ? none : it->second;
    }
    const Json& operator[](size_t i) const {
        static const Json none;
        return i < items.size() ? items[i] : none;
    }
    size_t asIndex() const { return size_t(number); }
};

class JsonParser {
  public:
    explicit JsonParser(const std::string& s) : s_(s) {}
    bool parse(Json& out) {
        const bool ok = value(out);
        space();
        return ok && at_ == s_.size();
    }

  private:
    void space() {
        while (at_ < s_.size() && std::strchr(" \t\r\n", s_[at_]))
            ++at_;
    }
    bool value(Json& v) {
        space();
        if (at_ >= s_.size())
            return false;
        const char c = s_[at_];
        if (c == '{') {
            v.kind = Json::kObject;
            ++at_;
            space();
            if (s_[at_] == '}')
                return ++at_, true;
            for (;;) {
                Json key;
                space();
                if (!string(key))
                    return false;
                space();
                if (s_[at_++] != ':')
                    return false;
                if (!value(v.members[key.text]))
                    return false;
                space();
                if (s_[at_] == ',') {
                    ++at_;
                    continue;
                }
                return s_[at_++] == '}';
            }
        }
        if (c == '[') {
            v.kind = Json::kArray;
            ++at_;
            space();
            if (s_[at_] == ']')
                return ++at_, true;
            for (;;) {
                v.items.emplace_back();
                if (!value(v.items.back()))
                    return false;
                space();
                if (s_[at_] == ',') {
                    ++at_;
                    continue;
                }
                return s_[at_++] == ']';
            }
        }
        if (c == '"')
            return string(v);
        if (s_.compare(at_, 4, "true") == 0)
            return v.kind = Json::kBool, at_ += 4, true;
        if (s_.compare(at_, 5, "false") == 0)
            return v.kind = Json::kBool, at_ += 5, true;
        if (s_.compare(at_, 4, "null") == 0)
            return at_ += 4, true;
        size_t used = 0;
        try {
            v.number = std::stod(s_.substr(at_, 40), &used);
        } catch (...) {
            return false;
        }
        v.kind = Json::kNumber;
        at_ += used;
        return used > 0;
    }
    bool string(Json& v) {
        if (s_[at_] != '"')
            return false;
        const size_t end = s_.find('"', at_ + 1);
        if (end == std::string::npos)
            return false;
        v.kind = Json::kString;
        v.text = s_.substr(at_ + 1, end - at_ - 1);
        at_ = end + 1;
        return true;
    }

    const std::string& s_;
    size_t at_ = 0;
};

}  // namespace

FileTriangles readStl(const std::string& b) {
    FileTriangles f;
    if (b.size() < 84)
        return f.error = "shorter than an STL header", f;
    if (b.compare(0, 5, "solid") == 0)
        return f.error = "header starts like a text STL", f;
    const uint32_t n = u32(b, 80);
    if (b.size() != 84 + size_t(n) * 50)
        return f.error = "size does not match the count", f;
    for (uint32_t t = 0; t < n; ++t) {
        const size_t at = 84 + size_t(t) * 50;
        std::array<Point, 3> tri;
        for (int k = 0; k < 3; ++k) {
            for (int c = 0; c < 3; ++c)
                tri[k][c] = f32(b, at + 12 + size_t(k) * 12 + size_t(c) * 4);
        }
        // The stored normal must agree with the winding.
        const double ux = tri[1][0] - tri[0][0], uy = tri[1][1] - tri[0][1],
                     uz = tri[1][2] - tri[0][2];
        const double wx = tri[2][0] - tri[0][0], wy = tri[2][1] - tri[0][1],
                     wz = tri[2][2] - tri[0][2];
        const double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
        if (nx * f32(b, at) + ny * f32(b, at + 4) + nz * f32(b, at + 8) <= 0.0)
            f.error = "a facet normal points against its winding";
        f.triangles.push_back(tri);
        f.material.emplace_back();
    }
    return f;
}

FileTriangles readObj(const std::string& text) {
    FileTriangles f;
    std::vector<Point> v;
    std::string material;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream l(line);
        std::string tag;
        l >> tag;
        if (tag == "v") {
            std::string x, y, z;
            l >> x >> y >> z;
            v.push_back({std::stof(x), std::stof(y), std::stof(z)});
        } else if (tag == "usemtl") {
            l >> material;
        } else if (tag == "f") {
            std::array<Point, 3> tri;
            for (int k = 0; k < 3; ++k) {
                long i = 0;
                if (!(l >> i) || i < 1 || size_t(i) > v.size())
                    return f.error = "bad face: " + line, f;
                tri[k] = v[size_t(i) - 1];
            }
            std::string more;
            if (l >> more)
                return f.error = "face with more than three corners", f;
            f.triangles.push_back(tri);
            f.material.push_back(material);
        }
    }
    return f;
}

FileTriangles readGlb(const std::string& b) {
    FileTriangles f;
    if (b.size() < 20 || b.compare(0, 4, "glTF") != 0)
        return f.error = "no glTF header", f;
    if (u32(b, 4) != 2 || u32(b, 8) != b.size())
        return f.error = "bad version or length", f;
    const size_t jsonLength = u32(b, 12);
    if (b.compare(16, 4, "JSON") != 0 || 20 + jsonLength > b.size())
        return f.error = "no JSON chunk", f;
    Json gltf;
    if (!JsonParser(b.substr(20, jsonLength)).parse(gltf))
        return f.error = "bad JSON", f;
    std::string bin;
    const size_t binAt = 20 + jsonLength;
    if (binAt + 8 <= b.size()) {
        if (b.compare(binAt + 4, 4, std::string("BIN\0", 4)) != 0)
            return f.error = "bad BIN", f;
        bin = b.substr(binAt + 8, u32(b, binAt));
    }
    const Json& meshes = gltf["meshes"];
    if (meshes.items.empty())
        return f;
    auto viewBytes = [&](const Json& accessor, size_t elementSize, size_t& count) {
        const Json& view = gltf["bufferViews"][accessor["bufferView"].asIndex()];
        count = accessor["count"].asIndex();
        const size_t offset = view["byteOffset"].asIndex() + accessor["byteOffset"].asIndex();
        if (offset + count * elementSize > bin.size())
            count = 0;
        return offset;
    };
    for (const Json& primitive : meshes[0]["primitives"].items) {
        if (primitive["mode"].kind == Json::kNumber && primitive["mode"].number != 4)
            return f.error = "not triangles", f;
        const Json& position = gltf["accessors"][primitive["attributes"]["POSITION"].asIndex()];
        const Json& index = gltf["accessors"][primitive["indices"].asIndex()];
        if (position["componentType"].number != 5126 || index["componentType"].number != 5125)
            return f.error = "unexpected component types", f;
        size_t vertexCount = 0, indexCount = 0;
        const size_t p = viewBytes(position, 12, vertexCount);
        const size_t q = viewBytes(index, 4, indexCount);
        if (indexCount % 3)
            return f.error = "index count not a multiple of 3", f;
        const std::string material =
            gltf["materials"][primitive["material"].asIndex()]["name"].text;
        for (size_t t = 0; t < indexCount; t += 3) {
            std::array<Point, 3> tri;
            for (size_t k = 0; k < 3; ++k) {
                const uint32_t i = u32(bin, q + (t + k) * 4);
                if (i >= vertexCount)
                    return f.error = "index out of range", f;
                for (size_t c = 0; c < 3; ++c)
                    tri[k][c] = f32(bin, p + i * 12 + c * 4);
            }
            f.triangles.push_back(tri);
            f.material.push_back(material);
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
            Point p = tri[k];
            for (float& x : p)
                x += 0.0f;  // -0 and +0 are one position
            v[k] = weld.try_emplace(p, uint32_t(weld.size())).first->second;
        }
        const double ax = tri[0][0], ay = tri[0][1], az = tri[0][2];
        const double ux = tri[1][0] - ax, uy = tri[1][1] - ay, uz = tri[1][2] - az;
        const double wx = tri[2][0] - ax, wy = tri[2][1] - ay, wz = tri[2][2] - az;
        const double nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
        if (nx == 0.0 && ny == 0.0 && nz == 0.0)
            ++c.degenerate;
        // Signed volume of the tetrahedron with the origin.
        c.volume += (ax * (double(tri[1][1]) * tri[2][2] - double(tri[1][2]) * tri[2][1]) -
                     ay * (double(tri[1][0]) * tri[2][2] - double(tri[1][2]) * tri[2][0]) +
                     az * (double(tri[1][0]) * tri[2][1] - double(tri[1][1]) * tri[2][0])) /
                    6.0;
        for (int k = 0; k < 3; ++k)
            ++directed[{v[k], v[(k + 1) % 3]}];
    }
    for (const auto& [edge, n] : directed) {
        const auto back = directed.find({edge.second, edge.first});
        const int m = back == directed.end() ? 0 : back->second;
        if (n > 1)
            ++c.edgesSameWay;
        if (n + m != 2)
            ++c.edgesNotShared;
    }
    c.vertices = weld.size();
    c.triangles = file.triangles.size();
    return c;
}

}  // namespace vyr::test
