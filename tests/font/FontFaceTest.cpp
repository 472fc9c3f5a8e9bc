// Opening faces, the character-code table, instances and glyph loading. A second, independent
// FreeType face loaded at 220 points and 96 dpi serves as the reference for glyph data.

#include <ft2build.h>
#include <gtest/gtest.h>
#include FT_FREETYPE_H

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "FontTestSupport.h"
#include "font/FontEngine.h"
#include "font/FontFace.h"
#include "font/FontGlyph.h"
#include "font/FontInstance.h"
#include "font/GlyphListFont.h"
#include "font/GlyphSet.h"

using namespace vyr;
using vyr::test::LoadedFont;
using vyr::test::ScratchDir;

namespace {

// The glyph data FreeType gives for a glyph index, straight from the library.
struct ReferenceGlyph {
    std::vector<GlyphOutline::Point> points;
    std::vector<uint8_t> tags;
    std::vector<int> contourEnds;
    long advance = 0;
};

class ReferenceFace {
  public:
    explicit ReferenceFace(const char* path, double points = 220.0) {
        ok_ = FT_Init_FreeType(&lib_) == 0 && FT_New_Face(lib_, path, 0, &face_) == 0 &&
              FT_Set_Char_Size(face_, 0, std::lround(points * 64), 96, 96) == 0;
    }
    ~ReferenceFace() {
        if (face_)
            FT_Done_Face(face_);
        if (lib_)
            FT_Done_FreeType(lib_);
    }
    bool ok() const { return ok_; }
    unsigned charIndex(unsigned long c) const { return FT_Get_Char_Index(face_, c); }
    ReferenceGlyph load(unsigned index) const {
        ReferenceGlyph g;
        if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0)
            return g;
        const FT_Outline& o = face_->glyph->outline;
        for (int i = 0; i < o.n_points; ++i) {
            g.points.push_back({o.points[i].x, o.points[i].y});
            g.tags.push_back(static_cast<uint8_t>(o.tags[i]));
        }
        g.contourEnds.assign(o.contours, o.contours + o.n_contours);
        g.advance = face_->glyph->metrics.horiAdvance;
        return g;
    }

  private:
    FT_Library lib_ = nullptr;
    FT_Face face_ = nullptr;
    bool ok_ = false;
};

bool samePoints(const std::vector<GlyphOutline::Point>& a,
                const std::vector<GlyphOutline::Point>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    }
    return true;
}

void expectSameGlyph(const FontGlyph& g, const ReferenceGlyph& r) {
    EXPECT_TRUE(samePoints(g.outline().points, r.points));
    EXPECT_EQ(g.outline().tags, r.tags);
    EXPECT_EQ(g.outline().contourEnds, r.contourEnds);
    EXPECT_EQ(g.metrics()[FontGlyph::kAdvance], r.advance);
    EXPECT_EQ(g.advance(), r.advance / 64.0);
}

void expectSameGlyph(const FontGlyph* a, const FontGlyph* b, int code) {
    ASSERT_EQ(a == nullptr, b == nullptr) << "code " << code;
    if (a == nullptr)
        return;
    EXPECT_TRUE(samePoints(a->outline().points, b->outline().points)) << "code " << code;
    EXPECT_EQ(a->outline().tags, b->outline().tags) << "code " << code;
    EXPECT_EQ(a->outline().contourEnds, b->outline().contourEnds) << "code " << code;
    EXPECT_EQ(a->metrics(), b->metrics()) << "code " << code;
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void expectRefused(const std::string& path) {
    FontFace face;
    EXPECT_EQ(face.open(path), 0) << path;
    EXPECT_FALSE(face.isOpen());
    EXPECT_EQ(face.glyphCount(), 0);
    for (int c = 0; c < 256; ++c)
        ASSERT_EQ(face.glyphIndex(c), 0u) << "code " << c;
    // Nothing can be built on the refused face.
    GlyphListFont font(&face);
    EXPECT_EQ(font.create(220), 0);
    EXPECT_EQ(font.glyph('A'), nullptr);
}

}  // namespace

// --- engine and opening ----------------------------------------------------------------------

TEST(FontEngine, AccessorReturnsOneInitialisedEngine) {
    FontEngine* engine = FontEngine::instance();
    ASSERT_NE(engine, nullptr);
    EXPECT_NE(engine->library(), nullptr);
    EXPECT_EQ(FontEngine::instance(), engine);
    EXPECT_EQ(FontFace().engine(), engine);
}

TEST(FontFaceOpen, MissingFileIsRefused) {
    expectRefused("/nonexistent/vyr/NoSuchFont.ttf");
}

