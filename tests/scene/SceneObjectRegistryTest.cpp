#include <gtest/gtest.h>

#include "scene/CCamera.h"
#include "scene/CLight.h"
#include "scene/SceneObjectRegistry.h"
#include "scene/ViewSettings.h"
#include "text/CText.h"
#include "text/FontLocator.h"

using namespace vyr;

TEST(SceneObjectRegistry, EachClassNameMakesADefaultInstanceOfSchemaOne) {
    for (const char* name : {"CCamera", "CLight", "CText"}) {
        const auto object = createSceneObject(name, 1, "/fonts");
        ASSERT_NE(object, nullptr) << name;
        EXPECT_STREQ(object->className(), name);
        EXPECT_EQ(object->schema(), 1);
        EXPECT_EQ(object->Query(), -1);
    }
    const auto text = createSceneObject("CText", 1, "/fonts");
    EXPECT_EQ(static_cast<CText&>(*text).fontPath, "/fonts/ARIAL.TTF");
    const auto camera = createSceneObject("CCamera", 1, "");
    EXPECT_EQ(static_cast<CCamera&>(*camera).eye, (CCamera().eye));
}

TEST(SceneObjectRegistry, UnknownNamesAndSchemasMakeNothing) {
    EXPECT_EQ(createSceneObject("CLamp", 1, ""), nullptr);
    EXPECT_EQ(createSceneObject("ccamera", 1, ""), nullptr);
    EXPECT_EQ(createSceneObject("CText", 2, ""), nullptr);
}

TEST(ViewSettings, FontsFolderComesFromTheSettingOrFontconfig) {
    EXPECT_EQ(ViewSettings::atStartUp("/my/fonts").fontsFolder, "/my/fonts");
    const ViewSettings fresh = ViewSettings::atStartUp();
    EXPECT_FALSE(fresh.fontsFolder.empty());
    EXPECT_EQ(fresh.fontsFolder, defaultFontsFolder());
    EXPECT_EQ(fresh.makeViewState().fontsFolder, fresh.fontsFolder);
}
