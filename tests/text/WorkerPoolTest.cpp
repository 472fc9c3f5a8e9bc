// The worker pool runs every index of a loop exactly once, on any number of threads, also
// for a loop started from inside another.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <vector>

#include "core/WorkerPool.h"

namespace vyr {
namespace {

TEST(WorkerPool, EveryIndexRunsExactlyOnceForEveryThreadCountAndGrain) {
    for (unsigned threads : {1u, 2u, 3u, 8u}) {
        WorkerPool pool(threads);
        for (size_t count : {0, 1, 7, 64, 1000}) {
            for (size_t grain : {0, 1, 3, 100}) {  // a grain of 0 is taken as 1
                std::vector<std::atomic<int>> runs(count);
                pool.forEach(count, grain, [&](size_t begin, size_t end) {
                    EXPECT_LE(end - begin, std::max<size_t>(grain, 1));
                    for (size_t i = begin; i < end; ++i)
                        ++runs[i];
                });
                for (size_t i = 0; i < count; ++i)
                    ASSERT_EQ(runs[i], 1) << threads << " threads, " << count << "/" << grain;
            }
        }
    }
}

TEST(WorkerPool, ALoopInsideALoopRunsOnItsThread) {
    WorkerPool pool(4);
    std::atomic<int> total = 0;
    pool.forEach(8, 1, [&](size_t, size_t) {
        pool.forEach(10, 2, [&](size_t begin, size_t end) { total += int(end - begin); });
    });
    EXPECT_EQ(total, 80);
}

}  // namespace
}  // namespace vyr
