// The C/OpenGL pair: exact text on a hand-checked mesh, agreement with the viewport's solid
// list on real fonts, and a compile and link of the generated code.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ExportTestSupport.h"
#include "export/CSourceWriter.h"
#include "text/CText.h"
#include "text/GlSink.h"

namespace vyr {
namespace {

using test::crlf;

// Every call "gl<Name>(<args>)" in the text from `from` on, as name and arguments.
std::vector<std::pair<std::string, std::string>> glCalls(const std::string& src, size_t from = 0) {
    std::vector<std::pair<std::string, std::string>> calls;
    for (size_t at = src.find("gl", from); at != std::string::npos; at = src.find("gl", at + 2)) {
        size_t name = at + 2;
        while (name < src.size() && std::isalnum(static_cast<unsigned char>(src[name])))
            ++name;
        if (name == at + 2 || name >= src.size() || src[name] != '(')
            continue;
        const size_t close = src.find(')', name);
        if (close == std::string::npos)
            break;
        calls.emplace_back(src.substr(at + 2, name - at - 2),
                           src.substr(name + 1, close - name - 1));
    }
    return calls;
}

// The text with the arguments of every glNormal3f call removed.
std::string withoutNormals(const std::string& src) {
    std::string out;
    size_t at = 0;
    for (size_t n = src.find("glNormal3f(", at); n != std::string::npos;
         n = src.find("glNormal3f(", at)) {
        out += src.substr(at, n - at) + "glNormal3f(";
        at = src.find(')', n);
    }
    return out + src.substr(at);
}

std::string source(const TextExportView& view) {
    std::ostringstream out;
    const ExportResult r = writeCSource(view, "VyrText.h", out);
    EXPECT_TRUE(r.ok) << r.message;
    return out.str();
}

// One right triangle, bevel off: each front block is followed by its back block, whose
// normals are the negated stored normals (-0.00, -0.00, 1.00); the quad strip visits the
// points 2, 0, 1, 2 with the unnormalised normal of the edge leaving each.
const char* const kTriangleBevelOff =
    "/* VYR : 3D Text C/OpenGl generated file - Source File*/\n"
    "\n"
    "\n"
    "#include \"VyrText.h\"\n"
    "\n"
    "\n"
    "void InitVyrText(void)\n"
    "{\n"
    "\n"
    "GLfloat front_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat front_ambient[] = { 0.20 , 0.20, 0.20, 0.00 };\n"
    "GLfloat front_diffuse[] = { 0.99 , 0.99, 0.50, 0.00 };\n"
    "GLfloat front_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat front_shininess[] = { 3.00 };\n"
    "GLfloat side_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat side_ambient[] = { 0.90 , 0.13, 0.07, 0.00 };\n"
    "GLfloat side_diffuse[] = { 0.71 , 0.08, 0.11, 0.00 };\n"
    "GLfloat side_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat side_shininess[] = { 3.00 };\n"
    "GLfloat bevel_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat bevel_ambient[] = { 0.20 , 0.20, 0.20, 0.20 };\n"
    "GLfloat bevel_diffuse[] = { 0.95 , 0.95, 0.80, 0.00 };\n"
    "GLfloat bevel_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat bevel_shininess[] = { 3.00 };\n"
    "\n"
    "VyrTextDpList=glGenLists(1);\n"
    "glNewList(VyrTextDpList,GL_COMPILE);\n"
    "glEnable(GL_NORMALIZE);\n"
    "glMatrixMode(GL_MODELVIEW);\n"
    "glPushMatrix();\n"
    "\n"
    "glTranslatef(-10.000000/2.0f,0.f,0.f);\n"
    "glMaterialfv(GL_FRONT,GL_EMISSION,front_emission);\n"
    "glMaterialfv(GL_FRONT,GL_AMBIENT,front_ambient);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_DIFFUSE,front_diffuse);\n"
    "glMaterialfv(GL_FRONT,GL_SPECULAR,front_specular);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_SHININESS,front_shininess);\n"
    "\n"
    "glBegin(GL_TRIANGLES);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(0.00,10.00,0.00);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(10.00,0.00,0.00);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(0.00,0.00,0.00);\n"
    "glEnd();\n"
    "glBegin(GL_TRIANGLES);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glEnd();\n"
    "glMaterialfv(GL_FRONT,GL_EMISSION,side_emission);\n"
    "glMaterialfv(GL_FRONT,GL_AMBIENT,side_ambient);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_DIFFUSE,side_diffuse);\n"
    "glMaterialfv(GL_FRONT,GL_SPECULAR,side_specular);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_SHININESS,side_shininess);\n"
    "\n"
    "glBegin(GL_QUAD_STRIP);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f( 10.00,0.00,0.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(-10.00,0.00,0.00);\n"
    "glVertex3f( 0.00,0.00,0.00);\n"
    "glNormal3f(-10.00,0.00,0.00);\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(10.00,10.00,0.00);\n"
    "glVertex3f( 0.00,10.00,0.00);\n"
    "glNormal3f(10.00,10.00,0.00);\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f( 10.00,0.00,0.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "\n"
    "glEnd();\n"
    "\n"
    "glPopMatrix();\n"
    "glEndList();\n"
    "}\n"
    "\n"
    "\n"
    "\n"
    "void DisplayVyrText(void)\n"
    "{\n"
    "glPushMatrix();\n"
    "glScalef(0.002500,0.002500,0.002500);\n"
    "glCallList(VyrTextDpList);\n"
    "glPopMatrix();\n"
    "}";

// With the bevel: back face at L + D from the insets, then the strip, then the bevel calls and
// one triangle list of 4 passes, the closing edge 2 -> 0 first and last.
const char* const kTriangleBevelOn =
    "/* VYR : 3D Text C/OpenGl generated file - Source File*/\n"
    "\n"
    "\n"
    "#include \"VyrText.h\"\n"
    "\n"
    "\n"
    "void InitVyrText(void)\n"
    "{\n"
    "\n"
    "GLfloat front_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat front_ambient[] = { 0.20 , 0.20, 0.20, 0.00 };\n"
    "GLfloat front_diffuse[] = { 0.99 , 0.99, 0.50, 0.00 };\n"
    "GLfloat front_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat front_shininess[] = { 3.00 };\n"
    "GLfloat side_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat side_ambient[] = { 0.90 , 0.13, 0.07, 0.00 };\n"
    "GLfloat side_diffuse[] = { 0.71 , 0.08, 0.11, 0.00 };\n"
    "GLfloat side_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat side_shininess[] = { 3.00 };\n"
    "GLfloat bevel_emission[] = { 0.00 , 0.00, 0.00, 0.00 };\n"
    "GLfloat bevel_ambient[] = { 0.20 , 0.20, 0.20, 0.20 };\n"
    "GLfloat bevel_diffuse[] = { 0.95 , 0.95, 0.80, 0.00 };\n"
    "GLfloat bevel_specular[] = { 1.00 , 1.00, 1.00, 0.00 };\n"
    "GLfloat bevel_shininess[] = { 3.00 };\n"
    "\n"
    "VyrTextDpList=glGenLists(1);\n"
    "glNewList(VyrTextDpList,GL_COMPILE);\n"
    "glEnable(GL_NORMALIZE);\n"
    "glMatrixMode(GL_MODELVIEW);\n"
    "glPushMatrix();\n"
    "\n"
    "glTranslatef(-10.000000/2.0f,0.f,0.f);\n"
    "glMaterialfv(GL_FRONT,GL_EMISSION,front_emission);\n"
    "glMaterialfv(GL_FRONT,GL_AMBIENT,front_ambient);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_DIFFUSE,front_diffuse);\n"
    "glMaterialfv(GL_FRONT,GL_SPECULAR,front_specular);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_SHININESS,front_shininess);\n"
    "\n"
    "glBegin(GL_TRIANGLES);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(0.00,10.00,0.00);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(10.00,0.00,0.00);\n"
    "glNormal3f(0.00,0.00,-1.00);\n"
    "glVertex3f(0.00,0.00,0.00);\n"
    "glEnd();\n"
    "glBegin(GL_TRIANGLES);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(1.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.00,1.00);\n"
    "glVertex3f(1.00,8.00,35.00);\n"
    "glEnd();\n"
    "glMaterialfv(GL_FRONT,GL_EMISSION,side_emission);\n"
    "glMaterialfv(GL_FRONT,GL_AMBIENT,side_ambient);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_DIFFUSE,side_diffuse);\n"
    "glMaterialfv(GL_FRONT,GL_SPECULAR,side_specular);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_SHININESS,side_shininess);\n"
    "\n"
    "glBegin(GL_QUAD_STRIP);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f( 10.00,0.00,0.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(-10.00,0.00,0.00);\n"
    "glVertex3f( 0.00,0.00,0.00);\n"
    "glNormal3f(-10.00,0.00,0.00);\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(10.00,10.00,0.00);\n"
    "glVertex3f( 0.00,10.00,0.00);\n"
    "glNormal3f(10.00,10.00,0.00);\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f( 10.00,0.00,0.00);\n"
    "glNormal3f(-0.00,-10.00,-0.00);\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "\n"
    "glEnd();\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_EMISSION,bevel_emission);\n"
    "glMaterialfv(GL_FRONT,GL_AMBIENT,bevel_ambient);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_DIFFUSE,bevel_diffuse);\n"
    "glMaterialfv(GL_FRONT,GL_SPECULAR,bevel_specular);\n"
    "\n"
    "glMaterialfv(GL_FRONT,GL_SHININESS,bevel_shininess);\n"
    "\n"
    "glBegin(GL_TRIANGLES);\n"
    "\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(1.00,1.00,35.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "glVertex3f(1.00,1.00,35.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "\n"
    "glVertex3f(1.00,1.00,35.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glNormal3f(-0.98,-0.00,0.20);\n"
    "\n"
    "glVertex3f(1.00,8.00,35.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "\n"
    "glVertex3f(0.00,10.00,30.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "glVertex3f(1.00,8.00,35.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "\n"
    "glVertex3f(1.00,8.00,35.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(0.70,0.70,0.14);\n"
    "\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(10.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(8.00,1.00,35.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(0.00,0.00,30.00);\n"
    "glNormal3f(-0.00,-0.98,0.20);\n"
    "\n"
    "glVertex3f(1.00,1.00,35.00);\n"
    "glEnd();\n"
    "\n"
    "glPopMatrix();\n"
    "glEndList();\n"
    "}\n"
    "\n"
    "\n"
    "\n"
    "void DisplayVyrText(void)\n"
    "{\n"
    "glPushMatrix();\n"
    "glScalef(0.002500,0.002500,0.002500);\n"
    "glCallList(VyrTextDpList);\n"
    "glPopMatrix();\n"
    "}";

TEST(CSource, HeaderIsWrittenByteForByteWithCapitalisedGlIncludes) {
    std::ostringstream out;
    ASSERT_TRUE(writeCHeader(out).ok);
    EXPECT_EQ(out.str(), crlf("/* VYR : 3D Text C/OpenGl generated file -- Header File*/\n"
                              "\n\n#include <GL/gl.h>\n#include <GL/glu.h>"
                              "\n\n#ifndef VYR_OUTPUT\n#define VYR_OUTPUT\n\n"
                              "extern void InitVyrText(void);\nextern void DisplayVyrText(void);"
                              "\nstatic int VyrTextDpList;\n\n#endif"));
}

TEST(CSource, BevelOffWritesFrontAndBackBlocksInTurn) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    EXPECT_EQ(source(test::viewOf(mesh, false)), crlf(kTriangleBevelOff));
}

TEST(CSource, BevelOnWritesBackFaceStripAndBevelTriangles) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    EXPECT_EQ(source(test::viewOf(mesh, true)), crlf(kTriangleBevelOn));
}

TEST(CSource, RoundedEdgesChangeOnlyTheBevelNormals) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    const std::string flat = source(test::viewOf(mesh, true, false));
    const std::string rounded = source(test::viewOf(mesh, true, true));
    // Nprev, Ncur, NprevIn, NprevIn, Ncur, NcurIn per pass, blended from the walls, the
    // bevel and the back face round each corner.
    const char* const expected[] = {
        "0.83,0.43,0.37",   "-0.97,-0.01,0.26", "0.26,0.63,0.73",   "0.26,0.63,0.73",
        "-0.97,-0.01,0.26", "-0.19,0.37,0.91",  "-0.31,-0.90,0.30", "0.68,0.69,0.24",
        "0.40,-0.40,0.82",  "0.40,-0.40,0.82",  "0.68,0.69,0.24",   "0.48,0.13,0.87",
        "-0.87,0.27,0.41",  "0.00,-0.96,0.30",  "-0.61,-0.25,0.75", "-0.61,-0.25,0.75",
        "0.00,-0.96,0.30",  "-0.25,-0.42,0.87", "0.83,0.43,0.37",   "-0.97,-0.01,0.26",
        "0.26,0.63,0.73",   "0.26,0.63,0.73",   "-0.97,-0.01,0.26", "-0.19,0.37,0.91",
    };
    const size_t bevelAt = rounded.find("bevel_shininess);\r\n");
    ASSERT_EQ(bevelAt, flat.find("bevel_shininess);\r\n"));
    std::vector<std::string> found;
    for (const auto& [name, args] : glCalls(rounded, bevelAt)) {
        if (name == "Normal3f")
            found.push_back(args);
    }
    ASSERT_EQ(found.size(), std::size(expected));
    for (size_t k = 0; k < found.size(); ++k)
        EXPECT_EQ(found[k], expected[k]) << "normal " << k;
    // Everything else is the same.
    EXPECT_EQ(withoutNormals(rounded.substr(bevelAt)), withoutNormals(flat.substr(bevelAt)));
    EXPECT_EQ(rounded.substr(0, bevelAt), flat.substr(0, bevelAt));
}

TEST(CSource, MaterialCallsComeOncePerCharacterAndPart) {
    const TextMesh mesh = test::makeMesh(
        {test::rightTriangle(), test::space(), test::rightTriangle(20), test::space()}, 30.0f);
    auto count = [](const std::string& s, const std::string& what) {
        size_t n = 0;
        for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1))
            ++n;
        return n;
    };
    const std::string on = source(test::viewOf(mesh, true));
    EXPECT_EQ(count(on, "GL_SHININESS,front_shininess"), 4u);
    EXPECT_EQ(count(on, "GL_SHININESS,side_shininess"), 4u);
    EXPECT_EQ(count(on, "GL_SHININESS,bevel_shininess"), 4u);
    EXPECT_EQ(count(on, "glBegin(GL_QUAD_STRIP)"), 2u);
    const std::string off = source(test::viewOf(mesh, false));
    EXPECT_EQ(count(off, "GL_SHININESS,front_shininess"), 4u);
    EXPECT_EQ(count(off, "bevel_shininess)"), 0u);
    EXPECT_EQ(count(off, "GLfloat bevel_shininess[]"), 1u);
}

