#include "CliTestSupport.h"
#include "scene/SceneFile.h"
#include "text/Filters.h"

using namespace vyr;

// Every value differs from the others and from its default, so a value taken for another
// shows where it lands: in the saved scene's text and camera.
TEST(CliOptions, TextAndCameraOptionsLandInTheSavedScene) {
    const test::CliFolder dir;
    const auto r =
        dir.run("--font " VYR_TEST_FONT_LIBERATION
                " --text \xC2\xA0\xC3\xA9 --precision 7.5 --extrusion 0 --bevel off --rounded on "
                "--bevel-width 100 --bevel-depth 10000 --filter1 semi-circle --filter2 "
                "chaos --scale 0.001,-0.002,0.0005 --camera-eye 1,2,3 --camera-target "
                "-4,5,-6 --layout shaped --direction rtl --language ar --features -liga,kern=0 "
                "--line-spacing 1.5 --align center --face-index 0 -o %t.vyr");
    ASSERT_EQ(r.status, 0) << r.err;
    Scene scene("/nonexistent");
    ASSERT_TRUE(loadScene(scene, dir / "t.vyr").ok);
    const TextParameters& t = scene.text().parameters;
    EXPECT_EQ(std::tuple(t.text, t.fontPath(), t.fontFile, t.filter1, t.filter2),
              std::tuple("\xC2\xA0\xC3\xA9", VYR_TEST_FONT_LIBERATION, "LiberationSans-Regular.ttf",
                         kFilterSemiCircle, kFilterChaos));
    EXPECT_EQ(std::tie(t.precision, t.extrusionLength, t.bevelDepth, t.bevelWidth, t.bevelOn,
                       t.roundedEdges),
              std::tuple(7.5, 0.0, 10000.0, 100.0f, false, true));
    EXPECT_EQ(t.scale, (std::array<float, 3>{0.001f, -0.002f, 0.0005f}));
    EXPECT_EQ(std::tie(t.layout, t.direction, t.language, t.features, t.lineSpacing, t.alignment),
              std::tuple(TextLayout::kShaped, TextDirection::kRightToLeft, "ar", "-liga,kern=0",
                         1.5, TextAlignment::kCenter));
    EXPECT_EQ(std::tie(scene.camera().eye, scene.camera().target),
              std::tuple(Float3{1, 2, 3}, Float3{-4, 5, -6}));
}

// Both ends of every range are accepted and the numbers just beyond them refused.
TEST(CliOptions, RangeEndsAreAcceptedAndValuesBeyondThemRefused) {
    const char* const ranges[][5] = {
        // option, least, most, below, above
        {"--precision", "1", "100", "0.99", "100.01"},
        {"--extrusion", "0", "10000", "-0.01", "10000.01"},
        {"--bevel-depth", "0", "1e4", "-1", "1e9"},
        {"--bevel-width", "0", "100", "-1", "101"},
        {"--line-spacing", "0.1", "10", "0.09", "10.5"},
        {"--face-index", "0", "65535", "-1", "65536"},
        {"--repeat", "1", "100000", "0", "100001"},
        {"--glow-thickness", "0", "50", "-1", "51"},
        {"--quality", "1", "100", "0", "101"},
        {"--size", "1x1", "4096x4096", "0x1", "1x4097"},
        {"--scale", "-1e4,-1e4,-1e4", "1e4,1e4,1e4", "1,2,-10001", "1,10001,3"},
        {"--flare-position", "-1e4,-1e4", "1e4,1e4", "-10001,0", "0,10001"},
        {"--camera-eye", "-1e4,0,0", "0,0,1e4", "0,-10001,0", "10001,0,0"},
    };
    for (const auto& [option, least, most, below, above] : ranges) {
        const auto ok = [&](const char* value) { return parseArguments({option, value}).ok; };
        EXPECT_TRUE(ok(least) && ok(most) && !ok(below) && !ok(above)) << option;
    }
}

// Refused with one line that quotes the option or its value.
TEST(CliOptions, MalformedArgumentsAreRefused) {
    // clang-format off
    const std::vector<std::vector<std::string>> bad = {
        {"--precision", "nan"},     {"--precision", "5x"},      {"--bevel-width", "inf"},
        {"--scale", "1,2"},         {"--scale", "1,2,3,4"},     {"--scale", "1,,3"},
        {"--bevel", "yes"},         {"--filter1", "wobble"},    {"--precision"},
        {"--vrml-parts", "sky"},    {"-o", "out.txt"},          {"-o", "noextension"},
        {"-o", "my.stl/file"},      {"--frobnicate", "1,2,3"},  {"--size", "1x0"},
        {"--size", "4097x1"},       {"--size", "32"},           {"--size"},
        {"--antialias", "yes"},     {"--glow-colour", "F00"},   {"--background", "GG0000"},
        {"--flare-position", "1"},  {"--view", "top"},          {"--camera-eye", "0,0,nan"},
        {"--camera-target", "1,2"}, {"--text", "\xED\xA0\x80"},  // a surrogate
        {"--text", "\xC3"},         {"--text", "\xE9"},  // cut short; a Latin-1 byte
        {"--layout", "fancy"},      {"--direction", "up"},      {"--align", "justify"},
        {"--features", "+"},        {"--language", "en US"},
        // Standard output takes one single-file format, named, and no statistics.
        {"-o", "-"}, {"--format", "c", "-o", "-"}, {"--format", "stl"},
        {"-o", "-", "-o", "-", "--format", "stl"}, {"--stats", "-o", "-", "--format", "glb"}};
    // clang-format on
    for (const auto& args : bad) {
        const ParseResult r = parseArguments(args);
        EXPECT_FALSE(r.ok) << args[0];
        EXPECT_THAT(r.error,
                    testing::AnyOf(testing::HasSubstr(args.back()), testing::HasSubstr(args[0])));
        EXPECT_EQ(r.error.find('\n'), std::string::npos);
    }
}

TEST(CliOptions, VrmlPartsPickTheGroupsAndTheExtensionIgnoresDotsInFolders) {
    for (const auto& [parts, camera, lights, text] :
         {std::tuple{"text,camera", true, false, true}, {"lights", false, true, false}}) {
        const CliOptions o = parseArguments({"--vrml-parts", parts}).options;
        EXPECT_EQ(std::tie(o.vrmlCamera, o.vrmlLights, o.vrmlText), std::tie(camera, lights, text));
    }
    EXPECT_EQ(outputExtension("my.dir/file"), "");
}
