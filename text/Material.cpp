#include "text/Material.h"

namespace vyr {

Material Material::defaultFront() {
    return {{0, 0, 0, 0}, {0.2f, 0.2f, 0.2f, 0}, {0.99f, 0.99f, 0.5f, 0}, {1, 1, 1, 0}, 3};
}

Material Material::defaultSide() {
    return {{0, 0, 0, 0}, {0.9f, 0.13f, 0.07f, 0}, {0.71f, 0.08f, 0.11f, 0}, {1, 1, 1, 0}, 3};
}

Material Material::defaultBevel() {
    return {{0, 0, 0, 0}, {0.2f, 0.2f, 0.2f, 0.2f}, {0.95f, 0.95f, 0.8f, 0}, {1, 1, 1, 0}, 3};
}

}  // namespace vyr