TEST(FontFaceOpen, EmptyFileIsRefused) {
    ScratchDir dir;
    writeFile(dir.file("empty.ttf"), "");
    expectRefused(dir.file("empty.ttf"));
}

TEST(FontFaceOpen, TextFileNamedTtfIsRefused) {
    ScratchDir dir;
    writeFile(dir.file("notes.ttf"), "This is not a font.\nJust some text in a file.\n");
    expectRefused(dir.file("notes.ttf"));
}

TEST(FontFaceOpen, TruncatedFontIsRefused) {
    ScratchDir dir;
    std::ifstream in(VYR_TEST_FONT_DEJAVU, std::ios::binary);
    std::string head(1000, '\0');
    ASSERT_TRUE(in.read(head.data(), head.size()));
    writeFile(dir.file("truncated.ttf"), head);
    expectRefused(dir.file("truncated.ttf"));
}

TEST(FontFaceOpen, DirectoryIsRefused) {
    ScratchDir dir;
    std::filesystem::create_directory(dir.file("folder.ttf"));
    expectRefused(dir.file("folder.ttf"));
}

TEST(FontFaceOpen, SecondOpenFailsAndKeepsTheFirstFace) {
    FontFace face;
    ASSERT_EQ(face.open(VYR_TEST_FONT_DEJAVU), 1);
    const uint32_t a = face.glyphIndex('A');
    const long glyphs = face.glyphCount();
    EXPECT_EQ(face.open(VYR_TEST_FONT_LIBERATION), 0);
    EXPECT_EQ(face.open(VYR_TEST_FONT_DEJAVU), 0);
    EXPECT_TRUE(face.isOpen());
    EXPECT_EQ(face.glyphIndex('A'), a);
    EXPECT_EQ(face.glyphCount(), glyphs);
    // Closed, it can open another font.
    face.close();
    EXPECT_FALSE(face.isOpen());
    EXPECT_EQ(face.glyphIndex('A'), 0u);
    EXPECT_EQ(face.open(VYR_TEST_FONT_LIBERATION), 1);
}

// --- character-code table --------------------------------------------------------------------

class FontCodeTable : public ::testing::TestWithParam<const char*> {};

TEST_P(FontCodeTable, CodesAreLookedUpAsLatin1CodePointsInTheUnicodeMap) {
    FontFace face;
    ASSERT_EQ(face.open(GetParam()), 1);
    ReferenceFace ref(GetParam());
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(face.charmapPlatform(), 3);
    EXPECT_EQ(face.charmapEncoding(), 1);
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(face.glyphIndex(c), ref.charIndex(c)) << "code " << c;
    }
    EXPECT_NE(face.glyphIndex('A'), 0u);
    EXPECT_NE(face.glyphIndex(0xE9), 0u);  // e acute, U+00E9
    EXPECT_NE(face.glyphIndex(0xE9), face.glyphIndex('e'));
    EXPECT_EQ(face.glyphIndex(1), 0u);  // a control code has no glyph
    EXPECT_EQ(face.glyphIndex(-1), face.glyphIndex(0));
    EXPECT_EQ(face.glyphIndex(256), face.glyphIndex(0));
}

// --- glyphs ----------------------------------------------------------------------------------

TEST_P(FontCodeTable, GlyphsAreScaledTo220PointsAt96DpiAndHinted) {
    LoadedFont font(GetParam());
    ASSERT_TRUE(font.opened);
    ReferenceFace ref(GetParam());
    ASSERT_TRUE(ref.ok());
    for (int c : {int('A'), int('o'), int('8'), int('@'), 0xE9}) {
        SCOPED_TRACE(c);
        const FontGlyph* g = font.font.glyph(c);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->code(), c);
        expectSameGlyph(*g, ref.load(ref.charIndex(c)));
    }
    // Hinted advances are whole pixels; about 293 pixels per em.
    const double m = font.font.glyph('M')->advance();
    EXPECT_EQ(m, std::floor(m));
    EXPECT_GT(m, 200.0);
    EXPECT_LT(m, 300.0);
}

TEST_P(FontCodeTable, MissingCodeLoadsGlyphZero) {
    LoadedFont font(GetParam());
    ASSERT_TRUE(font.opened);
    ReferenceFace ref(GetParam());
    ASSERT_TRUE(ref.ok());
    const ReferenceGlyph notdef = ref.load(0);
    ASSERT_FALSE(notdef.points.empty()) << "the font's glyph 0 should have an outline";
    for (int c : {1, 0x81}) {
        SCOPED_TRACE(c);
        ASSERT_EQ(font.face.glyphIndex(c), 0u);
        const FontGlyph* g = font.font.glyph(c);
        ASSERT_NE(g, nullptr);
        EXPECT_TRUE(g->hasOutline());
        expectSameGlyph(*g, notdef);
    }
    expectSameGlyph(font.font.glyph(0x81), font.font.glyph(1), 0x81);
}