TEST(CSource, EmptyTextCompilesOnlyTheTranslation) {
    const TextMesh mesh = test::makeMesh({}, 0.0f);
    EXPECT_NE(source(test::viewOf(mesh, true))
                  .find(crlf("glPushMatrix();\n\nglTranslatef(-0.000000/2.0f,0.f,0.f);\n"
                             "glPopMatrix();\nglEndList();\n}\n")),
              std::string::npos);
}

TEST(CSource, HeaderNameThatCannotStandInAnIncludeIsRefusedBeforeWriting) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    for (const char* name : {"a\"b.h", "two\nlines.h"}) {
        std::ostringstream out;
        const ExportResult r = writeCSource(test::viewOf(mesh, true), name, out);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find("include"), std::string::npos);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CSource, FailedStreamAndValuesThatAreNotNumbersAreReported) {
    TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    test::FailingBuffer buffer;
    std::ostream failing(&buffer);
    EXPECT_FALSE(writeCHeader(failing).ok);
    EXPECT_FALSE(writeCSource(test::viewOf(mesh, true), "VyrText.h", failing).ok);

    mesh.entries[0].records[2].inset.x = INFINITY;
    std::ostringstream out;
    const ExportResult r = writeCSource(test::viewOf(mesh, true), "VyrText.h", out);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(out.str().find("inf"), std::string::npos);
}

