#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "scene/SceneFile.h"

using namespace vyr;
namespace fs = std::filesystem;

namespace {

const char* const kWindowsFonts = "C:\\Windows\\Fonts";

// Byte offset of the text object: camera 64 bytes, three lights of 104.
constexpr size_t kTextOffset = 64 + 3 * 104;

std::vector<uint8_t> readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Moves every object away from its defaults so that a lost or swapped field shows.
void changeEverything(Scene& s) {
    CCamera& c = s.camera();
    c.SetTarget(0.5f, -0.25f, 0.125f);
    c.OrbitHorizontal(33);
    c.OrbitVertical(-71);
    c.SetZoom(3.5f);
    c.SetRotationStep(12.5f);
    s.yellowLight().Turn(17, 4);
    s.blueLight().Move({0.1, 0.2, 0.3});
    s.greenLight().colour = 0x00123456;
    s.greenLight().targetPoint = {0.25f, 0.5f, 0.75f, 1.0f};
    CText& t = s.text();
    t.text = "VYR scene";
    t.precision = 7.25;
    t.extrusionLength = 12.5;
    t.bevelDepth = 1.75;
    t.bevelWidth = 2.5f;
    t.filter1 = 2;
    t.scale = {0.01f, -0.02f, 0.03f};
    t.frontMaterial.diffuse = {0.1f, 0.2f, 0.3f, 0.4f};
    t.sideMaterial.shininess = 77.0f;
    t.bevelMaterial.emission[3] = 0.5f;
}

class SceneFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vyr-scene-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

}  // namespace

TEST_F(SceneFileTest, DefaultSceneIs636BytesPlusItsFourShortStrings) {
    const Scene scene(kWindowsFonts);
    const CText& t = scene.text();
    const std::vector<uint8_t> bytes = sceneBytes(scene);
    EXPECT_EQ(bytes.size(), 636 + 4 + t.fontsFolder.size() + t.fontFile.size() + t.text.size() +
                                t.fontPath.size());
    // Eye z of the camera, then the first light's number and colour (red in the first byte).
    const std::vector<uint8_t> four{0x00, 0x00, 0x80, 0x40};
    EXPECT_TRUE(std::equal(four.begin(), four.end(), bytes.begin() + 8));
    EXPECT_EQ(bytes[64], 1);
    EXPECT_EQ(bytes[64 + 104], 2);
    EXPECT_EQ(bytes[64 + 17 * 4], 0x81);
    // The fonts folder comes first in the text, with a one-byte length.
    EXPECT_EQ(bytes[kTextOffset], 16);
    EXPECT_EQ(std::string(bytes.begin() + kTextOffset + 1, bytes.begin() + kTextOffset + 17),
              kWindowsFonts);
}

TEST_F(SceneFileTest, SaveLoadSaveIsByteIdentical) {
    Scene original(kWindowsFonts);
    changeEverything(original);
    const fs::path first = dir_ / "first.vyr";
    const fs::path second = dir_ / "second.vyr";
    ASSERT_TRUE(saveScene(original, first).ok);

    Scene loaded("/somewhere/else");
    const SceneFileResult r = loadScene(loaded, first);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_TRUE(saveScene(loaded, second).ok);
    EXPECT_EQ(readFile(first), readFile(second));
    EXPECT_EQ(readFile(first), sceneBytes(original));

    // Spot checks that the values, not only the bytes, came back.
    EXPECT_EQ(std::memcmp(&loaded.camera().eye, &original.camera().eye, sizeof(Float3)), 0);
    EXPECT_EQ(loaded.greenLight().targetPoint, (Float4{0.25f, 0.5f, 0.75f, 1.0f}));
    EXPECT_EQ(loaded.text().text, "VYR scene");
    EXPECT_EQ(loaded.text().sideMaterial.shininess, 77.0f);
    EXPECT_EQ(loaded.text().fontsFolder, kWindowsFonts);
}

TEST_F(SceneFileTest, LongTextsUseTheLongerLengthPrefixesAndLoadBack) {
    Scene scene(kWindowsFonts);
    scene.text().fontPath = "/nonexistent/font.ttf";  // keeps the rebuild short: it fails
    const size_t at =
        kTextOffset + 1 + scene.text().fontsFolder.size() + 1 + scene.text().fontFile.size();
    // One byte below 255, then 0xFF and 16 bits below 65534, then 0xFF, 0xFFFF and 32 bits.
    const std::pair<size_t, std::vector<uint8_t>> cases[] = {
        {254, {0xFE, 'x'}},
        {255, {0xFF, 0xFF, 0x00, 'x'}},
        {300, {0xFF, 0x2C, 0x01, 'x'}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00, 'x'}},
    };
    for (const auto& [length, prefix] : cases) {
        scene.text().text = std::string(length, 'x');
        const std::vector<uint8_t> bytes = sceneBytes(scene);
        EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin() + at)) << length;
        Scene loaded(kWindowsFonts);
        ASSERT_TRUE(loadSceneBytes(loaded, bytes.data(), bytes.size(), "long").ok);
        EXPECT_EQ(loaded.text().text, scene.text().text);
    }
}

