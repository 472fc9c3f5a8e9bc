#include <gtest/gtest.h>

#include <algorithm>

#include "cli/CliOptions.h"
#include "text/Filters.h"

using namespace vyr;

namespace {

// Arguments separated by single spaces.
ParseResult parse(const std::string& line) {
    std::vector<std::string> args;
    for (size_t at = 0, end = 0; at <= line.size(); at = end + 1) {
        end = std::min(line.find(' ', at), line.size());
        args.push_back(line.substr(at, end - at));
    }
    return parseArguments(args);
}

}  // namespace

TEST(CliOptions, TextOptionsAreReadWithTheirValues) {
    const ParseResult r = parse(
        "--text Hi --precision 7.5 --extrusion 0 --bevel off --rounded on --bevel-width 100 "
        "--filter1 semi-circle --filter2 chaos --scale 1,-2,0.5 -o a.STL -o b.c --stats "
        "--repeat 3 --bevel-depth 10000");
    ASSERT_TRUE(r.ok) << r.error;
    const CliOptions& o = r.options;
    EXPECT_EQ(*o.text, "Hi");
    EXPECT_EQ(*o.precision, 7.5);
    EXPECT_EQ(*o.extrusion, 0.0);
    EXPECT_EQ(*o.bevel, 0);
    EXPECT_EQ(*o.rounded, 1);
    EXPECT_EQ(*o.bevelWidth, 100.0f);
    EXPECT_EQ(*o.filter1, kFilterSemiCircle);
    EXPECT_EQ(*o.filter2, kFilterChaos);
    EXPECT_EQ(*o.scale, (std::array<float, 3>{1.0f, -2.0f, 0.5f}));
    EXPECT_EQ(*o.bevelDepth, 10000.0);
    EXPECT_EQ(*parse("--scale -10000,5000,1e4").options.scale,
              (std::array<float, 3>{-10000.0f, 5000.0f, 10000.0f}));
    EXPECT_EQ(o.outputs, (std::vector<std::string>{"a.STL", "b.c"}));
    EXPECT_TRUE(o.stats);
    EXPECT_EQ(o.repeat, 3);
}

TEST(CliOptions, NumbersOutsideTheDialogRangesAreRefused) {
    const std::vector<std::vector<std::string>> bad = {
        {"--precision", "0.5"},   {"--precision", "101"},   {"--precision", "nan"},
        {"--precision", "5x"},    {"--extrusion", "-1"},    {"--extrusion", "10001"},
        {"--bevel-depth", "1e9"}, {"--bevel-width", "101"}, {"--bevel-width", "inf"},
        {"--repeat", "0"},        {"--scale", "1,2"},       {"--scale", "1,2,3,4"},
        {"--scale", "1,,3"},      {"--scale", "1,2,1e6"},   {"--bevel", "yes"},
        {"--filter1", "wobble"},  {"--precision"},          {"--vrml-parts", "camera,sky"},
        {"-o", "out.txt"},        {"-o", "noextension"},    {"--frobnicate"},
    };
    for (const auto& args : bad) {
        const ParseResult r = parseArguments(args);
        EXPECT_FALSE(r.ok) << args[0];
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
}

TEST(CliOptions, TextMustBeLatin1) {
    EXPECT_EQ(*utf8ToLatin1("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(*utf8ToLatin1("\xC2\xA0"), "\xA0");
    EXPECT_FALSE(utf8ToLatin1("\xE2\x82\xAC").has_value());  // the euro sign
    EXPECT_FALSE(utf8ToLatin1("\xC3").has_value());          // cut short
    EXPECT_FALSE(utf8ToLatin1("\xE9").has_value());          // Latin-1 byte, not UTF-8
    EXPECT_FALSE(parse("--text \xE2\x82\xAC").ok);
}

TEST(CliOptions, VrmlPartsPickTheGroupsAndTheExtensionIgnoresDotsInFolders) {
    const ParseResult r = parse("--vrml-parts text,camera");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.options.vrmlCamera && !r.options.vrmlLights && r.options.vrmlText);
    EXPECT_EQ(outputExtension("a/B.STL"), "stl");
    EXPECT_EQ(outputExtension("my.dir/file"), "");
    EXPECT_EQ(outputExtension("name.c"), "c");
    EXPECT_FALSE(parseArguments({"-o", "my.stl/file"}).ok);
}
