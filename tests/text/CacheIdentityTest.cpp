// The glyph shapes cached between builds give exactly what a fresh build gives.

#include "TextTestSupport.h"
#include "core/WorkerPool.h"

using namespace vyr;

namespace {

std::vector<GlRecorder::Call> streams(const Text& t) {
    std::vector<GlRecorder::Call> calls = test::solidOf(t).calls;
    const std::vector<GlRecorder::Call> wire = test::wireOf(t).calls;
    calls.insert(calls.end(), wire.begin(), wire.end());
    return calls;
}

}  // namespace

TEST(BuildCache, WarmBuildsEqualColdBuildsForEveryFilterBevelRoundingAndPrecision) {
    Text warm = test::textOn(VYR_TEST_FONT_DEJAVU, "dlroW olleH @8 0,");
    ASSERT_TRUE(warm.buildMesh().ok);
    auto expectSameAsCold = [&] {
        Text cold("/nonexistent-folder");
        cold.parameters = warm.parameters;
        ASSERT_TRUE(cold.buildMesh().ok && warm.buildMesh().ok);
        EXPECT_TRUE(streams(cold) == streams(warm));
    };
    warm.parameters.text = "Hello, 8@ Wo0d ooo";
    for (int filter = 0; filter < kFilterCount; ++filter) {
        for (int bevel : {0, 1}) {
            for (int rounded : {0, 1}) {
                SCOPED_TRACE(testing::Message() << filter << " " << bevel << " " << rounded);
                warm.parameters.bevelOn = bevel;
                warm.parameters.filter1 = filter;
                warm.parameters.filter2 = (filter * 5 + 2) % kFilterCount;
                warm.parameters.roundedEdges = rounded;
                warm.parameters.bevelWidth = 3.0f + float(filter % 2);
                warm.parameters.precision = filter < 4 ? 18.0 : 9.0;
                expectSameAsCold();
            }
        }
    }
    // Switching fonts never reuses the other font's shapes.
    for (const char* font :
         {VYR_TEST_FONT_LIBERATION, VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        warm.parameters.chooseFontPath(font);
        expectSameAsCold();
    }
}

TEST(BuildCache, EveryThreadCountBuildsTheSameTrianglesInTheSameOrder) {
    // Over the 128 characters from which a build runs on several threads.
    const std::string line = std::string(test::kPangram) + " @%&8";
    Text single = test::textOn(VYR_TEST_FONT_DEJAVU, line + line);
    single.parameters.filter1 = kFilterTwirl;
    WorkerPool& pool = WorkerPool::shared();
    const unsigned cores = pool.threads();
    pool.setThreads(1);
    ASSERT_TRUE(single.buildMesh().ok);
    for (unsigned threads : {2u, 3u, 8u}) {
        pool.setThreads(threads);
        Text many("/nonexistent-folder");
        many.parameters = single.parameters;
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(many.buildMesh().ok);
            EXPECT_TRUE(streams(many) == streams(single)) << threads << " threads";
        }
    }
    pool.setThreads(cores);
}
