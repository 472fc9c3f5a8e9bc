#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CliOptions.h"
#include "cli/CliRunner.h"

using namespace vyr;
namespace fs = std::filesystem;

TEST(CliImage, BadImageArgumentsAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--size", "0x480"},      {"--size", "640x4097"},     {"--antialias", "yes"},
        {"--glow-colour", "F00"}, {"--glow-thickness", "-1"}, {"--flare-position", "1"},
        {"--quality", "101"},     {"--view", "top"},          {"--camera-eye", "0,0,nan"}};
    for (const auto& args : bad) {
        const ParseResult r = parseArguments(args);  // refused, and the error names the option
        EXPECT_NE(r.error.find(args[0]), std::string::npos) << args[0] << ": " << r.error;
    }
}

TEST(CliImage, ImagesAreWrittenWithTheOtherOutputsOrNotAtAll) {
    const fs::path dir = ::testing::TempDir() + "vyr-cli-image-" + std::to_string(getpid());
    fs::create_directories(dir);
    const std::string png = (dir / "a.png").string();
    std::ostringstream out, err;
    ParseResult p =
        parseArguments({"--font", VYR_TEST_FONT_LIBERATION, "--size", "33x20", "-o", png, "-o",
                        (dir / "a.wrl").string(), "-o", (dir / "no/b.jpg").string()});
    EXPECT_EQ(runCli(p.options, out, err), 1);
    const std::string message = err.str();
    EXPECT_NE(message.find("b.jpg"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    EXPECT_TRUE(fs::is_empty(dir)) << "no output at all";

    p.options.outputs.pop_back();
    EXPECT_EQ(runCli(p.options, out, err), 0) << err.str();
    std::ifstream in(png, std::ios::binary);
    const std::string head(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(head.substr(12, 12), std::string("IHDR\0\0\0\x21\0\0\0\x14", 12)) << "PNG, 33 x 20";
    fs::remove_all(dir);
}
