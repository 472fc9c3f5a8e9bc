// The scene file: its bytes, saving through a replacing write, and loading, where a damaged
// file changes nothing.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "core/Archive.h"
#include "scene/SceneFile.h"
#include "tests/Support.h"

using namespace vyr;
namespace fs = std::filesystem;

namespace {

const char* const kWindowsFonts = "C:\\Windows\\Fonts";

// Byte offset of the text object: camera 64 bytes, three lights of 104.
constexpr size_t kTextOffset = 64 + 3 * 104;

// Moves every object away from its defaults so that a lost or swapped field shows.
void changeEverything(Scene& s) {
    s.camera().setTarget(0.5f, -0.25f, 0.125f);
    s.camera().orbitVertical(-71);
    s.yellowLight().turn(17, 4);
    s.blueLight().move({0.1, 0.2, 0.3});
    s.greenLight().colour = 0x00123456;
    TextParameters& p = s.text().parameters;
    p.text = "VYR scene", p.precision = 7.25, p.extrusionLength = 12.5, p.bevelDepth = 1.75;
    p.bevelWidth = 2.5f, p.filter1 = 2, p.scale = {0.01f, -0.02f, 0.03f};
    p.frontMaterial.diffuse = {0.1f, 0.2f, 0.3f, 0.4f}, p.sideMaterial.shininess = 77.0f;
    p.bevelMaterial.emission[3] = 0.5f;
    p.chooseFontPath("/nonexistent/font.ttf");  // keeps a rebuild short: it fails
}

struct SceneFileTest : ::testing::Test {
    const test::TempFolder dir;
};

}  // namespace

TEST_F(SceneFileTest, DefaultSceneIs636BytesPlusItsFourShortStrings) {
    const Scene scene(kWindowsFonts);
    const Text& t = scene.text();
    const std::vector<uint8_t> bytes = sceneBytes(scene);
    EXPECT_EQ(bytes.size(), 636 + 4 + t.parameters.fontsFolder.size() +
                                t.parameters.fontFile.size() + t.parameters.text.size() +
                                t.parameters.fontPath().size());
    // The camera's 16 values, then each light's 26, with the 5-degree steps' cosine and sine
    // (lights 2 and 3 keep (1, +-3) / sqrt 10).
    Archive in(bytes.data(), bytes.size());
    const float c5 = float(std::cos(0.08726646111111111)),
                s5 = float(std::sin(0.08726646111111111));
    for (float v : {0.f, 0.f, 4.f, 0.f, 0.f, 0.f, 5.f, c5, s5, 0.f, 1.f, 0.f, 2.f, 0.f, 1.f, 0.f})
        EXPECT_EQ(in.readFloat(), v);
    const float a = float(1 / std::sqrt(10.0)), b = float(3 / std::sqrt(10.0));
    const std::tuple<int, Float3, float, float, uint32_t> lights[] = {
        {1, {0, -2, 2}, c5, s5, 0x00050181},
        {2, {3, 0, 1}, a, b, 0x003EC6FA},
        {3, {-3, 0, 1}, a, -b, 0x00F27422}};
    for (const auto& [number, p, cosine, sine, colour] : lights) {
        EXPECT_EQ((std::tuple{in.readInt(), in.readInt(), in.readFloat()}),
                  std::tuple(number, 1, 25.0f));
        for (float v : {p.x, p.y, p.z, 1.f, 0.f, 0.f, 0.f, 1.f, 5.f, cosine, sine, 0.f, 1.f, 0.f})
            EXPECT_EQ(in.readFloat(), v) << number;
        EXPECT_EQ(in.readUInt(), colour);
        for (float v : {0.f, 0.f, 0.f, 1.f, p.x, p.y, p.z, 1.f})  // beam end, position
            EXPECT_EQ(in.readFloat(), v) << number;
    }
    EXPECT_EQ(in.readString(), kWindowsFonts);  // the text begins with its fonts folder
}

TEST_F(SceneFileTest, LongTextsUseTheLongerLengthPrefixesAndLoadBack) {
    Scene scene(kWindowsFonts);
    scene.text().parameters.chooseFontPath("/nonexistent/font.ttf");  // a short rebuild: it fails
    const size_t at = kTextOffset + 1 + scene.text().parameters.fontsFolder.size() + 1 +
                      scene.text().parameters.fontFile.size();
    // One byte below 255, then 0xFF and 16 bits below 65534, then 0xFF, 0xFFFF and 32 bits.
    const std::pair<size_t, std::vector<uint8_t>> cases[] = {
        {254, {0xFE, 'x'}},
        {255, {0xFF, 0xFF, 0x00, 'x'}},
        {65533, {0xFF, 0xFD, 0xFF, 'x'}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00, 'x'}},
    };
    for (const auto& [length, prefix] : cases) {
        scene.text().parameters.text = std::string(length, 'x');
        const std::vector<uint8_t> bytes = sceneBytes(scene);
        EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin() + at)) << length;
        Scene loaded(kWindowsFonts);
        ASSERT_TRUE(loadSceneBytes(loaded, bytes.data(), bytes.size(), "long").ok);
        EXPECT_EQ(loaded.text().parameters.text, scene.text().parameters.text);
    }
}

