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
        {"--size", "0x480"},        {"--size", "640"},           {"--size", "640x4097"},
        {"--antialias", "yes"},     {"--glow-colour", "FF00"},   {"--glow-colour", "GG0000"},
        {"--glow-thickness", "-1"}, {"--flare-position", "1"},   {"--quality", "101"},
        {"--view", "top"},          {"--camera-eye", "0,0,nan"}, {"--background"},
    };
    for (const auto& args : bad) {
        SCOPED_TRACE(args[0]);
        const ParseResult r = parseArguments(args);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(args[0]), std::string::npos) << r.error;
    }
    const ParseResult good = parseArguments({"--size", "641x3", "--glow-colour", "0080FF", "-o",
                                             "a.PNG", "--camera-target", "1,2,3", "--flat"});
    ASSERT_TRUE(good.ok) << good.error;
    EXPECT_EQ(good.options.image.width, 641);
    EXPECT_EQ(*good.options.image.glowColour, 0xFF8000u) << "stored as 0x00BBGGRR";
    EXPECT_EQ((*good.options.image.cameraTarget)[2], 3.0f);
}

TEST(CliImage, ImagesAreWrittenWithTheOtherOutputsOrNotAtAll) {
    const fs::path dir = ::testing::TempDir() + "vyr-cli-image-" + std::to_string(getpid());
    fs::create_directories(dir);
    const std::string png = (dir / "a.png").string(), wrl = (dir / "a.wrl").string();
    std::ostringstream out, err;
    ParseResult p = parseArguments({"--font", VYR_TEST_FONT_LIBERATION, "--size", "33x20", "-o",
                                    png, "-o", wrl, "-o", (dir / "no/b.jpg").string()});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(runCli(p.options, out, err), 1);
    const std::string message = err.str();
    EXPECT_NE(message.find("b.jpg"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    EXPECT_TRUE(fs::is_empty(dir)) << "no output at all";

    p.options.outputs.pop_back();
    EXPECT_EQ(runCli(p.options, out, err), 0) << err.str();
    std::ifstream in(png, std::ios::binary);
    std::string head(24, '\0');
    in.read(head.data(), 24);
    EXPECT_EQ(head.substr(1, 3), "PNG");
    EXPECT_EQ(head.substr(16, 8), std::string("\0\0\0\x21\0\0\0\x14", 8)) << "33 x 20";
    EXPECT_TRUE(fs::exists(wrl));
    fs::remove_all(dir);
}
