// STL, OBJ and glTF files of the solid, read back by an independent reader; real fonts.
#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>

#include "ExportTestSupport.h"
#include "SolidReader.h"
#include "export/MeshFormats.h"
#include "export/SolidMesh.h"
#include "tests/text/TextTestSupport.h"

namespace vyr {
namespace {

using testing::HasSubstr;

struct Files {
    std::string stl, obj, mtl, glb;
};

Files writeAll(const SolidMesh& solid) {
    std::ostringstream stl, obj, mtl, glb;
    EXPECT_TRUE(writeStl(solid, stl).ok && writeObj(solid, "text.mtl", obj).ok &&
                writeMtl(solid, mtl).ok && writeGlb(solid, glb).ok);
    return {stl.str(), obj.str(), mtl.str(), glb.str()};
}

std::vector<test::FileTriangles> readAll(const Files& f) {
    return {test::readStl(f.stl), test::readObj(f.obj), test::readGlb(f.glb)};
}

TEST(MeshFormats, ObjAndGlbGroupFacesByMaterialAndKeepMaterialValuesInRange) {
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    // Colours outside 0 .. 1 or not numbers become 0 or 1 and a negative shininess 0, as readers
    // demand; glTF takes the diffuse colour and shininess s as a roughness of sqrt(2 / (s + 2)).
    TextExportView view = test::viewOf(mesh, true);
    view.parameters.sideMaterial = {
        {NAN, 2, 0.5f, 1}, {-0.5f, 1.5f, NAN, 1}, {0.25f, 0.5f, 0.75f, 1}, {1, 0, 0.5f, 1}, -3};
    view.parameters.bevelMaterial = view.parameters.sideMaterial;
    view.parameters.bevelMaterial.shininess = 0.5f;
    const SolidMesh solid = buildSolidMesh(view);
    const Files f = writeAll(solid);
    EXPECT_TRUE(f.obj.starts_with("# VYR extruded text\nmtllib text.mtl\no VyrText\nv "));
    const std::string mtl = "Ka 0 1 0\nKd 0.25 0.5 0.75\nKs 1 0 0.5\nKe 0 1 0.5\nNs ",
                      pbr =
                          "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[0.25,0.5,0.75,1],"
                          "\"metallicFactor\":0,\"roughnessFactor\":";
    EXPECT_EQ(f.mtl,
              "# VYR materials: front and back faces, side walls, bevelled sides\n"
              "\nnewmtl front_back\nKa 0.2 0.2 0.2\nKd 0.99 0.99 0.5\nKs 1 1 1\nKe 0 0 0\n"
              "Ns 3\nd 1\nillum 2\n\nnewmtl sides\n" +
                  mtl + "0\nd 1\nillum 2\n\nnewmtl bevel\n" + mtl + "0.5\nd 1\nillum 2\n");
    EXPECT_THAT(f.glb, HasSubstr("{\"name\":\"sides" + pbr + "1},\"emissiveFactor\":[0,1,0.5]}"));
    EXPECT_THAT(
        f.glb, HasSubstr("{\"name\":\"bevel" + pbr + "0.894427191},\"emissiveFactor\":[0,1,0.5]}"));
    for (test::FileTriangles file : {test::readObj(f.obj), test::readGlb(f.glb)}) {
        ASSERT_EQ(file.error, "");
        file.material.erase(std::unique(file.material.begin(), file.material.end()),
                            file.material.end());
        EXPECT_EQ(file.material, (std::vector<std::string>{"front_back", "sides", "bevel"}));
    }
    std::ostringstream out;
    EXPECT_FALSE(writeObj(solid, "a\nb.mtl", out).ok);
}

TEST(MeshFormats, EmptySolidGivesValidEmptyFilesAndFailedStreamsAreReported) {
    const Files f = writeAll(SolidMesh{});
    EXPECT_EQ(f.stl.size(), 84u);
    for (const test::FileTriangles& file : readAll(f))
        EXPECT_TRUE(file.error.empty() && file.triangles.empty()) << file.error;
    const TextMesh mesh = test::makeMesh({test::rightTriangle()}, 10.0f);
    const SolidMesh solid = buildSolidMesh(test::viewOf(mesh, true));
    test::FailingStream out;
    EXPECT_FALSE(writeStl(solid, out).ok || writeObj(solid, "x.mtl", out).ok ||
                 writeMtl(solid, out).ok || writeGlb(solid, out).ok);
}

Text builtText(const char* font, const std::string& chars, bool bevel) {
    Text text = test::textOn(font, chars, bevel);
    EXPECT_TRUE(text.buildMesh().ok);
    return text;
}

void expectSoundFiles(const SolidMesh& solid) {
    ASSERT_FALSE(solid.triangles.empty());
    for (const test::FileTriangles& file : readAll(writeAll(solid))) {
        EXPECT_EQ(file.error, "");
        const test::SolidCheck c = test::checkSolid(file);
        EXPECT_EQ(std::pair(c.triangles, c.vertices),
                  std::pair(solid.triangles.size(), solid.vertices.size()));
        EXPECT_TRUE(c.closedAndOriented() && c.volume > 0.0) << c.volume;
    }
}

// Closed, consistently wound and enclosing a positive volume in every format; where the bevel
// inset crosses itself the exporter names the characters, and the rest of the line is sound.
void expectPangramSolid(const char* font, bool bevel) {
    SCOPED_TRACE(std::string(font) + (bevel ? " bevel on" : " bevel off"));
    const SolidMesh solid = buildSolidMesh(builtText(font, test::kPangram, bevel));
    EXPECT_TRUE(bevel || solid.sound()) << solid.faultReport();
    if (solid.sound())
        return expectSoundFiles(solid);

    std::string rest = test::kPangram;
    for (const SolidFault& f : solid.faults) {
        EXPECT_TRUE(f.folded || f.open) << solid.faultReport();
        rest[size_t(f.character)] = ' ';
    }
    const SolidMesh soundSolid = buildSolidMesh(builtText(font, rest, bevel));
    EXPECT_TRUE(soundSolid.sound()) << soundSolid.faultReport();
    expectSoundFiles(soundSolid);
}

TEST(MeshFormats, PangramIsAClosedSolidInBothFonts) {
    for (const char* font : {VYR_TEST_FONT_DEJAVU, VYR_TEST_FONT_LIBERATION})
        for (const bool bevel : {false, true})
            expectPangramSolid(font, bevel);
}

// The Khronos validator (npm package gltf-validator), when node can load it from
// VYR_GLTF_VALIDATOR_MODULES (environment or CMake).
TEST(MeshFormats, KhronosValidatorFindsNoErrorOrWarning) {
    const char* env = std::getenv("VYR_GLTF_VALIDATOR_MODULES");
    const std::string node =
        "NODE_PATH='" + std::string(env ? env : VYR_GLTF_VALIDATOR_MODULES) + "' node ";
    if (std::system((node + "-e \"require('gltf-validator')\" >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "node with the gltf-validator package is not available";
    const test::TempFolder dir;
    const SolidMesh solids[] = {
        buildSolidMesh(builtText(VYR_TEST_FONT_DEJAVU, test::kPangram, true)),
        buildSolidMesh(builtText(VYR_TEST_FONT_LIBERATION, "Vyr", false)), SolidMesh{}};
    for (const SolidMesh& solid : solids) {
        const std::string path = dir / "text.glb";
        std::ofstream(path, std::ios::binary) << writeAll(solid).glb;
        EXPECT_EQ(std::system((node + "'" VYR_GLB_VALIDATE_SCRIPT "' '" + path + "'").c_str()), 0);
    }
}

}  // namespace
}  // namespace vyr
