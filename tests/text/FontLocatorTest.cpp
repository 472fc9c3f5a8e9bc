// Finding a font file from a stored path, a fonts folder, or the family of a Windows name.

#include <filesystem>

#include "TextTestSupport.h"
#include "tests/Support.h"

using namespace vyr;
namespace fs = std::filesystem;

TEST(FontLocator, NamesAreResolvedFromThePathTheFolderOrTheFamily) {
    EXPECT_EQ(familyForFontFile("ARIAL.TTF"), "Arial");
    EXPECT_EQ(familyForFontFile("C:\\Windows\\Fonts\\times.ttf"), "Times New Roman");
    EXPECT_EQ(familyForFontFile("COURBD.TTF"), "Courier New:bold");
    EXPECT_EQ(familyForFontFile("NOSUCH.TTF"), "");
    // The stored path wins, then a case-insensitive name in the folder.
    EXPECT_EQ(resolveFontPath(VYR_TEST_FONT_DEJAVU, "/nowhere"), VYR_TEST_FONT_DEJAVU);
    const fs::path dejavu(VYR_TEST_FONT_DEJAVU);
    EXPECT_EQ(resolveFontPath("C:\\Fonts\\dejavusans.TTF", dejavu.parent_path()), dejavu.string());
    // A folder from another machine still finds an Arial substitute, in the default folder.
    const std::string folder = defaultFontsFolder();
    ASSERT_TRUE(fs::is_directory(folder)) << folder;
    const auto arial = resolveFontPath("C:\\Windows\\Fonts\\ARIAL.TTF", "C:\\Windows\\Fonts");
    ASSERT_TRUE(arial.has_value());
    EXPECT_EQ(fs::path(*arial).parent_path(), fs::path(folder));
    EXPECT_FALSE(resolveFontPath("/nowhere/NOSUCHFONT.TTF", "/nowhere").has_value());
    EXPECT_FALSE(resolveFontPath("", "").has_value());
}

TEST(FontLocator, ABuildLooksUpAgainWhenTheFolderChangesOrTheFileIsGone) {
    const test::TempFolder dir;
    fs::copy_file(VYR_TEST_FONT_DEJAVU, dir / "Mine.ttf");
    Text t("/nowhere");
    t.parameters.chooseFont("/nowhere", "MINE.TTF");
    EXPECT_FALSE(t.buildMesh().ok);
    t.parameters.moveToFolder(
        dir.path.string());  // the stored path stays; the folder is searched again
    const BuildResult found = t.buildMesh();
    ASSERT_TRUE(found.ok) << found.message;
    EXPECT_EQ(fs::path(t.openedFontFile()), dir.path / "Mine.ttf");
    fs::remove_all(dir.path);
    const BuildResult gone = t.buildMesh();
    EXPECT_FALSE(gone.ok);
    EXPECT_NE(gone.message.find("MINE.TTF"), std::string::npos) << gone.message;
    EXPECT_EQ(t.mesh().entryCount, 1);  // the last mesh stays
}
