#include <gtest/gtest.h>

#include "TextTestSupport.h"
#include "core/WorkerPool.h"
#include "font/FontFace.h"
#include "font/GlyphListFont.h"
#include "text/Filters.h"
#include "text/GlSink.h"

using namespace vyr;

namespace {

GlRecorder streams(const CText& t) {
    GlRecorder r;
    t.emitSolidList(r);
    t.emitWireList(r);
    return r;
}

// Index of a contour point within its vectorizer, contour after contour.
int flatIndex(const OutlineVectorizer& v, const ContourPoint* p) {
    for (int k = 0, base = 0; k < v.contourCount(); ++k) {
        const Contour& c = *v.contour(k);
        if (p >= c.points.get() && p < c.points.get() + c.count) {
            return base + static_cast<int>(p - c.points.get());
        }
        base += c.count;
    }
    return -1;
}

}  // namespace

TEST(BuildCache, WarmBuildsEqualColdBuildsForEveryFilterBevelAndRounding) {
    const std::string text = "Hello, 8@ Wo0d ooo";
    CText warm = test::builtText(VYR_TEST_FONT_DEJAVU, "dlroW olleH @8 0,");
    ASSERT_TRUE(warm.buildMesh().ok);
    for (int filter = 0; filter < kFilterCount; ++filter) {
        for (int bevel : {0, 1}) {
            for (int rounded : {0, 1}) {
                CText cold = test::builtText(VYR_TEST_FONT_DEJAVU, text, bevel);
                cold.filter1 = filter;
                cold.filter2 = (filter * 5 + 2) % kFilterCount;
                cold.roundedEdges = rounded;
                cold.bevelWidth = 3.0f + float(filter % 2);
                ASSERT_TRUE(cold.buildMesh().ok);
                warm.text = text;
                warm.bevelOn = bevel;
                warm.filter1 = cold.filter1;
                warm.filter2 = cold.filter2;
                warm.roundedEdges = rounded;
                warm.bevelWidth = cold.bevelWidth;
                ASSERT_TRUE(warm.buildMesh().ok);
                const GlRecorder a = streams(cold), b = streams(warm);
                ASSERT_EQ(a.calls.size(), b.calls.size());
                EXPECT_TRUE(a.calls == b.calls)
                    << "filter " << filter << " bevel " << bevel << " rounded " << rounded;
                EXPECT_EQ(cold.mesh().width, warm.mesh().width);
            }
        }
    }
}

TEST(BuildCache, EveryThreadCountBuildsTheSameTrianglesInTheSameOrder) {
    std::string text;
    for (int k = 0; k < 5; ++k)
        text += std::string(test::kPangram) + " @%&8";
    WorkerPool& pool = WorkerPool::shared();
    const unsigned cores = pool.threads();
    CText single = test::builtText(VYR_TEST_FONT_DEJAVU, text);
    single.filter1 = kFilterTwirl;
    pool.setThreads(1);
    ASSERT_TRUE(single.buildMesh().ok);
    const GlRecorder expected = streams(single);
    for (unsigned threads : {2u, 3u, 8u}) {
        pool.setThreads(threads);
        CText many = test::builtText(VYR_TEST_FONT_DEJAVU, text);
        many.filter1 = kFilterTwirl;
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(many.buildMesh().ok);
            EXPECT_TRUE(streams(many).calls == expected.calls) << threads << " threads";
        }
    }
    pool.setThreads(cores);
}

TEST(BuildCache, CachedFrontTrianglesEqualAFreshTwoPassTriangulation) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        CText t = test::builtText(font, test::kPangram);
        ASSERT_TRUE(t.buildMesh().ok);
        FontFace face;
        ASSERT_EQ(face.open(font), 1);
        GlyphListFont glyphs(&face);
        ASSERT_EQ(glyphs.create(220), 1);
        for (const TextMeshEntry& e : t.mesh().entries) {
            OutlineVectorizer v;
            v.setPrecision(t.precision);
            ASSERT_EQ(v.init(glyphs.glyph(e.code)), 1);
            v.vectorize();
            TriangleList fresh(&v);
            fresh.setGlyph(glyphs.glyph(e.code));
            fresh.build();
            ASSERT_EQ(fresh.triangleCount, e.frontCount()) << char(e.code);
            EXPECT_EQ(e.front->capacity(), fresh.capacity());
            for (int k = 0; k < fresh.triangleCount; ++k) {
                const Triangle& a = fresh[k];
                const Triangle& b = (*e.front)[k];
                EXPECT_EQ(flatIndex(v, a.a), flatIndex(*e.outline, b.a));
                EXPECT_EQ(flatIndex(v, a.b), flatIndex(*e.outline, b.b));
                EXPECT_EQ(flatIndex(v, a.c), flatIndex(*e.outline, b.c));
            }
        }
    }
}

TEST(BuildCache, SwitchingFontsNeverReusesTheOtherFontsShapes) {
    CText switched = test::builtText(VYR_TEST_FONT_DEJAVU, "Ag@");
    ASSERT_TRUE(switched.buildMesh().ok);
    for (int round = 0; round < 4; ++round) {
        const char* font = round % 2 ? VYR_TEST_FONT_DEJAVU : VYR_TEST_FONT_LIBERATION;
        switched.fontPath = font;
        ASSERT_TRUE(switched.buildMesh().ok);
        CText fresh = test::builtText(font, "Ag@");
        ASSERT_TRUE(fresh.buildMesh().ok);
        EXPECT_TRUE(streams(switched).calls == streams(fresh).calls) << font;
    }
}