// The calls of the generated display list as a sequence of tokens, numbers kept apart so that
// the two sides can be compared within the two decimals the source keeps.
struct Calls {
    std::vector<std::string> ops;
    std::vector<double> numbers;
};

Calls fromSource(const std::string& src) {
    Calls c;
    for (const auto& [op, args] : glCalls(src, src.find("glTranslatef"))) {
        if (op != "Begin" && op != "End" && op != "Normal3f" && op != "Vertex3f" &&
            op != "Materialfv") {
            continue;
        }
        if (op == "Normal3f" || op == "Vertex3f") {
            c.ops.push_back(op);
            double x, y, z;
            EXPECT_EQ(std::sscanf(args.c_str(), " %lf,%lf,%lf", &x, &y, &z), 3) << args;
            c.numbers.insert(c.numbers.end(), {x, y, z});
        } else if (op == "Materialfv") {
            // "GL_FRONT,GL_AMBIENT,side_ambient": the parameter and the array's part.
            const size_t first = args.find(','), second = args.find(',', first + 1);
            c.ops.push_back("Material " + args.substr(first + 1, second - first - 1) + " " +
                            args.substr(second + 1, args.find('_', second) - second - 1));
        } else {
            c.ops.push_back(args.empty() ? op : op + " " + args);
        }
    }
    return c;
}

