#include "font/GlyphOutline.h"

namespace vyr {

bool GlyphOutline::isConsistent() const {
    if (tags.size() != points.size())
        return false;
    int previous = -1;
    for (int end : contourEnds) {
        if (end <= previous || end >= static_cast<int>(points.size()))
            return false;
        previous = end;
    }
    return true;
}

}  // namespace vyr
