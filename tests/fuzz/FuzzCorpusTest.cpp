#include <gtest/gtest.h>

#include <filesystem>

#include "FuzzTargets.h"
#include "tests/Support.h"

namespace {

struct Target {
    const char* name;
    int (*run)(const uint8_t*, size_t);
};

class FuzzCorpus : public ::testing::TestWithParam<Target> {};

}  // namespace

// The committed seeds and every input a fuzzer once crashed on, through the same entry point.
TEST_P(FuzzCorpus, EveryCommittedInputRunsCleanly) {
    int inputs = 0;
    for (const auto& file : std::filesystem::directory_iterator(std::string(VYR_FUZZ_CORPUS) + "/" +
                                                                GetParam().name)) {
        SCOPED_TRACE(file.path().string());
        const std::string bytes = vyr::test::slurp(file.path());
        EXPECT_EQ(GetParam().run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0);
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         ::testing::Values(Target{"scene", vyr::fuzz::sceneFile},
                                           Target{"font", vyr::fuzz::fontText},
                                           Target{"layout", vyr::fuzz::textLayout},
                                           Target{"cli", vyr::fuzz::cliArguments},
                                           Target{"sgi", vyr::fuzz::sgiImage}),
                         [](const auto& target) { return std::string(target.param.name); });
