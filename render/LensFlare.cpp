#include "render/LensFlare.h"

namespace vyr {

struct LensFlare::State {
    int shineCounter = 0;
};

LensFlare::LensFlare() : state_(std::make_unique<State>()) {}
LensFlare::~LensFlare() = default;

std::vector<std::string> LensFlare::load() {
    return {"the lens flare is not built yet"};
}
bool LensFlare::available() const {
    return false;
}
void LensFlare::DrawFlares(const float*, const float*, float*, float) {}
int LensFlare::shineCounter() const {
    return state_->shineCounter;
}

}  // namespace vyr
