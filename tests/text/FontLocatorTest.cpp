#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "TextTestSupport.h"
#include "text/FontLocator.h"

using namespace vyr;
namespace fs = std::filesystem;

TEST(FontLocator, DefaultFolderHoldsTheArialSubstitute) {
    const std::string folder = defaultFontsFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::is_directory(folder));
    const auto arial = resolveFontPath(folder + "/ARIAL.TTF", folder);
    ASSERT_TRUE(arial.has_value());
    EXPECT_EQ(fs::path(*arial).parent_path(), fs::path(folder));
}

TEST(FontLocator, WindowsFileNamesNameTheirFamilies) {
    EXPECT_EQ(familyForFontFile("ARIAL.TTF"), "Arial");
    EXPECT_EQ(familyForFontFile("C:\\Windows\\Fonts\\times.ttf"), "Times New Roman");
    EXPECT_EQ(familyForFontFile("COURBD.TTF"), "Courier New:bold");
    EXPECT_EQ(familyForFontFile("NOSUCH.TTF"), "");
}

TEST(FontLocator, StoredPathWinsThenCaseInsensitiveNameInTheFolder) {
    EXPECT_EQ(resolveFontPath(VYR_TEST_FONT_DEJAVU, "/nowhere"), VYR_TEST_FONT_DEJAVU);
    const fs::path dejavu(VYR_TEST_FONT_DEJAVU);
    const auto found = resolveFontPath("C:\\Fonts\\dejavusans.TTF", dejavu.parent_path());
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(fs::path(*found), dejavu);
}

TEST(FontLocator, AFolderFromAnotherMachineStillFindsArial) {
    const auto found = resolveFontPath("C:\\Windows\\Fonts\\ARIAL.TTF", "C:\\Windows\\Fonts");
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(fs::is_regular_file(*found));
}

TEST(FontLocator, UnknownFileInAMissingFolderIsNotFound) {
    EXPECT_FALSE(resolveFontPath("/nowhere/NOSUCHFONT.TTF", "/nowhere").has_value());
    EXPECT_FALSE(resolveFontPath("", "").has_value());
}

TEST(FontLocator, DefaultTextBuildsOnAFreshMachine) {
    CText t(defaultFontsFolder());
    const BuildResult r = t.buildMesh();
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(t.mesh().entryCount, 1);
    EXPECT_GT(t.mesh().entries[0].frontCount(), 0);
    EXPECT_FALSE(t.openedFontFile().empty());
    EXPECT_EQ(t.fontFile, "ARIAL.TTF");  // the stored name is kept
}

TEST(FontLocator, ABuildLooksUpAgainWhenTheFolderChangesOrTheFileIsGone) {
    const fs::path dir = fs::temp_directory_path() / ("vyr-font-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(VYR_TEST_FONT_DEJAVU, dir / "Mine.ttf", fs::copy_options::overwrite_existing);

    CText t("/nowhere");
    t.fontFile = "MINE.TTF";
    t.updateFontPath();
    EXPECT_FALSE(t.buildMesh().ok);
    t.SetFontsFolder(dir.string());  // the stored path stays; the folder is searched again
    const BuildResult found = t.buildMesh();
    ASSERT_TRUE(found.ok) << found.message;
    EXPECT_EQ(fs::path(t.openedFontFile()), dir / "Mine.ttf");

    fs::remove_all(dir);
    const BuildResult gone = t.buildMesh();
    EXPECT_FALSE(gone.ok);
    EXPECT_NE(gone.message.find("MINE.TTF"), std::string::npos) << gone.message;
    EXPECT_EQ(t.mesh().entryCount, 1);  // the last mesh stays
}
