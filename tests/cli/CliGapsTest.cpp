#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliRunner.h"

using namespace vyr;

namespace {

struct CliOutcome {
    int status;
    std::string out, err;
};

CliOutcome cli(const std::vector<std::string>& args) {
    const ParseResult parsed = parseArguments(args);
    EXPECT_TRUE(parsed.ok) << parsed.error;
    std::ostringstream out, err;
    const int status = runCli(parsed.options, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(CliGaps, NoVrmlPartsWritesTheHeaderLineAlone) {
    const std::string path = std::filesystem::temp_directory_path() /
                             ("vyr-cli-gaps-" + std::to_string(::getpid()) + ".wrl");
    for (const char* parts : {"none", ""}) {
        SCOPED_TRACE(parts);
        ASSERT_EQ(cli({"--text", "I", "--vrml-parts", parts, "-o", path}).status, 0);
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "#VRML V2.0 utf8\r\n");
    }
    std::filesystem::remove(path);
    EXPECT_FALSE(parseArguments({"--vrml-parts", "none,text"}).ok);
}

TEST(CliGaps, StatsDescribeEachUnsoundCharacter) {
    const CliOutcome r = cli({"--text", " v", "--scale", "0,0,0", "--stats"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"unsoundCharacters\": [{\"index\": 1, \"character\": \"v\", "
                         "\"reason\": \"nothing with an area is left (zero scale)\"}]"),
              std::string::npos)
        << r.out;
}

TEST(CliGaps, WithoutOutputsOneLineSaysWhatWasBuiltAndHowToWriteIt) {
    const CliOutcome r = cli({"--text", "Hi"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    for (const char* part : {"Built 2 characters", "-o FILE", "--help"})
        EXPECT_NE(r.out.find(part), std::string::npos) << r.out;
}
