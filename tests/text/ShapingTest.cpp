// The shaped layout and text of several lines: kerning, ligatures, joining, reordering,
// alignment and line spacing, on real fonts.

#include <hb.h>

#include <map>

#include "TextTestSupport.h"

using namespace vyr;
using test::textOn;

namespace {

// HarfBuzz's own glyphs and advances for `utf8`, in font units; `features` as hb_shape takes.
struct Reference {
    std::vector<hb_codepoint_t> glyphs;
    double advance = 0.0;
    unsigned upem = 0;
};

Reference shapedByHarfBuzz(const char* font, const char* utf8, const char* feature = nullptr) {
    hb_blob_t* blob = hb_blob_create_from_file(font);
    hb_face_t* face = hb_face_create(blob, 0);
    hb_font_t* hbFont = hb_font_create(face);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, utf8, -1, 0, -1);
    hb_buffer_guess_segment_properties(buffer);
    hb_feature_t f;
    const bool withFeature = feature != nullptr && hb_feature_from_string(feature, -1, &f);
    hb_shape(hbFont, buffer, withFeature ? &f : nullptr, withFeature ? 1 : 0);
    unsigned n = 0;
    const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &n);
    const hb_glyph_position_t* at = hb_buffer_get_glyph_positions(buffer, &n);
    Reference r;
    for (unsigned i = 0; i < n; ++i)
        r.glyphs.push_back(info[i].codepoint), r.advance += at[i].x_advance;
    r.upem = hb_face_get_upem(face);
    hb_buffer_destroy(buffer), hb_font_destroy(hbFont), hb_face_destroy(face),
        hb_blob_destroy(blob);
    return r;
}

Text shaped(const char* font, const char* utf8, const char* features = "") {
    Text t = textOn(font, utf8);
    t.parameters.layout = TextLayout::kShaped;
    t.parameters.features = features;
    EXPECT_TRUE(t.buildMesh().ok);
    return t;
}

// The x of the entry showing the character at `source`.
double xOf(const Text& t, uint32_t source) {
    for (const TextMeshEntry& e : t.mesh().entries)
        if (e.source == source)
            return e.xOffset;
    ADD_FAILURE() << "no glyph shows character " << source;
    return 0.0;
}

}  // namespace

// The text is as wide as HarfBuzz's kerned advances at the outlines' scale (220 points at
// 96 dpi is 293.3 pixels per em), narrower than the advances placed one after another.
TEST(Shaping, KerningNarrowsByHarfBuzzsAdvances) {
    for (const char* word : {"AV", "To", "AVATAR"}) {
        const Reference ref = shapedByHarfBuzz(VYR_TEST_FONT_DEJAVU, word);
        Text simple = textOn(VYR_TEST_FONT_DEJAVU, word);
        ASSERT_TRUE(simple.buildMesh().ok);
        const Text t = shaped(VYR_TEST_FONT_DEJAVU, word);
        EXPECT_NEAR(t.mesh().width, ref.advance * 220.0 * 96.0 / 72.0 / ref.upem, 0.5) << word;
        EXPECT_LT(t.mesh().width, simple.mesh().width - 10.0) << word;
        EXPECT_EQ(t.mesh().direction, TextDirection::kLeftToRight);
    }
}

