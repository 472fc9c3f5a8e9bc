#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/Scene.h"

namespace vyr {

/// Outcome of saving or loading a scene file.
struct SceneFileResult {
    /// False when nothing was written (save) or nothing was changed (load).
    bool ok = true;
    /// Why it failed, naming the file; on a successful load, a warning when the text could
    /// not be rebuilt (its font could not be opened). Empty when all went well.
    std::string message;
};

/// The scene file's bytes: each object's fields in slot order, little-endian, no header.
std::vector<uint8_t> sceneBytes(const Scene& scene);

/// Writes the scene file. The bytes go to a new file beside `path` that then replaces it,
/// so a failed save leaves any earlier file as it was. Every failure is reported.
SceneFileResult saveScene(const Scene& scene, const std::string& path);

/// Reads the five objects' values from `data` and, only when every value was read, gives
/// them to the running scene and rebuilds the text. A damaged file changes nothing. Bytes
/// after the last value are ignored. `source` names the data in messages.
SceneFileResult loadSceneBytes(Scene& scene, const uint8_t* data, size_t size,
                               const std::string& source);

/// Reads the file at `path` whole and loads it as loadSceneBytes does.
SceneFileResult loadScene(Scene& scene, const std::string& path);

}  // namespace vyr
