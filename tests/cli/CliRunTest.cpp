#include <sys/wait.h>

#include <cstdlib>

#include "CliTestSupport.h"
#include "scene/SceneFile.h"

using namespace vyr;

TEST(CliRun, WritesEveryFormatFromAUtf8TextFileAndRepeatReportsItsBuilds) {
    const test::CliFolder dir;
    std::ofstream(dir / "text.txt") << "caf\xC3\xA9\n";
    const auto r = dir.run(
        "--text-file %text.txt --stats --repeat 4 --size 33x20 -o %t.STL -o %t.obj "
        "-o %t.glb -o %t.wrl -o %t.c -o %t.vyr -o %t.png -o %t.jpeg");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.files(),
              (std::vector<std::string>{"t.STL", "t.c", "t.glb", "t.h", "t.jpeg", "t.mtl", "t.obj",
                                        "t.png", "t.vyr", "t.wrl", "text.txt"}));
    for (const char* key :
         {"\"buildMsFirst\":", "\"rebuildMs\":", "\"builds\": 4", "\"characters\": 4", "\"fontFile\": \"/"})
        EXPECT_NE(r.out.find(key), std::string::npos) << key << r.out;
    EXPECT_NE(test::slurp(dir / "t.c").find("#include \"t.h\""), std::string::npos);
    EXPECT_NE(test::slurp(dir / "t.obj").find("mtllib t.mtl"), std::string::npos);
    EXPECT_EQ(test::slurp(dir / "t.png").substr(12, 12),
              std::string("IHDR\0\0\0\x21\0\0\0\x14", 12));
}

// Bad arguments exit with 2, failures while running with 1; either way one line and no file:
// a failing output leaves none of the others, images included.
TEST(CliRun, BadArgumentsAndFailuresExitWithOneLineAndNoFile) {
    const test::CliFolder dir;
    std::ofstream(dir / "euro.txt") << "1 \xE2\x82";  // the euro sign cut short
    std::ofstream(dir / "broken.vyr") << "tiny";
    const std::pair<int, const char*> cases[] = {
        {2, "--text-file %euro.txt -o %a.stl"},
        {1, "--font /nowhere/NOSUCH.TTF -o %a.stl"},
        {1, "--scene %missing.vyr -o %a.stl"},
        {1, "--scene %broken.vyr -o %a.stl"},
        {1, "--text-file %missing.txt -o %a.stl"},
        {1, "-o %no/such/folder/a.stl"},
        {1, "--size 8x6 -o %a.png -o %a.wrl -o %no/b.jpg"},
        // A header name with a double quote cannot be included from C: refused after the
        // header was written to its temporary file.
        {1, "-o %a.wrl -o %we\"ird.c"},
    };
    for (const auto& [status, line] : cases) {
        const auto r = dir.run(line);
        EXPECT_EQ(r.status, status) << line;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(dir.files(), (std::vector<std::string>{"broken.vyr", "euro.txt"})) << line;
    }
    // The vyr-cli binary itself: status 2 and the parser's message.
    const std::string command =
        std::string(VYR_CLI) + " --precision 1000 -o " + (dir / "a.stl") + " 2>" + (dir / "err");
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
    EXPECT_EQ(test::slurp(dir / "err"),
              "vyr-cli: --precision takes a number from 1 to 100, not \"1000\"\n");
}

// The default scene's VRML world and C/OpenGL pair, byte for byte. After an intended change
// of the output, tools/update-golden.sh writes the files anew. With "none" (or nothing) for
// its parts the world is its header line alone.
TEST(CliRun, DefaultSceneExportsMatchTheGoldenFiles) {
    const test::CliFolder dir;
    const auto r = dir.run("-o %default.wrl -o %default.c");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    for (const char* name : {"default.wrl", "default.c", "default.h"}) {
        const std::string golden = test::slurp(std::string(VYR_GOLDEN_DIR) + "/" + name);
        EXPECT_TRUE(test::slurp(dir / name) == golden) << name << " differs from its golden file";
    }
    for (const char* parts : {"none", ""}) {
        ASSERT_EQ(dir.run("--text I -o %a.wrl --vrml-parts " + std::string(parts)).status, 0);
        EXPECT_EQ(test::slurp(dir / "a.wrl"), "#VRML V2.0 utf8\r\n") << parts;
    }
    EXPECT_FALSE(parseArguments({"--vrml-parts", "none,text"}).ok);
    // Without outputs one line says what was built and how to write it.
    const std::string built = test::cli({"--text", "Hi"}).out;
    EXPECT_EQ(std::count(built.begin(), built.end(), '\n'), 1);
    for (const char* part : {"Built 2 characters", "-o FILE", "--help"})
        EXPECT_NE(built.find(part), std::string::npos) << built;
}

// Liberation Mono's 'l' has a contour without area beside its stem: merged away. Its stem is
// narrower than two 16-pixel bevels, so the bevel narrows, and the solid is reported sound.
// A character scaled to nothing is reported with its reason.
TEST(CliRun, StatisticsNameTheNarrowedMergedAndUnsoundCharacters) {
    const auto r =
        test::cli({"--font", VYR_TEST_FONT_MONO, "--text", "al", "--bevel-width", "16", "--stats"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    for (const char* list : {"\"narrowedBevelCharacters\": [0, 1]", "\"flatBevelCharacters\": []",
                             "\"mergedOutlineCharacters\": [1]", "\"unsoundCharacters\": []"})
        EXPECT_NE(r.out.find(list), std::string::npos) << r.out;
    const auto zero = test::cli({"--text", " v", "--scale", "0,0,0", "--stats"});
    EXPECT_THAT(zero.out,
                testing::HasSubstr("\"unsoundCharacters\": [{\"index\": 1, \"character\": "
                                   "\"v\", \"reason\": \"nothing with an area is left "
                                   "(zero scale)\"}]"));
}

// Any script comes through: Cyrillic from DejaVu Sans, saved and loaded as UTF-8; a character
// no font has is listed by its index and named in one warning; a text that is not UTF-8 is
// refused at its byte.
TEST(CliRun, TextBeyondLatin1IsBuiltSavedAndTheCharactersTheFontLacksNamed) {
    const test::CliFolder dir;
    const auto r = dir.run("--font " VYR_TEST_FONT_DEJAVU
                           " --text \xD0\x96\xD0\xB8\xCD\xB8! --stats -o %t.vyr");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* key : {"\"characters\": 4", "\"contours\": 4", "\"missingCharacters\": [2]"})
        EXPECT_NE(r.out.find(key), std::string::npos) << key << r.out;
    EXPECT_EQ(r.err, "vyr-cli: warning: no installed font has 1 character: \xCD\xB8 "
                     "(U+0378, character 3); they take no room\n");
    Scene scene("/nonexistent");
    ASSERT_TRUE(loadScene(scene, dir / "t.vyr").ok);
    EXPECT_EQ(scene.text().parameters.text, "\xD0\x96\xD0\xB8\xCD\xB8!");
    const auto bad = dir.run("--text ab\xE9 -o %u.vyr");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "--text is not UTF-8 (byte 2)\n");
}
