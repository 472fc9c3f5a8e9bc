// The text group of a VRML world, byte for byte, on meshes small enough to check on paper.
#include <gtest/gtest.h>

#include <sstream>

#include "ExportTestSupport.h"
#include "export/VrmlWriter.h"

namespace vyr {
namespace {

using test::crlf;

std::string vrmlText(const TextExportView& view) {
    std::ostringstream out;
    const ExportResult r = writeVrmlText(view, out);
    EXPECT_TRUE(r.ok) << r.message;
    return out.str();
}

TEST(VrmlText, OneTriangleIsWrittenByteForByte) {
    // Bevel off: front points in reversed corner order, then the back points triangle by
    // triangle, then the side walls with 2n index lines. Bevel on: three shapes.
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    EXPECT_TRUE(vrmlText(test::viewOf(mesh, false)) == test::golden("triangle-bevel-off.wrl"));
    EXPECT_TRUE(vrmlText(test::viewOf(mesh, true)) == test::golden("triangle-bevel-on.wrl"));
}

TEST(VrmlText, SideIndexLinesCountPointsOfEarlierContours) {
    // A 3-point contour, then a 2-point one in the next character (g = 3).
    const TextMesh mesh = test::makeMesh({test::rightTriangle(), test::twoPointContour()}, 30.0f);
    const std::string text = vrmlText(test::viewOf(mesh, true));
    const std::string expected = crlf(
        "\t\t\t\tcoordIndex[\n\t\t\t\t\t"
        "0 1 2 -1\n\t\t\t\t\t0 5 1 -1\n\t\t\t\t\t4 5 0 -1\n\t\t\t\t\t"
        "2 1 3 -1\n\t\t\t\t\t2 3 4 -1\n\t\t\t\t\t3 5 4 -1\n\t\t\t\t\t"
        "6 7 8 -1\n\t\t\t\t\t6 9 7 -1\n\t\t\t\t\t8 9 6 -1\n\t\t\t\t\t8 7 9 -1\n\t\t\t\t\t]\n"
        "\t\t\t\t}\n\t\t\tappearance");
    EXPECT_NE(text.find(expected), std::string::npos);
    // The two-point contour's wall points follow the triangle's.
    EXPECT_NE(text.find(crlf("10.00 0.00 30.00\n\t\t\t\t\t\t20.00 0.00 0.00\n\t\t\t\t\t\t"
                             "20.00 0.00 30.00\n\t\t\t\t\t\t30.00 0.00 0.00\n\t\t\t\t\t\t"
                             "30.00 0.00 30.00]\n\t\t\t\t\t")),
              std::string::npos);
    // Its bevel: 3 passes of two triangles after the triangle's 4 passes, 14 in all.
    EXPECT_NE(text.find(crlf("38 37 36 -1\n\t\t\t\t\t"
                             "41 40 39 -1\n\t\t\t\t\t] \n\t\t\t\t \n}")),
              std::string::npos);
}

TEST(VrmlText, CharactersWithoutOutlineLeaveTheListsAsTheyWere) {
    const TextMesh plain = test::makeMesh({test::rightTriangle()}, 10.0f);
    // Enough characters that they are formatted in several parts, the outline in a later one.
    std::vector<test::SyntheticChar> chars(70, test::space());
    chars[41] = test::rightTriangle();
    const TextMesh spaced = test::makeMesh(chars, 10.0f);
    for (bool bevel : {false, true}) {
        EXPECT_EQ(vrmlText(test::viewOf(spaced, bevel)), vrmlText(test::viewOf(plain, bevel)));
    }
}

TEST(VrmlText, EmptyTextWritesEmptyClosedLists) {
    const TextMesh mesh = test::makeMesh({test::space()}, 0.0f);
    const std::string text = vrmlText(test::viewOf(mesh, true));
    // Brackets and braces balance, so a browser can read the file.
    int square = 0, curly = 0;
    for (char ch : text) {
        square += ch == '[' ? 1 : ch == ']' ? -1 : 0;
        curly += ch == '{' ? 1 : ch == '}' ? -1 : 0;
        ASSERT_GE(square, 0);
        ASSERT_GE(curly, 0);
    }
    EXPECT_EQ(square, 0);
    EXPECT_EQ(curly, 0);
}

TEST(VrmlText, ValueThatIsNotANumberIsWrittenAsZeroAndAFailedStreamIsReported) {
    TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    mesh.entries[0].records[1].position.y = std::nan("");
    std::ostringstream out;
    const ExportResult r = writeVrmlText(test::viewOf(mesh, false), out);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("not a finite number"), std::string::npos);
    EXPECT_EQ(out.str().find("nan"), std::string::npos);
    EXPECT_NE(out.str().find("\t\t\t\t\tpoint[0.00 0.00 0.00\r\n"), std::string::npos);
    test::FailingBuffer buffer;
    std::ostream failing(&buffer);
    const ExportResult failed = writeVrmlText(test::viewOf(mesh, true), failing);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find("failed"), std::string::npos);
}

}  // namespace
}  // namespace vyr
