#include <cstdlib>
#include <string>

#include "FuzzTargets.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"
#include "text/Shaper.h"

int vyr::fuzz::textLayout(const uint8_t* data, size_t size) {
    if (size == 0 || size > TextParameters::kMaxTextLength)
        return 0;
    Scene scene("/nonexistent-fonts-folder");
    TextParameters& p = scene.text().parameters;
    p.chooseFontPath(VYR_TEST_FONT_DEJAVU);
    p.layout = static_cast<TextLayout>(data[0] & 1);
    p.direction = static_cast<TextDirection>((data[0] >> 1 & 3) % 3);
    p.alignment = static_cast<TextAlignment>((data[0] >> 3 & 3) % 3);
    p.lineSpacing = 0.5 + (data[0] >> 5);
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t cut = rest.find('\n');
    if (cut != std::string::npos && !featureProblem(rest.substr(0, cut)))
        p.features = rest.substr(0, cut);
    // Any bytes: what is not UTF-8 builds as U+FFFD, and the scene file keeps it so.
    p.text = cut == std::string::npos ? rest : rest.substr(cut + 1);
    if (scene.text().buildMesh().ok)
        writeEverything(scene);
    const std::vector<uint8_t> bytes = sceneBytes(scene);
    Scene loaded("/nonexistent-fonts-folder");
    if (!loadSceneBytes(loaded, bytes.data(), bytes.size(), "fuzz.vyr").ok ||
        sceneBytes(loaded) != bytes)
        std::abort();
    return 0;
}
