// The glyph shapes cached between builds give exactly what a fresh build gives.

#include "TextTestSupport.h"
#include "core/WorkerPool.h"

using namespace vyr;

namespace {

std::vector<GlRecorder::Call> streams(const CText& t) {
    std::vector<GlRecorder::Call> calls = test::solidOf(t).calls;
    const std::vector<GlRecorder::Call> wire = test::wireOf(t).calls;
    calls.insert(calls.end(), wire.begin(), wire.end());
    return calls;
}

}  // namespace

TEST(BuildCache, WarmBuildsEqualColdBuildsForEveryFilterBevelAndRounding) {
    const std::string text = "Hello, 8@ Wo0d ooo";
    CText warm = test::textOn(VYR_TEST_FONT_DEJAVU, "dlroW olleH @8 0,");
    ASSERT_TRUE(warm.buildMesh().ok);
    for (int filter = 0; filter < kFilterCount; ++filter) {
        for (int bevel : {0, 1}) {
            for (int rounded : {0, 1}) {
                SCOPED_TRACE(testing::Message() << filter << " " << bevel << " " << rounded);
                warm.text = text;
                warm.bevelOn = bevel;
                warm.filter1 = filter;
                warm.filter2 = (filter * 5 + 2) % kFilterCount;
                warm.roundedEdges = rounded;
                warm.bevelWidth = 3.0f + float(filter % 2);
                CText cold = test::textOn(VYR_TEST_FONT_DEJAVU, text, bevel);
                cold.filter1 = warm.filter1;
                cold.filter2 = warm.filter2;
                cold.roundedEdges = rounded;
                cold.bevelWidth = warm.bevelWidth;
                ASSERT_TRUE(cold.buildMesh().ok && warm.buildMesh().ok);
                EXPECT_TRUE(streams(cold) == streams(warm));
            }
        }
    }
    // Switching fonts never reuses the other font's shapes.
    for (const char* font :
         {VYR_TEST_FONT_LIBERATION, VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        warm.fontPath = font;
        CText fresh = test::textOn(font, warm.text, warm.bevelOn);
        fresh.filter1 = warm.filter1;
        fresh.filter2 = warm.filter2;
        fresh.roundedEdges = warm.roundedEdges;
        fresh.bevelWidth = warm.bevelWidth;
        ASSERT_TRUE(warm.buildMesh().ok && fresh.buildMesh().ok);
        EXPECT_TRUE(streams(warm) == streams(fresh)) << font;
    }
}

TEST(BuildCache, EveryThreadCountBuildsTheSameTrianglesInTheSameOrder) {
    std::string text;
    for (int k = 0; k < 5; ++k)
        text += std::string(test::kPangram) + " @%&8";
    WorkerPool& pool = WorkerPool::shared();
    const unsigned cores = pool.threads();
    CText single = test::textOn(VYR_TEST_FONT_DEJAVU, text);
    single.filter1 = kFilterTwirl;
    pool.setThreads(1);
    ASSERT_TRUE(single.buildMesh().ok);
    for (unsigned threads : {2u, 3u, 8u}) {
        pool.setThreads(threads);
        CText many = test::textOn(VYR_TEST_FONT_DEJAVU, text);
        many.filter1 = kFilterTwirl;
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(many.buildMesh().ok);
            EXPECT_TRUE(streams(many) == streams(single)) << threads << " threads";
        }
    }
    pool.setThreads(cores);
}
