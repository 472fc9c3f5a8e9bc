#pragma once

// Helpers shared by the text tests: texts on the real test fonts and the triangles of the
// display lists they emit.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "text/CText.h"
#include "text/Filters.h"
#include "text/FontLocator.h"
#include "text/GlSink.h"

namespace vyr::test {

inline constexpr const char* kPangram =
    "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

/// A text object on a real font file with the bevel as given, not yet built.
inline CText textOn(const std::string& fontFile, const std::string& chars, int bevelOn = 1) {
    CText t("/nonexistent-folder");
    t.fontPath = fontFile;
    t.text = chars;
    t.bevelOn = bevelOn;
    return t;
}

inline GlRecorder solidOf(const CText& t) {
    GlRecorder r;
    t.emitSolidList(r);
    return r;
}

inline GlRecorder wireOf(const CText& t) {
    GlRecorder r;
    t.emitWireList(r);
    return r;
}

/// Directed edges of the triangles (triangle blocks and quad strips) of a recorded list whose
/// reverse does not occur exactly once; triangles with a repeated corner cover nothing.
inline int unmatchedEdges(const GlRecorder& list, int* triangles = nullptr) {
    using Xyz = std::array<double, 3>;
    std::map<std::pair<Xyz, Xyz>, int> edges;
    std::vector<Xyz> corners;
    unsigned mode = 0;
    auto add = [&](const Xyz& a, const Xyz& b, const Xyz& c) {
        if (a == b || b == c || c == a)
            return;
        ++edges[{a, b}], ++edges[{b, c}], ++edges[{c, a}];
        if (triangles)
            ++*triangles;
    };
    for (const GlRecorder::Call& k : list.calls) {
        if (k.op == GlRecorder::Op::kBegin) {
            mode = k.arg0;
            corners.clear();
        } else if (k.op == GlRecorder::Op::kVertex3d || k.op == GlRecorder::Op::kVertex3f) {
            corners.push_back({k.v[0], k.v[1], k.v[2]});
            if (mode == kGlTriangles && corners.size() == 3) {
                add(corners[0], corners[1], corners[2]);
                corners.clear();
            }
        } else if (k.op == GlRecorder::Op::kEnd && mode == kGlQuadStrip) {
            for (size_t q = 0; q + 3 < corners.size(); q += 2) {
                add(corners[q], corners[q + 1], corners[q + 3]);
                add(corners[q], corners[q + 3], corners[q + 2]);
            }
        }
    }
    int bad = 0;
    for (const auto& [edge, count] : edges) {
        const auto back = edges.find({edge.second, edge.first});
        bad += count != 1 || back == edges.end() || back->second != 1;
    }
    return bad;
}

}  // namespace vyr::test
