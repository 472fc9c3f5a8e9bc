// Opening faces, the character-code table, instances and glyph loading. A second, independent
// FreeType face at the same size and 96 dpi serves as the reference for glyph data.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <tuple>

#include "FontTestSupport.h"
#include "font/FontGlyph.h"
#include "font/FontInstance.h"
#include "font/GlyphSet.h"

using namespace vyr;
using test::LoadedFont;

namespace {

// A glyph's points, tags, contour ends and advance, in 26.6 units.
using GlyphData =
    std::tuple<std::vector<std::pair<long, long>>, std::vector<uint8_t>, std::vector<int>, long>;

GlyphData dataOf(const FontGlyph* g) {
    GlyphData d{{}, g->outline().tags, g->outline().contourEnds, g->metrics()[FontGlyph::kAdvance]};
    for (const auto& p : g->outline().points)
        std::get<0>(d).emplace_back(p.x, p.y);
    EXPECT_EQ(g->advance(), std::get<3>(d) / 64.0);
    return d;
}

// The same font opened straight through FreeType at 220 points and 96 dpi.
struct ReferenceFace {
    explicit ReferenceFace(const char* path) {
        FT_Init_FreeType(&library);
        FT_New_Face(library, path, 0, &face);
        FT_Set_Char_Size(face, 0, 220 * 64, 96, 96);
    }
    ~ReferenceFace() { FT_Done_FreeType(library); }
    GlyphData load(unsigned index) const {
        EXPECT_EQ(FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP), 0);
        const FT_Outline& o = face->glyph->outline;
        GlyphData d{{},
                    {o.tags, o.tags + o.n_points},
                    {o.contours, o.contours + o.n_contours},
                    face->glyph->metrics.horiAdvance};
        for (int i = 0; i < o.n_points; ++i)
            std::get<0>(d).emplace_back(o.points[i].x, o.points[i].y);
        return d;
    }
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

}  // namespace

