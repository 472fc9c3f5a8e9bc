#include "font/FontInstance.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <cmath>

#include "font/FontFace.h"

namespace vyr {

FontInstance::FontInstance(FontFace* face) : face_(face) {}

FontInstance::~FontInstance() {
    // The size belongs to the face; it is released here only while the face is still open.
    if (size_ != nullptr && face_ != nullptr && face_->isOpen())
        FT_Done_Size(size_);
}

bool FontInstance::open() {
    if (face_ == nullptr || !face_->isOpen())
        return false;
    if (size_ != nullptr)
        return true;
    FT_Size size = nullptr;
    if (FT_New_Size(face_->handle(), &size) != 0)
        return false;
    size_ = size;
    return true;
}

void FontInstance::setResolution(int horizontal, int vertical) {
    hres_ = horizontal;
    vres_ = vertical;
}

bool FontInstance::setPointSize(double points) {
    if (size_ == nullptr)
        return false;
    if (!(points >= 1.0))
        points = 1.0;
    if (points > 16000.0)
        points = 16000.0;
    if (!activate())
        return false;
    const auto size26_6 = static_cast<FT_F26Dot6>(std::lround(points * 64.0));
    return FT_Set_Char_Size(face_->handle(), 0, size26_6, hres_, vres_) == 0;
}

double FontInstance::lineHeight() const {
    return size_ == nullptr ? 0.0 : static_cast<double>(size_->metrics.height) / 64.0;
}

double FontInstance::pixelsPerUnit() const {
    // x_scale takes font units to 26.6 pixels, in 16.16 fixed point.
    return size_ == nullptr ? 0.0 : static_cast<double>(size_->metrics.x_scale) / 65536.0 / 64.0;
}

int FontInstance::activate() const {
    if (size_ == nullptr)
        return 0;
    return FT_Activate_Size(size_) == 0 ? 1 : 0;
}

}  // namespace vyr