// Cut short anywhere, or holding a value that is not a number or that a build cannot afford:
// refused with the reason, and nothing changes, geometry included. The limits themselves load,
// with a warning when the font cannot be opened; the old geometry does not stay with them.
TEST_F(SceneFileTest, ADamagedFileChangesNothing) {
    Scene source(kWindowsFonts), target(kWindowsFonts);
    changeEverything(source);
    target.text().parameters.chooseFontPath(VYR_TEST_FONT_LIBERATION);
    ASSERT_TRUE(target.text().buildMesh().ok);
    const unsigned generation = target.text().buildGeneration();
    const std::vector<uint8_t> bytes = sceneBytes(source), before = sceneBytes(target);
    for (size_t n = 0; n < bytes.size(); ++n) {
        const SceneFileResult r = loadSceneBytes(target, bytes.data(), n, "cut.vyr");
        ASSERT_TRUE(!r.ok && r.message.find("cut.vyr") != std::string::npos) << n << r.message;
        ASSERT_EQ(sceneBytes(target), before) << "length " << n;
    }
    // Cut inside the fonts folder, the message says where its string began.
    const std::string cut = loadSceneBytes(target, bytes.data(), kTextOffset + 5, "cut").message;
    EXPECT_NE(cut.find("byte 376 claims 16 bytes"), std::string::npos) << cut;
    using Spoil = void (*)(Scene&, TextParameters&);
    const std::tuple<bool, const char*, Spoil> cases[] = {
        {false, "the camera holds", [](Scene& s, TextParameters&) { s.camera().eye.x = NAN; }},
        {false, "the green light holds",
         [](Scene& s, TextParameters&) { s.greenLight().cutOff = INFINITY; }},
        {false, "the text holds", [](Scene&, TextParameters& t) { t.precision = NAN; }},
        {false, "the text holds",
         [](Scene&, TextParameters& t) { t.bevelMaterial.specular[2] = NAN; }},
        {false, "precision is 0.99", [](Scene&, TextParameters& t) { t.precision = 0.99; }},
        {false, "has 100001 characters", [](Scene&, TextParameters& t) { t.text.resize(100001); }},
        {false, "path is 4097 bytes",
         [](Scene&, TextParameters& t) { t.chooseFontPath('/' + std::string(4096, 'x')); }},
        {true, "could not be built", [](Scene&, TextParameters& t) { t.precision = 1; }},
        {true, "could not be built", [](Scene&, TextParameters& t) { t.text.resize(100000); }},
        {true, "could not be built",
         [](Scene&, TextParameters& t) { t.chooseFontPath('/' + std::string(4095, 'x')); }},
    };
    for (const auto& [ok, reason, spoil] : cases) {
        Scene spoilt(kWindowsFonts);
        spoilt.text().parameters.chooseFontPath("/nonexistent/font.ttf");
        spoil(spoilt, spoilt.text().parameters);
        const std::vector<uint8_t> data = sceneBytes(spoilt);
        const SceneFileResult r = loadSceneBytes(target, data.data(), data.size(), "bad");
        EXPECT_EQ(r.ok, ok) << r.message;
        EXPECT_NE(r.message.find(reason), std::string::npos) << r.message;
        EXPECT_EQ(sceneBytes(target), ok ? data : before);
        EXPECT_EQ(target.text().buildGeneration() > generation, ok);
    }
    EXPECT_EQ(target.text().mesh().entryCount, 0);
}

// Saving through a symbolic link replaces the file it names and keeps its permissions; the
// file loads back to the same bytes. A write that fails part-way through (a file size limit
// below the scene's size) is reported and leaves the file as it was.
TEST_F(SceneFileTest, SaveReplacesAFileThroughItsLinkAndAFailedWriteKeepsIt) {
    const fs::path file = dir.path / "replace.vyr", link = dir.path / "link.vyr";
    std::ofstream(file) << "old";
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    fs::create_symlink(file, link);
    Scene original(kWindowsFonts), loaded("/somewhere/else");
    changeEverything(original);
    ASSERT_TRUE(saveScene(original, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    const std::vector<uint8_t> bytes = sceneBytes(original);
    EXPECT_EQ(test::slurp(file), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
    const SceneFileResult r = loadScene(loaded, link.string());
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(sceneBytes(loaded), bytes);
    loaded.text().parameters.text = std::string(70000, 'z');
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const struct rlimit small = {.rlim_cur = 4096, .rlim_max = saved.rlim_max};
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SceneFileResult failed = saveScene(loaded, link.string());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find("link.vyr"), std::string::npos) << failed.message;
    EXPECT_EQ(test::slurp(file), std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
}
