// The C/OpenGL pair: exact text on a hand-checked mesh and a compile and link of the generated
// code.

#include "ExportTestSupport.h"
#include "export/CSourceWriter.h"
#include "tests/text/TextTestSupport.h"

namespace vyr {
namespace {

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

TEST(CSource, OneTriangleIsWrittenByteForByteAndRoundedEdgesChangeOnlyItsBevelNormals) {
    // Bevel off: each front block followed by its back block. Bevel on: the back face at L + D
    // from the insets, the strip, then one bevel list of 4 passes, the closing edge twice.
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    EXPECT_TRUE(source(test::viewOf(mesh, false)) == test::golden("triangle-bevel-off.c"));
    EXPECT_TRUE(source(test::viewOf(mesh, true)) == test::golden("triangle-bevel-on.c"));
    std::istringstream flat(source(test::viewOf(mesh, true, false))),
        rounded(source(test::viewOf(mesh, true, true)));
    // Nprev, Ncur, NprevIn, NprevIn, Ncur, NcurIn per pass, blended from the walls, the
    // bevel and the back face round each corner.
    const std::vector<std::string> expected = {
        "0.83,0.43,0.37",   "-0.97,-0.01,0.26", "0.26,0.63,0.73",   "0.26,0.63,0.73",
        "-0.97,-0.01,0.26", "-0.19,0.37,0.91",  "-0.31,-0.90,0.30", "0.68,0.69,0.24",
        "0.40,-0.40,0.82",  "0.40,-0.40,0.82",  "0.68,0.69,0.24",   "0.48,0.13,0.87",
        "-0.87,0.27,0.41",  "0.00,-0.96,0.30",  "-0.61,-0.25,0.75", "-0.61,-0.25,0.75",
        "0.00,-0.96,0.30",  "-0.25,-0.42,0.87", "0.83,0.43,0.37",   "-0.97,-0.01,0.26",
        "0.26,0.63,0.73",   "0.26,0.63,0.73",   "-0.97,-0.01,0.26", "-0.19,0.37,0.91"};
    std::vector<std::string> normals;
    bool bevel = false;
    for (std::string a, b; std::getline(rounded, a) && std::getline(flat, b);) {
        bevel = bevel || a.starts_with("glMaterialfv(GL_FRONT,GL_EMISSION,bevel_");
        if (bevel && a.starts_with("glNormal3f("))
            normals.push_back(a.substr(11, a.find(')') - 11));
        else
            EXPECT_EQ(a, b);
    }
    EXPECT_EQ(normals, expected);
}

TEST(CSource, MaterialsComeOncePerCharacterAndPartAndAnEmptyTextOnlyTranslates) {
    const TextMesh mesh = test::makeMesh(
        {test::rightTriangle(), test::space(), test::rightTriangle(20), test::space()}, 30.0f);
    const std::string on = source(test::viewOf(mesh, true)),
                      off = source(test::viewOf(mesh, false));
    for (const std::string part : {"front", "side", "bevel"})
        EXPECT_EQ(count(on, "GL_SHININESS," + part + "_shininess"), 4u);
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
        const std::string message = writeCSource(test::viewOf(mesh, true), name, out).message;
        EXPECT_TRUE(message.find("include") != std::string::npos && out.str().empty()) << message;
    }
    test::FailingStream failing;
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
    Text text = test::textOn(VYR_TEST_FONT_DEJAVU, "Vyr 3D!");
    text.parameters.roundedEdges = true;
    EXPECT_TRUE(exportViewOf(text).parameters.roundedEdges);
    ASSERT_TRUE(text.buildMesh().ok);
    const test::TempFolder dir;
    {
        std::ofstream header(dir / "VyrText.h", std::ios::binary),
            src(dir / "VyrText.c", std::ios::binary);
        ASSERT_TRUE(writeCHeader(header).ok && writeCSource(text, "VyrText.h", src).ok);
        std::ofstream(dir / "main.c")
            << "#include \"VyrText.h\"\nint main(void) { if (0) { InitVyrText(); "
               "DisplayVyrText(); } return 0; }\n";
    }
    const std::string cd = "cd '" + dir.path.string() + "' && ";
    ASSERT_EQ(std::system((cd + "gcc -Wall -c VyrText.c -o VyrText.o 2> cc.log").c_str()), 0);
    EXPECT_EQ(test::slurp(dir / "cc.log"), "");
    EXPECT_EQ(std::system((cd + "gcc main.c VyrText.o -o program -lGL -lGLU").c_str()), 0);
}

}  // namespace
}  // namespace vyr
