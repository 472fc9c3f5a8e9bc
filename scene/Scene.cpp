#include "scene/Scene.h"

#include <stdexcept>
#include <utility>

namespace vyr {

Scene::Scene(std::string fontsFolder) : text_(std::move(fontsFolder)) {}

Light& Scene::light(int slot) {
    return const_cast<Light&>(std::as_const(*this).light(slot));
}

const Light& Scene::light(int slot) const {
    switch (slot) {
        case 1:
            return yellow_;
        case 2:
            return blue_;
        case 3:
            return green_;
        default:
            throw std::out_of_range("scene slot " + std::to_string(slot) + " holds no light");
    }
}

}  // namespace vyr
