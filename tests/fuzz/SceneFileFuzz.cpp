#include <cstdlib>

#include "FuzzTargets.h"
#include "scene/SceneFile.h"

int vyr::fuzz::sceneFile(const uint8_t* data, size_t size) {
    // One running scene for the whole run, as the program keeps one.
    static Scene scene("/nonexistent-fonts-folder");
    const std::vector<uint8_t> before = sceneBytes(scene);
    const SceneFileResult r = loadSceneBytes(scene, data, size, "fuzz.vyr");
    if (!r.ok && (r.message.empty() || sceneBytes(scene) != before))
        std::abort();
    if (r.ok)
        writeEverything(scene);
    return 0;
}
