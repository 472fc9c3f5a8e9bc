#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "TextTestSupport.h"
#include "text/GlSink.h"

using namespace vyr;
using Op = GlRecorder::Op;

namespace {

using Point = std::tuple<double, double, double>;

// Collects the triangles of a solid list (triangle blocks and quad strips) and counts how
// often each directed edge occurs.
class EdgeCounter : public GlSink {
  public:
    void enable(unsigned) override {}
    void matrixMode(unsigned) override {}
    void pushMatrix() override {}
    void popMatrix() override {}
    void translate(double, double, double) override {}
    void material(unsigned, unsigned, const float*) override {}
    void color3f(float, float, float) override {}
    void begin(unsigned mode) override {
        mode_ = mode;
        strip_.clear();
    }
    void end() override {
        if (mode_ == kGlQuadStrip) {
            for (size_t k = 0; k + 3 < strip_.size(); k += 2) {
                triangle(strip_[k], strip_[k + 1], strip_[k + 3]);
                triangle(strip_[k], strip_[k + 3], strip_[k + 2]);
            }
        }
        mode_ = 0;
    }
    void normal3d(double, double, double) override {}
    void normal3f(float, float, float) override {}
    void vertex3d(double x, double y, double z) override { add({x, y, z}); }
    void vertex3f(float x, float y, float z) override { add({x, y, z}); }

    /// Directed edges whose reverse does not occur exactly as often.
    int unmatched() const {
        int bad = 0;
        for (const auto& [edge, count] : edges) {
            auto it = edges.find({edge.second, edge.first});
            if (it == edges.end() || it->second != count || count != 1)
                ++bad;
        }
        return bad;
    }

    std::map<std::pair<Point, Point>, int> edges;
    int triangles = 0;

  private:
    void add(Point p) {
        if (mode_ == kGlQuadStrip) {
            strip_.push_back(p);
            return;
        }
        strip_.push_back(p);
        if (strip_.size() == 3) {
            triangle(strip_[0], strip_[1], strip_[2]);
            strip_.clear();
        }
    }
    void triangle(Point a, Point b, Point c) {
        if (a == b || b == c || c == a)
            return;
        ++triangles;
        ++edges[{a, b}];
        ++edges[{b, c}];
        ++edges[{c, a}];
    }
    unsigned mode_ = 0;
    std::vector<Point> strip_;
};

void expectEveryGlyphClosed(const char* font) {
    for (const char* c = test::kPangram; *c; ++c) {
        if (*c == ' ')
            continue;
        CText t = test::builtText(font, std::string(1, *c), 0);
        ASSERT_TRUE(t.buildMesh().ok);
        EdgeCounter counter;
        t.emitSolidList(counter);
        EXPECT_GT(counter.triangles, 0) << *c;
        EXPECT_EQ(counter.unmatched(), 0) << "glyph '" << *c << "' in " << font;
    }
}

}  // namespace

TEST(MeshClosure, EveryGlyphWithoutBevelIsClosedInDejaVuSans) {
    expectEveryGlyphClosed(VYR_TEST_FONT_DEJAVU);
}

TEST(MeshClosure, EveryGlyphWithoutBevelIsClosedInLiberationSans) {
    expectEveryGlyphClosed(VYR_TEST_FONT_LIBERATION);
}
