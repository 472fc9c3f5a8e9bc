#include "scene/SceneObjectRegistry.h"

#include "scene/CCamera.h"
#include "scene/CLight.h"
#include "text/CText.h"

namespace vyr {

std::unique_ptr<SceneObject> createSceneObject(std::string_view className, int schema,
                                               const std::string& fontsFolder) {
    if (schema != 1)
        return nullptr;
    if (className == "CCamera")
        return std::make_unique<CCamera>();
    if (className == "CLight")
        return std::make_unique<CLight>();
    if (className == "CText")
        return std::make_unique<CText>(fontsFolder);
    return nullptr;
}

}  // namespace vyr