// "ffi" is one glyph unless the ligatures are turned off; Arabic letters take their joined
// forms, the first character rightmost; a Devanagari vowel sign goes before its consonant.
TEST(Shaping, LigaturesJoiningAndReorderingFollowTheFont) {
    EXPECT_EQ(shaped(VYR_TEST_FONT_SERIF, "office").mesh().entryCount, 4);
    EXPECT_EQ(shaped(VYR_TEST_FONT_SERIF, "office", "-liga").mesh().entryCount, 6);

    const char* salam = "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85";  // seen, lam, alef, meem
    const Text arabic = shaped(VYR_TEST_FONT_ARABIC, salam);
    EXPECT_EQ(arabic.mesh().direction, TextDirection::kRightToLeft);
    EXPECT_GT(xOf(arabic, 0), xOf(arabic, 3));
    // Seen takes its initial form, another glyph than the isolated one the character map
    // gives (and so another outline).
    const Reference joined = shapedByHarfBuzz(VYR_TEST_FONT_ARABIC, salam);
    const Reference alone = shapedByHarfBuzz(VYR_TEST_FONT_ARABIC, "\xD8\xB3");
    EXPECT_NE(joined.glyphs.back(), alone.glyphs.front());
    Text isolated = textOn(VYR_TEST_FONT_ARABIC, "\xD8\xB3");
    ASSERT_TRUE(isolated.buildMesh().ok);
    EXPECT_EQ(arabic.mesh().entryCount, 4);
    EXPECT_NE(arabic.mesh().entries.back().records.size(),
              isolated.mesh().entries[0].records.size());

    // Both glyphs of "ki" belong to its first character; the consonant's is the right one.
    const Text ki = shaped(VYR_TEST_FONT_DEVANAGARI, "\xE0\xA4\x95\xE0\xA4\xBF");
    const Reference ka = shapedByHarfBuzz(VYR_TEST_FONT_DEVANAGARI, "\xE0\xA4\x95");
    ASSERT_EQ(ki.mesh().entryCount, 2);
    const auto& [left, right] = std::minmax(ki.mesh().entries[0], ki.mesh().entries[1],
                                            [](auto& a, auto& b) { return a.xOffset < b.xOffset; });
    EXPECT_TRUE(left.glyph != ka.glyphs[0] && right.glyph == ka.glyphs[0]);
}

// Centred lines share their centre; line spacing 2 doubles the distance between lines.
TEST(Shaping, LinesAreAlignedAndSpaced) {
    for (const TextLayout layout : {TextLayout::kSimple, TextLayout::kShaped}) {
        Text t = textOn(VYR_TEST_FONT_DEJAVU, "Wide line\nabe\r\nmiddle one");
        t.parameters.layout = layout;
        t.parameters.alignment = TextAlignment::kCenter;
        ASSERT_TRUE(t.buildMesh().ok);
        const TextMesh& m = t.mesh();
        EXPECT_EQ(m.lineCount, 3);
        std::map<double, std::pair<double, double>> lines;  // by depth: leftmost, rightmost
        for (const TextMeshEntry& e : m.entries) {
            if (!e.vectorised)
                continue;
            auto [at, fresh] = lines.try_emplace(e.yOffset, 1e9, -1e9);
            at->second.first = std::min(at->second.first, e.xOffset);
            at->second.second = std::max(at->second.second, e.xOffset + e.outline->advance());
        }
        ASSERT_EQ(lines.size(), 3u);
        // Every line ends with the same glyph, so that its own advance does not matter.
        const double lineStep = -lines.begin()->first / 2.0;
        std::vector<double> centres;
        for (const auto& [depth, extent] : lines)
            centres.push_back((extent.first + extent.second) / 2.0);
        const auto [low, high] = std::minmax_element(centres.begin(), centres.end());
        EXPECT_LT(*high - *low, 0.5 * 220.0 * 96.0 / 72.0 / 2048.0);  // half a font unit
        t.parameters.lineSpacing = 2.0;
        ASSERT_TRUE(t.buildMesh().ok);
        double deepest = 0.0;
        for (const TextMeshEntry& e : t.mesh().entries)
            deepest = std::min(deepest, e.yOffset);
        EXPECT_EQ(deepest, -4.0 * lineStep);
    }
}

// A character the font lacks comes from the font fontconfig chooses for it, shaped in a run
// of its own after the others; Greek and Cyrillic need nothing beyond DejaVu Sans.
TEST(Shaping, FallbackFontsGiveWhatTheFontLacks) {
    const Text cjk = shaped(VYR_TEST_FONT_DEJAVU, "A\xE6\xBC\xA2\xE5\xAD\x97");  // A漢字
    const TextMesh& m = cjk.mesh();
    ASSERT_EQ(m.entryCount, 3);
    EXPECT_TRUE(m.entries[0].font == 0 && m.entries[1].font == 1 && m.entries[2].font == 1);
    EXPECT_TRUE(m.entries[1].vectorised && m.entries[2].vectorised);
    EXPECT_TRUE(m.entries[0].xOffset < m.entries[1].xOffset &&
                m.entries[1].xOffset < m.entries[2].xOffset);
    const Text greek = shaped(VYR_TEST_FONT_DEJAVU, "\xCE\xA9\xCE\xBC\xCE\xAD \xD0\x96\xD0\xB8");
    for (const TextMeshEntry& e : greek.mesh().entries)
        EXPECT_EQ(e.font, 0);
}