TEST_F(SceneFileTest, LightsGetTheirStoredCosineAndSineBackEvenWhenTheyDoNotMatch) {
    const Scene fresh(kWindowsFonts);
    const std::vector<uint8_t> bytes = sceneBytes(fresh);
    Scene turned(kWindowsFonts);
    turned.blueLight().Turn(5, 5);
    turned.greenLight().Turn(5, 5);
    ASSERT_TRUE(loadSceneBytes(turned, bytes.data(), bytes.size(), "fresh").ok);
    EXPECT_EQ(turned.blueLight().azimuthStepCos, static_cast<float>(1 / std::sqrt(10.0)));
    EXPECT_EQ(turned.greenLight().azimuthStepSin, static_cast<float>(-3 / std::sqrt(10.0)));
    EXPECT_EQ(turned.blueLight().position, (Float4{3, 0, 1, 1}));
}

TEST_F(SceneFileTest, ATruncatedFileOrAnAbsurdStringLengthChangesNothing) {
    Scene source(kWindowsFonts), target(kWindowsFonts);
    changeEverything(source);
    source.text().fontPath = "/nonexistent/font.ttf";
    const std::vector<uint8_t> bytes = sceneBytes(source);
    const std::vector<uint8_t> before = sceneBytes(target);
    for (size_t n = 0; n < bytes.size(); ++n) {
        const SceneFileResult r = loadSceneBytes(target, bytes.data(), n, "cut.vyr");
        ASSERT_FALSE(r.ok) << "length " << n;
        ASSERT_NE(r.message.find("cut.vyr"), std::string::npos) << r.message;
        ASSERT_EQ(sceneBytes(target), before) << "length " << n;
    }
    // The fonts folder's one-byte length as a 32-bit length of 4 GB - 1.
    std::vector<uint8_t> absurd = bytes;
    absurd[kTextOffset] = 0xFF;
    absurd.insert(absurd.begin() + kTextOffset + 1, 6, 0xFF);
    writeFile(dir_ / "absurd.vyr", absurd);
    const SceneFileResult r = loadScene(target, dir_ / "absurd.vyr");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("4294967295"), std::string::npos) << r.message;
    EXPECT_EQ(sceneBytes(target), before);
}

TEST_F(SceneFileTest, AValueThatIsNotANumberIsRefusedNamingItsObject) {
    const std::pair<const char*, void (*)(Scene&)> cases[] = {
        {"camera", [](Scene& s) { s.camera().eye.x = std::nanf(""); }},
        {"green light", [](Scene& s) { s.greenLight().cutOff = INFINITY; }},
        {"text", [](Scene& s) { s.text().precision = std::nan(""); }},
    };
    for (const auto& [object, spoil] : cases) {
        Scene source(kWindowsFonts);
        spoil(source);
        const std::vector<uint8_t> bytes = sceneBytes(source);
        Scene target(kWindowsFonts);
        const std::vector<uint8_t> before = sceneBytes(target);
        const SceneFileResult r = loadSceneBytes(target, bytes.data(), bytes.size(), "nan");
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(std::string("the ") + object + " holds"), std::string::npos)
            << r.message;
        EXPECT_EQ(sceneBytes(target), before);
    }
}

TEST_F(SceneFileTest, MissingOrUnreadableFilesAndMissingFoldersAreReported) {
    Scene scene(kWindowsFonts);
    const std::vector<uint8_t> before = sceneBytes(scene);
    for (const fs::path& path : {dir_ / "missing.vyr", dir_}) {
        const SceneFileResult r = loadScene(scene, path.string());
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(path.string()), std::string::npos) << r.message;
    }
    EXPECT_EQ(sceneBytes(scene), before);
    const std::string path = (dir_ / "no-such-folder" / "scene.vyr").string();
    const SceneFileResult r = saveScene(scene, path);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
}

TEST_F(SceneFileTest, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    const fs::path file = dir_ / "keep.vyr";
    const std::vector<uint8_t> old{'o', 'l', 'd'};
    writeFile(file, old);

    Scene scene(kWindowsFonts);
    scene.text().text = std::string(70000, 'z');
    // Let the write fail part-way through: a file size limit below the scene's size.
    struct rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SceneFileResult r = saveScene(scene, file.string());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("keep.vyr"), std::string::npos) << r.message;
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SceneFileTest, SavingReplacesAFileKeepingItsPermissionsAndASymbolicLink) {
    const fs::path file = dir_ / "replace.vyr", link = dir_ / "link.vyr";
    writeFile(file, {'o', 'l', 'd'});
    const fs::perms perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    fs::create_symlink(file, link);
    const Scene scene(kWindowsFonts);
    ASSERT_TRUE(saveScene(scene, link.string()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(file), sceneBytes(scene));
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

TEST_F(SceneFileTest, AFontThatCannotBeOpenedKeepsTheLoadedValuesAndWarns) {
    Scene source(kWindowsFonts);
    source.text().fontFile = "NOSUCHFONT.TTF";
    source.text().fontPath = "/nonexistent/NOSUCHFONT.TTF";
    source.text().text = "kept";
    const std::vector<uint8_t> bytes = sceneBytes(source);
    Scene target(kWindowsFonts);
    ASSERT_TRUE(target.text().buildMesh().ok);  // the default text, shown before the load
    const unsigned generation = target.text().buildGeneration();
    const SceneFileResult r = loadSceneBytes(target, bytes.data(), bytes.size(), "nofont");
    EXPECT_TRUE(r.ok);
    // The old text's geometry is not shown under the new values.
    EXPECT_EQ(target.text().mesh().entryCount, 0);
    EXPECT_NE(target.text().buildGeneration(), generation);
    EXPECT_NE(r.message.find("NOSUCHFONT.TTF"), std::string::npos) << r.message;
    EXPECT_EQ(sceneBytes(target), bytes);
}
