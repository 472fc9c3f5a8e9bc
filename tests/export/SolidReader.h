#pragma once

// An independent reader of the mesh files the exporter writes (binary STL, OBJ, binary glTF)
// and a check of the solid they hold. It shares no code with the writers: vertices are welded
// again by exact position, and every claim is recounted from the file's bytes.

#include <array>
#include <string>
#include <vector>

namespace vyr::test {

using Point = std::array<float, 3>;

struct FileTriangles {
    std::vector<std::array<Point, 3>> triangles;
    /// Per triangle: the material (OBJ usemtl name, glTF material name; empty for STL).
    std::vector<std::string> material;
    /// Set when the file could not be read; the triangles are then incomplete.
    std::string error;
};

FileTriangles readStl(const std::string& bytes);
FileTriangles readObj(const std::string& text);
FileTriangles readGlb(const std::string& bytes);

struct SolidCheck {
    size_t vertices = 0;
    size_t triangles = 0;
    size_t degenerate = 0;      ///< triangles whose corners are collinear or repeated
    size_t edgesNotShared = 0;  ///< undirected edges used other than exactly twice
    size_t edgesSameWay = 0;    ///< edges used twice in one direction (neighbours disagree)
    double volume = 0.0;        ///< enclosed volume, positive when the triangles face out

    bool closedAndOriented() const {
        return triangles > 0 && degenerate == 0 && edgesNotShared == 0 && edgesSameWay == 0;
    }
};

SolidCheck checkSolid(const FileTriangles& file);

}  // namespace vyr::test