Calls fromList(const GlRecorder& list, const CText& text) {
    using Op = GlRecorder::Op;
    Calls c;
    const char* part = "";
    for (const GlRecorder::Call& k : list.calls) {
        switch (k.op) {
            case Op::kBegin:
                c.ops.push_back(k.arg0 == kGlTriangles ? "Begin GL_TRIANGLES"
                                                       : "Begin GL_QUAD_STRIP");
                break;
            case Op::kEnd:
                c.ops.push_back("End");
                break;
            case Op::kMaterial: {
                if (k.arg1 == kGlEmission) {
                    // The list names no material: the part follows from the order front,
                    // side and (with the bevel) bevel, once per character.
                    const std::string p = part;
                    part = p == "front" ? "side" : p == "side" && text.bevelOn ? "bevel" : "front";
                }
                const char* name = k.arg1 == kGlEmission   ? "GL_EMISSION"
                                   : k.arg1 == kGlAmbient  ? "GL_AMBIENT"
                                   : k.arg1 == kGlDiffuse  ? "GL_DIFFUSE"
                                   : k.arg1 == kGlSpecular ? "GL_SPECULAR"
                                                           : "GL_SHININESS";
                c.ops.push_back(std::string("Material ") + name + " " + part);
                break;
            }
            case Op::kNormal3d:
            case Op::kNormal3f:
                c.ops.push_back("Normal3f");
                c.numbers.insert(c.numbers.end(), {k.v[0], k.v[1], k.v[2]});
                break;
            case Op::kVertex3d:
            case Op::kVertex3f:
                c.ops.push_back("Vertex3f");
                c.numbers.insert(c.numbers.end(), {k.v[0], k.v[1], k.v[2]});
                break;
            default:
                break;
        }
    }
    return c;
}

