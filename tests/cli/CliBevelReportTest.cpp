#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliRunner.h"

using namespace vyr;

// Liberation Mono's 'l' has a contour without area beside its stem: merged away. Its stem is
// narrower than two 16-pixel bevels, so the bevel narrows, and the solid is reported sound.
TEST(CliBevelReport, StatisticsNameTheNarrowedAndMergedCharacters) {
    std::string mono = VYR_TEST_FONT_LIBERATION;
    mono.replace(mono.find("Sans"), 4, "Mono");
    const ParseResult parsed =
        parseArguments({"--font", mono, "--text", "al", "--bevel-width", "16", "--stats"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    std::ostringstream out, err;
    ASSERT_EQ(runCli(parsed.options, out, err), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    const std::string json = out.str();
    EXPECT_NE(json.find("\"narrowedBevelCharacters\": [0, 1]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"flatBevelCharacters\": []"), std::string::npos) << json;
    EXPECT_NE(json.find("\"mergedOutlineCharacters\": [1]"), std::string::npos) << json;
    EXPECT_NE(json.find("\"unsoundCharacters\": []"), std::string::npos) << json;
}
