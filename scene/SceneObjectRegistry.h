#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/SceneObject.h"

namespace vyr {

/// The serialisable scene classes by name, each with its schema number (1) and a factory that
/// makes a default instance: "CCamera", "CLight" (numbered by the program-wide counter) and
/// "CText" (with `fontsFolder`, not built). Returns nullptr for an unknown name or schema.
std::unique_ptr<SceneObject> createSceneObject(std::string_view className, int schema,
                                               const std::string& fontsFolder);

}  // namespace vyr