TEST(FontFace, OnlyFontsOpenOnceSymbolMapsFallBackAndRefusedSizesAndGlyphsFail) {
    const test::TempFolder dir;
    std::filesystem::create_directories(dir.path / "folder.ttf");
    const std::string font = test::slurp(VYR_TEST_FONT_LIBERATION);
    auto file = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir.path / name;
    };
    for (const std::filesystem::path& path :
         {dir.path / "missing.ttf", file("empty.ttf", ""),
          file("notes.ttf", "Not a font.\nText.\n"), file("truncated.ttf", font.substr(0, 1000)),
          dir.path / "folder.ttf"}) {
        SCOPED_TRACE(path);
        FontFace face;
        EXPECT_TRUE(face.open(path) == 0 && !face.isOpen() && face.glyphCount() == 0);
        for (int c = 0; c < 256; ++c)
            ASSERT_EQ(face.glyphIndex(c), 0u) << "code " << c;
        GlyphListFont glyphs(&face);
        EXPECT_TRUE(glyphs.create(220) == 0 && glyphs.glyph('A') == nullptr);
    }
    // The font's Unicode map (3, 1) rewritten as a symbol map (3, 0), which lacks the codes
    // F000 + c and so is asked for c itself; or its Mac Roman map (1, 0) relabelled (3, 0),
    // which the Unicode map after it still wins over ('\xE9' is 0x8E in Mac Roman); or the
    // Mac Roman map alone (and no glyph names), asked for the code itself.
    auto u16 = [&](size_t at) { return size_t(uint8_t(font[at])) << 8 | uint8_t(font[at + 1]); };
    size_t entry = 12;
    while (font.compare(entry, 4, "cmap") != 0)
        entry += 16;
    const size_t cmap = u16(entry + 8) << 16 | u16(entry + 10);
    std::string symbol = font, mac = font, bare = font, macOnly = font;
    // Neither "cmap" nor the glyph names in "post" that a Unicode map could be made from.
    bare[entry + 3] = 'x', bare[font.find("post", 12) + 3] = 'x';
    for (size_t r = cmap + 4; r < cmap + 4 + 8 * u16(cmap + 2); r += 8) {
        symbol[r + 3] = u16(r) == 3 ? 0 : symbol[r + 3];
        mac[r + 1] = u16(r) == 1 ? 3 : mac[r + 1];
        if (u16(r) == 1)
            macOnly.replace(cmap + 4, 8, font, r, 8);
    }
    macOnly[cmap + 3] = 1, macOnly[font.find("post", 12) + 3] = 'x';
    FontFace unicode, symbols, macFirst, macRoman;
    ASSERT_EQ(unicode.open(VYR_TEST_FONT_LIBERATION) + symbols.open(file("symbol.ttf", symbol)) +
                  macFirst.open(file("mac.ttf", mac)) + macRoman.open(file("roman.ttf", macOnly)),
              4);
    EXPECT_EQ(std::pair(macRoman.charmapPlatform(), macRoman.glyphIndex(0x8E)),
              std::pair(1, unicode.glyphIndex(0xE9)));
    EXPECT_EQ(std::pair(symbols.charmapPlatform(), symbols.charmapEncoding()), std::pair(3, 0));
    EXPECT_EQ(std::pair(macFirst.charmapPlatform(), macFirst.charmapEncoding()), std::pair(3, 1));
    FontFace noMaps;  // takes each code as its glyph index
    ASSERT_EQ(noMaps.open(file("bare.ttf", bare)), 1);
    EXPECT_TRUE(noMaps.charmapPlatform() == -1 && noMaps.glyphIndex('A') == uint32_t('A'));
    for (int c = 0; c < 256; ++c) {
        ASSERT_EQ(symbols.glyphIndex(c), unicode.glyphIndex(c)) << "code " << c;
        ASSERT_EQ(macFirst.glyphIndex(c), unicode.glyphIndex(c)) << "code " << c;
    }
    // An open face refuses a second file and forgets its table when closed.
    EXPECT_EQ(symbols.open(VYR_TEST_FONT_DEJAVU), 0);
    symbols.close();
    EXPECT_EQ(symbols.glyphIndex('A'), 0u);
    EXPECT_EQ(std::pair(symbols.charmapPlatform(), symbols.charmapEncoding()), std::pair(-1, -1));
    // A size FreeType refuses (one point at one dot per inch, under a pixel per em) fails.
    FontInstance size(&unicode);
    EXPECT_EQ(FontGlyph(&size).load('A'), 0);  // from a size not open yet
    ASSERT_EQ(size.open(), 1);
    size.setResolution(1, 1);
    EXPECT_EQ(size.setPointSize(1), 0);
    size.setResolution(72, 72);
    EXPECT_EQ(size.setPointSize(1), 1);
    // A glyph keeps nothing of an earlier one when a load fails (its face closed).
    FontGlyph glyph(&size);
    ASSERT_EQ(glyph.load('A'), 1);
    unicode.close();
    EXPECT_EQ(glyph.load('A'), 0);
    EXPECT_EQ(glyph.metrics(), (std::array<int32_t, 7>{}));
    EXPECT_TRUE(!glyph.isLoaded() && !glyph.hasOutline() && glyph.outline().points.empty());
}

using FontCodeTable = test::RealFont;

TEST_P(FontCodeTable, CodesAreLatin1CodePointsAndGlyphsMatchFreeTypeAt220PointsHinted) {
    LoadedFont font(GetParam());
    const ReferenceFace ref(GetParam());
    ASSERT_TRUE(font.opened && ref.face != nullptr);
    EXPECT_EQ(std::pair(font.face.charmapPlatform(), font.face.charmapEncoding()), std::pair(3, 1));
    EXPECT_EQ(font.face.glyphIndex(-1), font.face.glyphIndex(0));
    // Above Latin-1 the face's Unicode map answers (the euro sign, Cyrillic Zhe).
    for (const int c : {0x20AC, 0x416})
        EXPECT_EQ(font.face.glyphIndex(c), FT_Get_Char_Index(ref.face, c));
    ASSERT_FALSE(std::get<0>(ref.load(0)).empty());
    // Loaded from the last code down, so that no glyph relies on one loaded before it. A code
    // the font lacks (a control code, 0x81) loads glyph 0.
    for (int c = 255; c >= 0; --c) {
        SCOPED_TRACE("code " + std::to_string(c));
        ASSERT_EQ(font.face.glyphIndex(c), FT_Get_Char_Index(ref.face, c));
        const FontGlyph* g = font.font.glyph(c);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->code(), c);
        EXPECT_EQ(dataOf(g), ref.load(font.face.glyphIndex(c)));
    }
    EXPECT_EQ(font.face.glyphIndex(1), 0u);
    // Loading all at once gives the same glyphs.
    LoadedFont all(GetParam());
    ASSERT_EQ(all.font.glyphs()->loadAll(), 1);
    for (int c : {0, int('A'), int('@'), 0xE9, 255})
        EXPECT_EQ(dataOf(all.font.glyph(c)), dataOf(font.font.glyph(c)));
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontCodeTable, test::kBothFonts);
