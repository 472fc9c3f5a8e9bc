// Mouse drags on the scene: what each drag target moves, by how much, and what it leaves.

#include "SceneTestSupport.h"
#include "scene/Drag.h"

using namespace vyr;

namespace {

// A scene whose text is never built: dragging needs only its scale factors.
struct DragTest : ::testing::Test {
    Scene scene{"/nonexistent-fonts"};
    ViewSettings settings;

    void drag(DragTarget target, int dx, int dy) {
        settings.dragTarget = target;
        beginDrag(settings, 100, 100);
        EXPECT_TRUE(dragStep(scene, settings, 100 + dx, 100 + dy));
        EXPECT_TRUE(endDrag(settings, 100 + dx, 100 + dy));
        EXPECT_FALSE(dragStep(scene, settings, 0, 0));  // the drag has ended
    }
};

}  // namespace

TEST_F(DragTest, CameraDragsOrbitOneDegreePerPixelAndZoomAQuarterPer10Pixels) {
    drag(DragTarget::RotateCamera, 90, 30);  // to the left side, then 30 degrees up
    test::expectNear3(scene.camera().eye, -2 * std::sqrt(3.0), 2, 0);
    scene.camera() = Camera();
    settings.dragTarget = DragTarget::YellowLight;  // then zoom: no light stays selected
    drag(DragTarget::Zoom, 10, 0);
    EXPECT_NEAR(scene.camera().eye.z, 3.0, 1e-6);
    EXPECT_EQ(scene.yellowLight().referencePoint, (Float4{0, -2, 2, 1}));
}

TEST_F(DragTest, TheFlareMovesInTheScreenPlaneWithZZeroAndWKept) {
    // Default camera: f = (0, 0, -4), f x up = (4, 0, 0), D = 4; (10, 10) pixels move by
    // (4 * 10, -4 * 10) / 1000. The rotate action is pressed, yet the flare is moved.
    settings.flarePosition = {0.5f, 0.5f, 0.7f, 1.0f};
    drag(DragTarget::Flare, 10, 10);
    EXPECT_EQ(settings.flarePosition, (Float4{0.54f, 0.46f, 0.0f, 1.0f}));
    EXPECT_EQ(scene.camera().eye, (Float3{0, 0, 4}));
}

TEST_F(DragTest, TranslateModeMovesTheSelectedLightOnly) {
    // Seen from the right: f = (4, 0, 0), f x up = (0, 0, 4); (10, -10) pixels move by
    // (0, 4 * 10, 4 * 10) / 1000, position and beam end alike.
    scene.camera().viewRight();
    settings.lightAction = LightAction::Translate;
    drag(DragTarget::BlueLight, 10, -10);
    const Light& blue = scene.blueLight();
    EXPECT_EQ(
        std::tie(blue.position, blue.beamEnd, blue.referencePoint),
        std::tuple(Float4{3, 0.04f, 1.04f, 1}, Float4{0, 0.04f, 0.04f, 1}, Float4{3, 0, 1, 1}));
    EXPECT_EQ(std::tie(scene.greenLight().position, settings.flarePosition),
              std::tuple(Float4{-3, 0, 1, 1}, Float4{0.5f, 0.5f, 0.0f, 1.0f}));
}

TEST_F(DragTest, ScaleModeWidensToTheRightAndHeightensUpward) {
    drag(DragTarget::ScaleText, 20, -10);
    EXPECT_FLOAT_EQ(scene.text().parameters.scale[0], 0.0125f);
    EXPECT_FLOAT_EQ(scene.text().parameters.scale[1], 0.0075f);
    EXPECT_EQ(scene.text().parameters.scale[2], 0.0025f);
}