TEST_P(FontCodeTable, LazilyLoadedGlyphsEqualLoadAll) {
    LoadedFont all(GetParam());
    LoadedFont lazy(GetParam());
    ASSERT_TRUE(all.opened && lazy.opened);
    ASSERT_EQ(all.font.glyphs()->loadAll(), 1);
    for (int c = 255; c >= 0; --c)
        expectSameGlyph(lazy.font.glyph(c), all.font.glyph(c), c);
}

TEST_P(FontCodeTable, InstancesOnOneFaceKeepTheirOwnSizes) {
    // Two glyph fonts on the same face, loaded alternately, give what each gives alone.
    FontFace face;
    ASSERT_EQ(face.open(GetParam()), 1);
    GlyphListFont big(&face);
    GlyphListFont small(&face);
    ASSERT_EQ(big.create(220), 1);
    ASSERT_EQ(small.create(100), 1);
    ReferenceFace ref220(GetParam(), 220);
    ReferenceFace ref100(GetParam(), 100);
    for (int c : {'M', 'o', 'g'}) {
        SCOPED_TRACE(c);
        ASSERT_NE(small.glyph(c), nullptr);
        ASSERT_NE(big.glyph(c), nullptr);
        expectSameGlyph(*big.glyph(c), ref220.load(ref220.charIndex(c)));
        expectSameGlyph(*small.glyph(c), ref100.load(ref100.charIndex(c)));
    }
}

TEST_P(FontCodeTable, CreatingAgainReplacesTheSize) {
    LoadedFont font(GetParam());
    ASSERT_TRUE(font.opened);
    const double at220 = font.font.glyph('M')->advance();
    ASSERT_EQ(font.font.create(110), 1);
    const double at110 = font.font.glyph('M')->advance();
    EXPECT_NEAR(at110, at220 / 2, 1.0);
}

TEST(GlyphListFont, PointSizesBelowOneAreTakenAsOne) {
    LoadedFont one(VYR_TEST_FONT_DEJAVU, 1.0);
    ASSERT_TRUE(one.opened);
    ASSERT_NE(one.font.glyph('M'), nullptr);
    const double advance = one.font.glyph('M')->advance();
    EXPECT_LE(advance, 2.0);
    for (double p : {0.0, -5.0, 0.5, std::numeric_limits<double>::quiet_NaN()}) {
        LoadedFont font(VYR_TEST_FONT_DEJAVU, p);
        ASSERT_TRUE(font.opened) << p;
        ASSERT_NE(font.font.glyph('M'), nullptr) << p;
        EXPECT_EQ(font.font.glyph('M')->advance(), advance) << p;
    }
}

TEST(FontGlyph, CodeOutsideTheTableLoadsEntryZero) {
    FontFace face;
    ASSERT_EQ(face.open(VYR_TEST_FONT_DEJAVU), 1);
    FontInstance instance(&face);
    ASSERT_EQ(instance.open(), 1);
    ASSERT_EQ(instance.setResolution(96, 96), 1);
    ASSERT_EQ(instance.setPointSize(220), 1);
    FontGlyph zero(&instance);
    FontGlyph outside(&instance);
    ASSERT_EQ(zero.load(0), 1);
    ASSERT_EQ(outside.load(1000), 1);
    EXPECT_EQ(outside.code(), 1000);
    expectSameGlyph(&outside, &zero, 1000);
}

TEST(FontGlyph, WithoutAnOpenFaceNothingLoads) {
    FontFace face;
    FontInstance instance(&face);
    EXPECT_EQ(instance.open(), 0);
    EXPECT_EQ(instance.setPointSize(220), 0);
    FontGlyph g(&instance);
    EXPECT_EQ(g.load('A'), 0);
    EXPECT_FALSE(g.isLoaded());
    EXPECT_EQ(g.advance(), 0.0);
    FontGlyph orphan(nullptr);
    EXPECT_EQ(orphan.load('A'), 0);
    GlyphSet set(nullptr);
    EXPECT_EQ(set.loadAll(), 0);
    EXPECT_EQ(set.glyph('A'), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontCodeTable,
                         ::testing::Values(VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION),
                         vyr::test::fontName);