void expectSourceMatchesSolidList(const char* font, bool bevel, bool rounded) {
    CText text("/nonexistent-folder");
    text.fontPath = font;
    text.text = "g@8 %";
    text.bevelOn = bevel;
    text.roundedEdges = rounded;
    ASSERT_TRUE(text.buildMesh().ok);
    GlRecorder list;
    text.emitSolidList(list);
    std::ostringstream out;
    ASSERT_TRUE(writeCSource(text, "VyrText.h", out).ok);
    const Calls a = fromSource(out.str());
    const Calls b = fromList(list, text);
    ASSERT_EQ(a.ops, b.ops);
    ASSERT_EQ(a.numbers.size(), b.numbers.size());
    // Two decimals in the source; the list may send single precision.
    size_t off = 0;
    for (size_t k = 0; k < a.numbers.size(); ++k) {
        if (std::fabs(a.numbers[k] - b.numbers[k]) > 0.0051)
            ++off;
    }
    EXPECT_EQ(off, 0u);
}

TEST(CSource, DisplayListMatchesTheViewportsSolidListOnRealFonts) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION}) {
        SCOPED_TRACE(font);
        expectSourceMatchesSolidList(font, false, false);
        expectSourceMatchesSolidList(font, true, false);
        expectSourceMatchesSolidList(font, true, true);
    }
}

bool haveCommand(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(CSource, GeneratedPairCompilesWithoutWarningsAndLinks) {
    if (!haveCommand("gcc"))
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
        std::ofstream header(dir / "VyrText.h", std::ios::binary);
        ASSERT_TRUE(writeCHeader(header).ok);
        std::ofstream src(dir / "VyrText.c", std::ios::binary);
        ASSERT_TRUE(writeCSource(text, "VyrText.h", src).ok);
        std::ofstream main(dir / "main.c");
        main << "#include \"VyrText.h\"\nint main(void) { if (0) { InitVyrText(); "
                "DisplayVyrText(); } return 0; }\n";
    }
    const std::string d = dir.string();
    const std::string compile = "cd '" + d + "' && gcc -Wall -c VyrText.c -o VyrText.o 2> cc.log";
    ASSERT_EQ(std::system(compile.c_str()), 0);
    std::ifstream log(dir / "cc.log");
    const std::string warnings((std::istreambuf_iterator<char>(log)), {});
    EXPECT_EQ(warnings, "");
    const std::string link =
        "cd '" + d + "' && gcc main.c VyrText.o -o program -lGL -lGLU 2> ld.log";
    EXPECT_EQ(std::system(link.c_str()), 0);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vyr
