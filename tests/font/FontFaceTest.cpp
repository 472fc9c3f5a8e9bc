// Opening faces, the character-code table, instances and glyph loading. A second, independent
// FreeType face at the same size and 96 dpi serves as the reference for glyph data.

#include <ft2build.h>
#include FT_FREETYPE_H
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FontTestSupport.h"
#include "font/FontGlyph.h"
#include "font/GlyphSet.h"

using namespace vyr;
using test::LoadedFont;

namespace {

// The glyph data FreeType gives for a character code, straight from the library.
struct ReferenceGlyph {
    std::vector<std::pair<long, long>> points;
    std::vector<uint8_t> tags;
    std::vector<int> contourEnds;
    long advance = 0;
};

class ReferenceFace {
  public:
    explicit ReferenceFace(const char* path) {
        ok_ = FT_Init_FreeType(&lib_) == 0 && FT_New_Face(lib_, path, 0, &face_) == 0 &&
              FT_Set_Char_Size(face_, 0, 220 * 64, 96, 96) == 0;
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
            g.points.emplace_back(o.points[i].x, o.points[i].y);
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

ReferenceGlyph glyphData(const FontGlyph* g) {
    ReferenceGlyph r;
    if (g == nullptr)
        return r;
    for (const auto& p : g->outline().points)
        r.points.emplace_back(p.x, p.y);
    r.tags = g->outline().tags;
    r.contourEnds = g->outline().contourEnds;
    r.advance = g->metrics()[FontGlyph::kAdvance];
    EXPECT_EQ(g->advance(), r.advance / 64.0);
    return r;
}

void expectSame(const ReferenceGlyph& a, const ReferenceGlyph& b) {
    EXPECT_EQ(a.points, b.points);
    EXPECT_EQ(a.tags, b.tags);
    EXPECT_EQ(a.contourEnds, b.contourEnds);
    EXPECT_EQ(a.advance, b.advance);
}

}  // namespace

TEST(FontFace, FilesThatAreNotFontsAreRefusedAndGiveNothing) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vyr-font-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "folder.ttf");
    std::ofstream(dir / "empty.ttf").flush();
    std::ofstream(dir / "notes.ttf") << "This is not a font.\nJust some text in a file.\n";
    std::ifstream in(VYR_TEST_FONT_DEJAVU, std::ios::binary);
    std::string head(1000, '\0');
    ASSERT_TRUE(in.read(head.data(), head.size()));
    std::ofstream(dir / "truncated.ttf", std::ios::binary) << head;
    for (const std::filesystem::path& path :
         {dir / "missing.ttf", dir / "empty.ttf", dir / "notes.ttf", dir / "truncated.ttf",
          dir / "folder.ttf"}) {
        SCOPED_TRACE(path);
        FontFace face;
        EXPECT_EQ(face.open(path), 0);
        EXPECT_FALSE(face.isOpen());
        EXPECT_EQ(face.glyphCount(), 0);
        for (int c = 0; c < 256; ++c)
            ASSERT_EQ(face.glyphIndex(c), 0u) << "code " << c;
        GlyphListFont font(&face);
        EXPECT_EQ(font.create(220), 0);
        EXPECT_EQ(font.glyph('A'), nullptr);
    }
    std::filesystem::remove_all(dir);
}

using FontCodeTable = test::RealFont;

TEST_P(FontCodeTable, CodesAreLatin1CodePointsAndGlyphsMatchFreeTypeAt220PointsHinted) {
    LoadedFont font(GetParam());
    ASSERT_TRUE(font.opened);
    ReferenceFace ref(GetParam());
    ASSERT_TRUE(ref.ok());
    EXPECT_EQ(font.face.charmapPlatform(), 3);
    EXPECT_EQ(font.face.charmapEncoding(), 1);
    EXPECT_NE(font.face.glyphIndex(0xE9), font.face.glyphIndex('e'));
    EXPECT_EQ(font.face.glyphIndex(-1), font.face.glyphIndex(0));
    EXPECT_EQ(font.face.glyphIndex(256), font.face.glyphIndex(0));
    const ReferenceGlyph notdef = ref.load(0);
    ASSERT_FALSE(notdef.points.empty());
    // Loaded from the last code down, so that no glyph relies on one loaded before it.
    for (int c = 255; c >= 0; --c) {
        SCOPED_TRACE("code " + std::to_string(c));
        ASSERT_EQ(font.face.glyphIndex(c), ref.charIndex(c));
        const FontGlyph* g = font.font.glyph(c);
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->code(), c);
        // A code the font lacks (a control code, 0x81) loads glyph 0.
        expectSame(glyphData(g), ref.load(ref.charIndex(c)));
    }
    EXPECT_EQ(font.face.glyphIndex(1), 0u);
    expectSame(glyphData(font.font.glyph(1)), notdef);
    // Hinted advances are whole pixels; about 293 pixels per em.
    const double m = font.font.glyph('M')->advance();
    EXPECT_EQ(m, std::floor(m));
    EXPECT_GT(m, 200.0);
    EXPECT_LT(m, 300.0);
    // Loading all at once gives the same glyphs.
    LoadedFont all(GetParam());
    ASSERT_EQ(all.font.glyphs()->loadAll(), 1);
    for (int c : {0, int('A'), int('@'), 0xE9, 255})
        expectSame(glyphData(all.font.glyph(c)), glyphData(font.font.glyph(c)));
}

VYR_ON_BOTH_FONTS(FontCodeTable);
