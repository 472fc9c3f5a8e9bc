// The text group of a VRML world, byte for byte, on meshes small enough to check on paper.
#include <gmock/gmock.h>

#include "ExportTestSupport.h"
#include "export/VrmlWriter.h"

namespace vyr {
namespace {

using test::crlf;
using testing::HasSubstr;

std::string vrmlText(const TextExportView& view) {
    std::ostringstream out;
    const ExportResult r = writeVrmlText(view, out);
    EXPECT_TRUE(r.ok) << r.message;
    return out.str();
}

TEST(VrmlText, OneTriangleIsWrittenByteForByteAlsoAmongCharactersWithoutOutline) {
    // Bevel off: front points in reversed corner order, then the back points triangle by triangle,
    // then the side walls with 2n index lines. Bevel on: three shapes. Spaces around the triangle
    // (enough characters for several parts, the outline in a later one) add nothing.
    std::vector<test::SyntheticChar> chars(70, test::space());
    chars[41] = test::rightTriangle();
    const TextMesh meshes[] = {test::makeMesh({test::rightTriangle()}, 10.0f),
                               test::makeMesh(chars, 10.0f)};
    for (const TextMesh& mesh : meshes) {
        EXPECT_TRUE(vrmlText(test::viewOf(mesh, false)) == test::golden("triangle-bevel-off.wrl"));
        EXPECT_TRUE(vrmlText(test::viewOf(mesh, true)) == test::golden("triangle-bevel-on.wrl"));
    }
}

TEST(VrmlText, SideIndexLinesCountPointsOfEarlierContoursAndMaterialsKeepTheirValues) {
    // A 6-point contour, then a 2-point one in the next character (g = 6); side walls in a
    // material whose every value differs.
    const TextMesh mesh = test::makeMesh({test::comb(1), test::twoPointContour()}, 30.0f);
    TextExportView view = test::viewOf(mesh, true);
    view.parameters.sideMaterial = {{0.7f, 0.8f, 0.9f, 1},
                                    {0.3f, 0.4f, 0.5f, 1},
                                    {0.1f, 0.2f, 0.3f, 1},
                                    {0.4f, 0.5f, 0.6f, 1},
                                    12.5f};
    const std::string text = vrmlText(view);
    const std::string expected = crlf(
        "\t\t\t\tcoordIndex[\n\t\t\t\t\t"
        "0 1 2 -1\n\t\t\t\t\t0 11 1 -1\n\t\t\t\t\t10 11 0 -1\n\t\t\t\t\t2 1 3 -1\n\t\t\t\t\t"
        "2 3 4 -1\n\t\t\t\t\t4 5 6 -1\n\t\t\t\t\t4 3 5 -1\n\t\t\t\t\t6 5 7 -1\n\t\t\t\t\t"
        "6 7 8 -1\n\t\t\t\t\t8 9 10 -1\n\t\t\t\t\t8 7 9 -1\n\t\t\t\t\t10 9 11 -1\n\t\t\t\t\t"
        "12 13 14 -1\n\t\t\t\t\t12 15 13 -1\n\t\t\t\t\t14 15 12 -1\n\t\t\t\t\t14 13 15 -1\n"
        "\t\t\t\t\t]\n\t\t\t\t}\n\t\t\tappearance Appearance { \n\t\t\t\tmaterial Material {"
        "\n\t\t\t\t\tambientIntensity 0.41 \n\t\t\t\t\tdiffuseColor 0.10 0.20 0.30 "
        "\n\t\t\t\t\tspecularColor 0.40 0.50 0.60 \n\t\t\t\t\temissiveColor 0.70 0.80 0.90"
        "\n\t\t\t\t\tshininess 12.50\t}\n\t\t\t}");
    EXPECT_THAT(text, HasSubstr(expected));
    // The two-point contour's wall points follow the comb's.
    EXPECT_THAT(text, HasSubstr(crlf("1.00 0.00 30.00\n\t\t\t\t\t\t20.00 0.00 0.00\n\t\t\t\t\t\t"
                                     "20.00 0.00 30.00\n\t\t\t\t\t\t30.00 0.00 0.00\n\t\t\t\t\t\t"
                                     "30.00 0.00 30.00]\n\t\t\t\t\t")));
    // Its bevel: 3 passes of two triangles after the comb's 7, 20 in all.
    EXPECT_THAT(text,
                HasSubstr(crlf("56 55 54 -1\n\t\t\t\t\t59 58 57 -1\n\t\t\t\t\t] \n\t\t\t\t \n}")));
    // Without the bevel, the comb's 3 front triangles and their 3 back ones.
    EXPECT_THAT(vrmlText(test::viewOf(mesh, false)), HasSubstr("15 16 17 -1]\r\n"));
}

TEST(VrmlText, ValueThatIsNotANumberIsWrittenAsZeroAndAFailedStreamIsReported) {
    TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    mesh.entries[0].records[1].position.y = std::nan("");
    std::ostringstream out;
    EXPECT_THAT(writeVrmlText(test::viewOf(mesh, false), out).message,
                HasSubstr("not a finite number"));
    EXPECT_THAT(out.str(), testing::Not(HasSubstr("nan")));
    EXPECT_THAT(out.str(), HasSubstr("\t\t\t\t\tpoint[0.00 0.00 0.00\r\n"));
    test::FailingStream failing;
    EXPECT_THAT(writeVrmlText(test::viewOf(mesh, true), failing).message, HasSubstr("failed"));
}

}  // namespace
}  // namespace vyr
