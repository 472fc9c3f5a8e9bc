#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? "'\\''"s : std::string(1, c);
    return q + "'";
}

class CliRun : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vyr-cli-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::vector<std::string>& args) {
        std::string cmd = quote(VYR_CLI);
        for (const auto& a : args)
            cmd += " " + quote(a);
        cmd += " >" + quote((dir / "stdout").string()) + " 2>" + quote((dir / "stderr").string());
        Outcome r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir / "stdout");
        r.err = slurp(dir / "stderr");
        fs::remove(dir / "stdout");
        fs::remove(dir / "stderr");
        return r;
    }

    // Files in the test folder, other than the captured streams.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    static int lines(const std::string& s) {
        return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
};

}  // namespace

TEST_F(CliRun, WritesEveryFormatFromAUtf8TextFileAndRepeatReportsItsBuilds) {
    std::ofstream(dir / "text.txt") << "caf\xC3\xA9\n";
    const Outcome r = run({"--text-file", path("text.txt"), "--stats", "--repeat", "4", "-o",
                           path("t.stl"), "-o", path("t.obj"), "-o", path("t.glb"), "-o",
                           path("t.wrl"), "-o", path("t.c"), "-o", path("t.vyr")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files(), (std::vector<std::string>{"t.c", "t.glb", "t.h", "t.mtl", "t.obj", "t.stl",
                                                 "t.vyr", "t.wrl", "text.txt"}));
    for (const char* key : {"\"buildMs\":", "\"buildMsMin\":", "\"buildMsFirst\":", "\"builds\": 4",
                            "\"characters\": 4", "\"fontFile\": \"/"}) {
        EXPECT_NE(r.out.find(key), std::string::npos) << key << r.out;
    }
    EXPECT_NE(slurp(dir / "t.c").find("#include \"t.h\""), std::string::npos);
    EXPECT_NE(slurp(dir / "t.obj").find("mtllib t.mtl"), std::string::npos);
    EXPECT_EQ(slurp(dir / "t.glb").substr(0, 4), "glTF");
}

// Bad arguments exit with 2, failures while running with 1; either way one line and no file.
TEST_F(CliRun, BadArgumentsAndFailuresExitWithOneLineAndNoFile) {
    std::ofstream(dir / "euro.txt") << "\xE2\x82\xAC";
    std::ofstream(dir / "broken.vyr") << "tiny";
    const std::pair<int, std::vector<std::string>> cases[] = {
        {2, {"--text-file", path("euro.txt"), "-o", path("a.stl")}},
        {2, {"--frobnicate", "-o", path("a.stl")}},
        {2, {"--precision", "1000", "-o", path("a.stl")}},
        {2, {"-o", path("a.stl"), "--text", "\xE2\x82\xAC"}},
        {2, {"-o", path("a.txt")}},
        {1, {"--font", "/nowhere/NOSUCH.TTF", "-o", path("a.stl")}},
        {1, {"--scene", path("missing.vyr"), "-o", path("a.stl")}},
        {1, {"--scene", path("broken.vyr"), "-o", path("a.stl")}},
        {1, {"--text-file", path("missing.txt"), "-o", path("a.stl")}},
        {1, {"-o", path("no/such/folder/a.stl")}},
        {1, {"-o", path("a.stl"), "-o", path("no/such/folder/b.wrl")}},
    };
    for (const auto& [status, args] : cases) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        const Outcome r = run(args);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(lines(r.err), 1) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(files(), (std::vector<std::string>{"broken.vyr", "euro.txt"}));
    }
}

TEST_F(CliRun, AFailedWriteKeepsTheEarlierFiles) {
    // A header name with a double quote cannot be included from C: the pair is refused
    // after the header was already written to its temporary file.
    std::ofstream(dir / "we\"ird.h") << "old header";
    std::ofstream(dir / "we\"ird.c") << "old source";
    const Outcome r = run({"-o", path("we\"ird.c")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.err), 1) << r.err;
    EXPECT_EQ(slurp(dir / "we\"ird.h"), "old header");
    EXPECT_EQ(slurp(dir / "we\"ird.c"), "old source");
    EXPECT_EQ(files().size(), 2u);
}

// The default scene's VRML world and C/OpenGL pair, byte for byte. After an intended change
// of the output, tools/update-golden.sh writes the files anew.
TEST_F(CliRun, DefaultSceneExportsMatchTheGoldenFiles) {
    const Outcome r = run({"-o", path("default.wrl"), "-o", path("default.c")});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"default.wrl", "default.c", "default.h"}) {
        const std::string golden = slurp(fs::path(VYR_GOLDEN_DIR) / name);
        ASSERT_FALSE(golden.empty()) << name;
        EXPECT_TRUE(slurp(dir / name) == golden) << name << " differs from its golden file";
    }
}
