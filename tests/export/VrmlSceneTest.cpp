// The world file around the text: header, parts, viewpoint and spot lights.
#include <gmock/gmock.h>

#include <cmath>

#include "ExportTestSupport.h"
#include "export/VrmlWriter.h"
#include "scene/Scene.h"

namespace vyr {
namespace {

std::string world(const Scene& scene, VrmlParts parts) {
    std::ostringstream out;
    const ExportResult r = writeVrml(scene, out, parts);
    EXPECT_TRUE(r.ok) << r.message;
    return out.str();
}

// The default scene's whole world, its parts in scene order, is the command-line tests' golden
// file; here the parts alone.
TEST(VrmlWorld, EachPartAloneFollowsTheHeaderAndEndsTheFile) {
    Scene scene("/fonts");
    EXPECT_EQ(world(scene, {false, false, false}), "#VRML V2.0 utf8\r\n");
    test::FailingStream failing;
    EXPECT_FALSE(writeVrml(scene, failing, {}).ok);
    const std::string lights = world(scene, {false, true, false});
    EXPECT_TRUE(lights.starts_with("#VRML V2.0 utf8\r\n\r\nSpotLight {") &&
                lights.ends_with("location -3.00 0.00 1.00\r\n}"));
    EXPECT_TRUE(world(scene, {true, false, false}).ends_with("0.0\r\n}\r\n"));
}

TEST(VrmlViewpoint, PositionAndOrientationAreWrittenAsWorkedOutByHand) {
    // Eye, target, up and the orientation written.
    const std::tuple<Float3, Float3, Float3, const char*> cases[] = {
        // Looking down -z with +y up keeps the direction form, for any eye on the +z side and
        // for a turn too small to print.
        {{0, 0, 5}, {0, 0, 0}, {0, 1, 0}, "0.00 0.00 -5.00 0.0"},
        {{1, 2, 3}, {1, 2, -1}, {0, 1, 0}, "0.00 0.00 -4.00 0.0"},
        {{0, 0, 5}, {1e-7f, 0, 0}, {0, 1, 0}, "0.00 0.00 -5.00 0.0"},
        // Along -x, +x, -y, +y (up -z, +z there): a quarter turn; along +z half a turn.
        {{0.5f, 0, 0}, {0, 0, 0}, {0, 1, 0}, "0.000000 1.000000 0.000000 1.570796"},
        {{-5, 0, 0}, {0, 0, 0}, {0, 1, 0}, "0.000000 -1.000000 0.000000 1.570796"},
        {{0, 5, 0}, {0, 0, 0}, {0, 0, -1}, "-1.000000 0.000000 0.000000 1.570796"},
        {{0, -5, 0}, {0, 0, 0}, {0, 0, 1}, "1.000000 0.000000 0.000000 1.570796"},
        {{0, 0, -4}, {0, 0, 0}, {0, 1, 0}, "0.000000 1.000000 0.000000 3.141593"},
        // Upside down: half a turn about x to look along +z, about z to look along -z.
        {{0, 0, -4}, {0, 0, 0}, {0, -1, 0}, "1.000000 0.000000 0.000000 3.141593"},
        {{0, 0, 4}, {0, 0, 0}, {0, -1, 0}, "0.000000 0.000000 1.000000 3.141593"},
        // Up along the view: the shortest turn from -z (half a turn about y onto +z).
        {{0, 0, -4}, {0, 0, 0}, {0, 0, 1}, "0.000000 1.000000 0.000000 3.141593"},
        {{-5, 0, 0}, {0, 0, 0}, {1, 0, 0}, "0.000000 -1.000000 0.000000 1.570796"},
        // No direction at all: the identity form with a zero direction.
        {{1, 1, 1}, {1, 1, 1}, {0, 1, 0}, "0.00 0.00 0.00 0.0"},
    };
    for (const auto& [eye, target, up, orientation] : cases) {
        std::ostringstream out;
        EXPECT_TRUE(writeVrmlViewpoint(eye, target, up, out).ok);
        EXPECT_EQ(out.str(), test::format("\r\nViewpoint {\r\n\t\t position %.2f %.2f %.2f\r\n",
                                          eye.x, eye.y, eye.z) +
                                 "\t\t orientation " + orientation + "\r\n}\r\n");
    }
}

// Rodrigues' rotation of v about the unit axis by angle.
Vec3 rotate(Vec3 v, Vec3 axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return v * c + cross(axis, v) * s + axis * (dot(axis, v) * (1.0 - c));
}

TEST(VrmlViewpoint, OrientationTurnsTheDefaultViewOntoTheCamera) {
    // Eye, target and up. Turns of every size; past a quarter turn the largest diagonal entry x, y
    // or z (the quaternion's scalar negative in the second case of each), no entry off it zero.
    const std::tuple<Float3, Float3, Float3> cases[] = {
        {{3, 1, 2}, {0, 0, 0}, {0, 1, 0}},     {{-2, 4, 1}, {1, 0, -1}, {0, 1, 0}},
        {{0, 0, 4}, {0, 0, 0}, {1, 1, 0}},     {{0, -3, 0.5f}, {0, 0, 0}, {0, 0, 1}},
        {{0.1f, 4, 0}, {0, 0, 0}, {0, 1, 0}},  {{-1, -1, -1}, {0, 0, 0}, {1, 0, 0}},
        {{-1, 1, -1}, {0, 0, 0}, {-1, 0, 0}},  {{1, -1, -1}, {0, 0, 0}, {1, 0, 0}},
        {{-1, -1, -1}, {0, 0, 0}, {-1, 0, 0}}, {{-2, 1, 1}, {0, 0, 0}, {-1, 0, 0}},
        {{-2, -1, 1}, {0, 0, 0}, {1, 0, 0}},
    };
    for (const auto& [eye, target, cameraUp] : cases) {
        const ViewpointOrientation o = viewpointOrientation(eye, target, cameraUp);
        ASSERT_FALSE(o.identity);
        EXPECT_NEAR(std::sqrt(dot(o.axis, o.axis)), 1.0, 1e-12);
        const Vec3 f = normalize(Vec3{target.x - eye.x, target.y - eye.y, target.z - eye.z});
        const Vec3 miss = rotate({0, 0, -1}, o.axis, o.angle) - f;
        EXPECT_NEAR(dot(miss, miss), 0.0, 1e-18);
        // The turned +y lies in the plane of the view direction and the camera's up, on the
        // up vector's side.
        const Vec3 up = rotate({0, 1, 0}, o.axis, o.angle);
        const Vec3 u{cameraUp.x, cameraUp.y, cameraUp.z};
        EXPECT_NEAR(dot(up, f), 0.0, 1e-9);
        EXPECT_NEAR(dot(cross(f, u), up), 0.0, 1e-9);
        EXPECT_GT(dot(up, u), 0.0);
    }
}

TEST(VrmlSpotLight, ValuesAreWrittenAsWorkedOutByHandAlsoForASwitchedOffLight) {
    Scene scene("/fonts");
    Light& l = scene.light(2);
    l.enabled = 0, l.cutOff = 90.0f, l.colour = 0x3DC7FA;
    l.referencePoint = {1, 2, 3, 1}, l.targetPoint = {2, 0, 7, 1}, l.position = {-3, 0, 1, 1};
    // Direction from the reference point to the target; 0x00BBGGRR in steps of 1 / 255; 90
    // degrees as 90 * 3.14 / 270 and 90 * 3.14 / 180.
    EXPECT_THAT(world(scene, {false, true, false}),
                testing::HasSubstr(test::crlf(
                    "\nSpotLight {\n\t\tbeamWidth 1.05\n\t\tcolor 0.98 0.78 0.24\n\t\tcutOffAngle "
                    "1.570000\n\t\tdirection 1.00 -2.00 4.00\n\t\tlocation -3.00 0.00 1.00\n}")));
}

}  // namespace
}  // namespace vyr
