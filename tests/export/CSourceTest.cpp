// The C/OpenGL pair: exact text on a hand-checked mesh and a compile and link of the generated
// code.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>

#include "ExportTestSupport.h"
#include "export/CSourceWriter.h"
#include "text/CText.h"

namespace vyr {
namespace {

// Every call "gl<Name>(<args>)" in the text from `from` on, as name and arguments.
std::vector<std::pair<std::string, std::string>> glCalls(const std::string& src, size_t from = 0) {
    std::vector<std::pair<std::string, std::string>> calls;
    for (size_t at = src.find("gl", from); at != std::string::npos; at = src.find("gl", at + 2)) {
        size_t name = at + 2;
        while (name < src.size() && std::isalnum(static_cast<unsigned char>(src[name])))
            ++name;
        const size_t close = src.find(')', name);
        if (name > at + 2 && name < src.size() && src[name] == '(' && close != std::string::npos)
            calls.emplace_back(src.substr(at + 2, name - at - 2),
                               src.substr(name + 1, close - name - 1));
    }
    return calls;
}

std::string source(const TextExportView& view) {
    std::ostringstream out;
    const ExportResult r = writeCSource(view, "VyrText.h", out);
    EXPECT_TRUE(r.ok) << r.message;
    return out.str();
}

size_t count(const std::string& s, const std::string& what) {
    size_t n = 0;
    for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1))
        ++n;
    return n;
}

TEST(CSource, OneTriangleIsWrittenByteForByte) {
    // Bevel off: each front block followed by its back block. Bevel on: the back face at L + D
    // from the insets, the strip, then one bevel list of 4 passes, the closing edge twice.
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    EXPECT_TRUE(source(test::viewOf(mesh, false)) == test::golden("triangle-bevel-off.c"));
    EXPECT_TRUE(source(test::viewOf(mesh, true)) == test::golden("triangle-bevel-on.c"));
}

TEST(CSource, RoundedEdgesChangeOnlyTheBevelNormals) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    const std::string flat = source(test::viewOf(mesh, true, false));
    const std::string rounded = source(test::viewOf(mesh, true, true));
    // Nprev, Ncur, NprevIn, NprevIn, Ncur, NcurIn per pass, blended from the walls, the
    // bevel and the back face round each corner.
    const std::vector<std::string> expected = {
        "0.83,0.43,0.37",   "-0.97,-0.01,0.26", "0.26,0.63,0.73",   "0.26,0.63,0.73",
        "-0.97,-0.01,0.26", "-0.19,0.37,0.91",  "-0.31,-0.90,0.30", "0.68,0.69,0.24",
        "0.40,-0.40,0.82",  "0.40,-0.40,0.82",  "0.68,0.69,0.24",   "0.48,0.13,0.87",
        "-0.87,0.27,0.41",  "0.00,-0.96,0.30",  "-0.61,-0.25,0.75", "-0.61,-0.25,0.75",
        "0.00,-0.96,0.30",  "-0.25,-0.42,0.87", "0.83,0.43,0.37",   "-0.97,-0.01,0.26",
        "0.26,0.63,0.73",   "0.26,0.63,0.73",   "-0.97,-0.01,0.26", "-0.19,0.37,0.91"};
    const size_t bevelAt = rounded.find("bevel_shininess);\r\n");
    ASSERT_EQ(bevelAt, flat.find("bevel_shininess);\r\n"));
    EXPECT_EQ(rounded.substr(0, bevelAt), flat.substr(0, bevelAt));
    std::vector<std::string> normals;
    const auto flatCalls = glCalls(flat, bevelAt), roundedCalls = glCalls(rounded, bevelAt);
    ASSERT_EQ(flatCalls.size(), roundedCalls.size());
    for (size_t k = 0; k < roundedCalls.size(); ++k) {
        if (roundedCalls[k].first == "Normal3f")
            normals.push_back(roundedCalls[k].second);
        else
            EXPECT_EQ(roundedCalls[k], flatCalls[k]);
    }
    EXPECT_EQ(normals, expected);
}

TEST(CSource, MaterialsComeOncePerCharacterAndPartAndAnEmptyTextOnlyTranslates) {
    const TextMesh mesh = test::makeMesh(
        {test::rightTriangle(), test::space(), test::rightTriangle(20), test::space()}, 30.0f);
    const std::string on = source(test::viewOf(mesh, true)),
                      off = source(test::viewOf(mesh, false));
    EXPECT_EQ(count(on, "GL_SHININESS,front_shininess"), 4u);
    EXPECT_EQ(count(on, "GL_SHININESS,side_shininess"), 4u);
    EXPECT_EQ(count(on, "GL_SHININESS,bevel_shininess"), 4u);
    EXPECT_EQ(count(on, "glBegin(GL_QUAD_STRIP)"), 2u);
    EXPECT_EQ(count(off, "bevel_shininess)"), 0u);
    EXPECT_EQ(count(off, "GLfloat bevel_shininess[]"), 1u);
    const TextMesh empty = test::makeMesh({}, 0.0f);
    EXPECT_EQ(count(source(test::viewOf(empty, true)),
                    test::crlf("glPushMatrix();\n\nglTranslatef(-0.000000/2.0f,0.f,0.f);\n"
                               "glPopMatrix();\nglEndList();\n}\n")),
              1u);
}

TEST(CSource, BadHeaderNamesFailedStreamsAndValuesThatAreNotNumbersAreReported) {
    TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    for (const char* name : {"a\"b.h", "two\nlines.h"}) {
        std::ostringstream out;
        const ExportResult r = writeCSource(test::viewOf(mesh, true), name, out);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find("include"), std::string::npos);
        EXPECT_TRUE(out.str().empty());
    }
    test::FailingBuffer buffer;
    std::ostream failing(&buffer);
    EXPECT_FALSE(writeCHeader(failing).ok);
    EXPECT_FALSE(writeCSource(test::viewOf(mesh, true), "VyrText.h", failing).ok);
    mesh.entries[0].records[2].inset.x = INFINITY;
    std::ostringstream out;
    EXPECT_FALSE(writeCSource(test::viewOf(mesh, true), "VyrText.h", out).ok);
    EXPECT_EQ(out.str().find("inf"), std::string::npos);
}

TEST(CSource, GeneratedPairCompilesWithoutWarningsAndLinks) {
    if (std::system("command -v gcc >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gcc is not installed";
    CText text("/nonexistent-folder");
    text.fontPath = VYR_TEST_FONT_DEJAVU;
    text.text = "Vyr 3D!";
    text.roundedEdges = 1;
    ASSERT_TRUE(text.buildMesh().ok);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vyr-c-export-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream header(dir / "VyrText.h", std::ios::binary),
            src(dir / "VyrText.c", std::ios::binary);
        ASSERT_TRUE(writeCHeader(header).ok);
        ASSERT_TRUE(writeCSource(text, "VyrText.h", src).ok);
        std::ofstream(dir / "main.c")
            << "#include \"VyrText.h\"\nint main(void) { if (0) { InitVyrText(); "
               "DisplayVyrText(); } return 0; }\n";
    }
    const std::string cd = "cd '" + dir.string() + "' && ";
    ASSERT_EQ(std::system((cd + "gcc -Wall -c VyrText.c -o VyrText.o 2> cc.log").c_str()), 0);
    EXPECT_EQ(test::slurp((dir / "cc.log").string()), "");
    EXPECT_EQ(std::system((cd + "gcc main.c VyrText.o -o program -lGL -lGLU").c_str()), 0);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vyr
