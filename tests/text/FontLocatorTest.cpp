#include <gtest/gtest.h>

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
