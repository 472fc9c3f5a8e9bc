#pragma once

// Helpers shared by the font tests: synthetic outlines in pixel units, polygon geometry used
// as an independent reference, and scratch files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "font/Contour.h"
#include "font/FontFace.h"
#include "font/GlyphListFont.h"
#include "font/GlyphOutline.h"
#include "font/TriangleList.h"

namespace vyr::test {

/// One outline point in pixels; `on` marks a point on the curve.
struct P {
    double x;
    double y;
    bool on = true;
};

/// Builds a TrueType-style outline from contours given in pixels (stored as 26.6, i.e. * 64).
inline GlyphOutline makeOutline(std::initializer_list<std::vector<P>> contours) {
    GlyphOutline outline;
    for (const auto& contour : contours) {
        for (const P& p : contour) {
            outline.points.push_back({static_cast<int64_t>(std::lround(p.x * 64.0)),
                                      static_cast<int64_t>(std::lround(p.y * 64.0))});
            outline.tags.push_back(p.on ? 1 : 0);
        }
        outline.contourEnds.push_back(static_cast<int>(outline.points.size()) - 1);
    }
    return outline;
}

inline std::vector<std::pair<double, double>> pointsOf(const Contour& c) {
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < c.count; ++i)
        out.emplace_back(c.points[i].x, c.points[i].y);
    return out;
}

/// Twice the signed area of the triangle (positive when counter-clockwise in x-y).
inline double cross2(const ContourPoint& a, const ContourPoint& b, const ContourPoint& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

inline double signedArea(const Triangle& t) {
    return 0.5 * cross2(*t.a, *t.b, *t.c);
}

/// Shoelace area of a contour, computed independently of Contour::area.
inline double shoelace(const Contour& c) {
    double sum = 0.0;
    for (int i = 0; i < c.count; ++i) {
        const ContourPoint& p = c.points[i];
        const ContourPoint& q = c.points[(i + 1) % c.count];
        sum += p.x * q.y - q.x * p.y;
    }
    return 0.5 * sum;
}

/// Plain even-odd point-in-polygon test (half-open edges), independent of rayClaims.
inline bool insidePolygon(const Contour& c, double x, double y) {
    bool inside = false;
    for (int i = 0, j = c.count - 1; i < c.count; j = i++) {
        const ContourPoint& a = c.points[i];
        const ContourPoint& b = c.points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

/// Test-name suffix for suites run over the two test fonts.
inline std::string fontName(const ::testing::TestParamInfo<const char*>& font) {
    return std::string(font.param).find("DejaVu") != std::string::npos ? "DejaVuSans"
                                                                       : "LiberationSans";
}

/// A face opened from a font file with its glyph font at the mesh builder's 220 points.
struct LoadedFont {
    explicit LoadedFont(const char* path, double points = 220.0) : font(&face) {
        opened = face.open(path) == 1 && font.create(points) == 1;
    }
    FontFace face;
    GlyphListFont font;
    bool opened = false;
};

/// A fresh scratch directory, removed with everything in it when the object goes away.
class ScratchDir {
  public:
    ScratchDir() {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("vyr_font_tests_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace vyr::test
