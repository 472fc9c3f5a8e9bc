#include <gtest/gtest.h>

#include "scene/Drag.h"

using namespace vyr;

namespace {

// A scene whose text is never built: dragging needs only its scale factors.
struct DragFixture : ::testing::Test {
    Scene scene{"/nonexistent-fonts"};
    ViewSettings settings;

    void drag(int dx, int dy) {
        beginDrag(settings, 100, 100);
        dragStep(scene, settings, 100 + dx, 100 + dy);
        endDrag(settings, 100 + dx, 100 + dy);
    }
};

int dragTargetsSet(const ViewSettings& s) {
    return s.scaleTextMode + s.rotateCameraMode + s.zoomMode + s.yellowSelected + s.blueSelected +
           s.greenSelected + s.flareSelected;
}

}  // namespace

TEST(DragTargets, SelectingOneClearsTheOtherSixAndLeavesTheLightAction) {
    ViewSettings s;
    EXPECT_EQ(dragTargetsSet(s), 1);
    EXPECT_EQ(s.rotateCameraMode, 1);
    s.selectLightAction(LightAction::Translate);
    for (DragTarget t : {DragTarget::ScaleText, DragTarget::RotateCamera, DragTarget::Zoom,
                         DragTarget::YellowLight, DragTarget::BlueLight, DragTarget::GreenLight,
                         DragTarget::Flare}) {
        s.selectDragTarget(t);
        EXPECT_EQ(dragTargetsSet(s), 1);
        EXPECT_EQ(s.translateLightMode, 1);
        EXPECT_EQ(s.rotateLightMode, 0);
    }
    EXPECT_EQ(s.flareSelected, 1);
    s.selectLightAction(LightAction::Rotate);
    EXPECT_EQ(s.translateLightMode, 0);
    EXPECT_EQ(s.rotateLightMode, 1);
    EXPECT_EQ(s.flareSelected, 1);
}

TEST_F(DragFixture, MovesWithoutAHeldButtonChangeNothing) {
    EXPECT_FALSE(dragStep(scene, settings, 50, 60));
    EXPECT_EQ(settings.currentX, 0);
    EXPECT_EQ(settings.lastY, 0);
    EXPECT_EQ(scene.camera().eye, (Float3{0, 0, 4}));
    EXPECT_FALSE(endDrag(settings, 5, 5));
}

TEST_F(DragFixture, DefaultDragOrbitsTheCameraOneDegreePerPixel) {
    beginDrag(settings, 10, 10);
    EXPECT_EQ(settings.dragging, 1);
    EXPECT_TRUE(settings.makeViewState().interactiveDrag());
    EXPECT_TRUE(dragStep(scene, settings, 100, 10));
    EXPECT_EQ(settings.lastX, 100);
    EXPECT_NEAR(scene.camera().eye.x, -4.0, 1e-6);
    EXPECT_TRUE(endDrag(settings, 100, 10));
    EXPECT_EQ(settings.dragging, 0);
}

TEST_F(DragFixture, ALightChosenThenZoomLeavesNoLightSelected) {
    settings.selectDragTarget(DragTarget::YellowLight);
    settings.selectDragTarget(DragTarget::Zoom);
    drag(10, 0);
    EXPECT_NEAR(scene.camera().eye.z, 3.0, 1e-6);  // a quarter of the way at zoom 2
    EXPECT_EQ(scene.yellowLight().referencePoint, (Float4{0, -2, 2, 1}));
}

TEST_F(DragFixture, TheFlareMovesInTheScreenPlaneWithZZeroAndWKept) {
    // Default camera: f = (0, 0, -4), f x up = (4, 0, 0), D = 4. The rotate action is
    // pressed, yet the flare is moved.
    settings.selectDragTarget(DragTarget::Flare);
    settings.flarePosition = {0.5f, 0.5f, 0.7f, 1.0f};
    drag(10, 10);
    EXPECT_FLOAT_EQ(settings.flarePosition.x, 0.54f);
    EXPECT_FLOAT_EQ(settings.flarePosition.y, 0.46f);
    EXPECT_EQ(settings.flarePosition.z, 0.0f);
    EXPECT_EQ(settings.flarePosition.w, 1.0f);
    EXPECT_EQ(scene.camera().eye, (Float3{0, 0, 4}));
}

TEST_F(DragFixture, TranslateModeMovesTheSelectedLightOnly) {
    settings.selectDragTarget(DragTarget::BlueLight);
    settings.selectLightAction(LightAction::Translate);
    drag(10, -10);
    const CLight& blue = scene.blueLight();
    EXPECT_FLOAT_EQ(blue.position.x, 3.04f);
    EXPECT_FLOAT_EQ(blue.position.y, 0.04f);
    EXPECT_FLOAT_EQ(blue.position.z, 1.0f);
    EXPECT_FLOAT_EQ(blue.beamEnd.x, 0.04f);
    EXPECT_FLOAT_EQ(blue.beamEnd.y, 0.04f);
    EXPECT_EQ(blue.referencePoint, (Float4{3, 0, 1, 1}));
    EXPECT_EQ(scene.greenLight().position, (Float4{-3, 0, 1, 1}));
    EXPECT_EQ(settings.flarePosition, (Float4{0.5f, 0.5f, 0.0f, 1.0f}));
}

TEST_F(DragFixture, RotateModeTurnsTheSelectedLight) {
    settings.selectDragTarget(DragTarget::YellowLight);
    drag(0, 0);
    const CLight& yellow = scene.yellowLight();
    EXPECT_NEAR(yellow.referencePoint.y, -1.6329932, 1e-5);
    EXPECT_EQ(yellow.position, (Float4{0, -2, 2, 1}));
    EXPECT_NEAR(yellow.beamEnd.y, -2 + 1.6329932, 1e-5);
    EXPECT_NEAR(yellow.beamEnd.z, 2 - 1.6329932, 1e-5);
}

TEST_F(DragFixture, ScaleModeWidensToTheRightAndHeightensUpward) {
    settings.selectDragTarget(DragTarget::ScaleText);
    drag(20, -10);
    EXPECT_FLOAT_EQ(scene.text().scale[0], 0.0125f);
    EXPECT_FLOAT_EQ(scene.text().scale[1], 0.0075f);
    EXPECT_EQ(scene.text().scale[2], 0.0025f);
    // No bound: a long drag mirrors the text.
    drag(-100, 0);
    EXPECT_LT(scene.text().scale[0], 0.0f);
}
