// The open-addressing map behind the welded solid's edge table, against the standard map.
#include <gtest/gtest.h>

#include <random>
#include <unordered_map>

#include "export/ProbeTable.h"

namespace vyr {
namespace {

TEST(ProbeMap, SetGetAndEraseAgreeWithTheStandardMapThroughLongRuns) {
    for (size_t keys : {3u, 40u, 300u}) {  // few keys in a small table: long runs and wrap-round
        std::mt19937 random{unsigned(keys)};
        ProbeMap map;
        map.reset(100);
        std::unordered_map<uint64_t, uint32_t> reference;
        for (uint32_t step = 0; step < 20000 && !HasFailure(); ++step) {
            const uint64_t key = uint64_t(random() % keys) << (random() % 2 ? 32 : 0);
            const uint32_t value = random() % 3;
            if (random() % 2) {
                map.set(key, value), reference[key] = value;
            } else if (const auto it = reference.find(key); it != reference.end()) {
                map.erase(key, value);  // only when the value matches
                if (it->second == value)
                    reference.erase(it);
            }
            if (reference.size() > 100)
                map.reset(100), reference.clear();
            const uint64_t probe = uint64_t(random() % keys) << (random() % 2 ? 32 : 0);
            const auto it = reference.find(probe);
            ASSERT_EQ(map.get(probe), it == reference.end() ? ProbeMap::kNone : it->second) << step;
        }
    }
}

}  // namespace
}  // namespace vyr
