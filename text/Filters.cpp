#include "text/Filters.h"

#include <cmath>

#include "core/Angles.h"
#include "font/Contour.h"
#include "text/VertexRecord.h"

namespace vyr {

namespace {

constexpr const char* kNames[kFilterCount] = {
    "chaos", "circle", "drunk", "floppy", "none", "perspective", "rainbow", "semi-circle", "twirl"};

// The two integer parameters every filter receives; fixed for all callers.
constexpr int kParamA = 10;
constexpr int kParamB = 0;

}  // namespace

const char* filterName(int index) {
    return (index >= 0 && index < kFilterCount) ? kNames[index] : nullptr;
}

int filterIndex(std::string_view name) {
    for (int i = 0; i < kFilterCount; ++i) {
        if (name == kNames[i])
            return i;
    }
    return -1;
}

void applyFilter(int index, VertexRecord& record, const ContourPoint& point,
                 const VertexRecord& /*previous*/, double xOffset, int yMin, int yMax, int i, int n,
                 double width) {
    const double x = point.x;
    const double y = point.y;
    const double o = xOffset;
    const double w = width;
    double nx = record.position.x;
    double ny = record.position.y;

    // "circle" and "semi-circle": the text's length sweeps `sweep` radians round a circle of
    // radius 500 centred below the middle of the text, starting on its left.
    auto wrapAroundCircle = [&](double sweep) {
        const double a = -kRoughPi - sweep * (x + o) / w;
        const double r = y + 500.0;
        nx = r * std::cos(a) + 0.5 * w;
        ny = r * std::sin(a);
    };

    switch (index) {
        case kFilterChaos: {
            const int q = n > 0 ? i / (2 * n) : 0;
            const double t = n > 0 ? static_cast<double>(i) / n : 0.0;
            nx = nx + 5.0 * std::sin(6.28 * (0.02 * x + q));
            ny = ny + 5.0 * std::sin(6.28 * (0.02 * y + t));
            break;
        }
        case kFilterCircle:
            wrapAroundCircle(6.28);
            break;
        case kFilterDrunk: {
            const double s =
                20.0 * std::sin((x - (kParamA + o)) / ((kParamB - kParamA) * kRoughPi));
            ny = ny - s;
            nx = nx + s;
            break;
        }
        case kFilterFloppy:
            ny = ny - 30.0 * std::sin((x - (kParamA + o)) / ((kParamB - kParamA) * kRoughPi));
            break;
        case kFilterPerspective: {
            // A text less than one pixel high has no height to fade over: left as it is.
            if (yMax == yMin)
                return;
            const double span = static_cast<double>(yMax - yMin);
            ny = (1.0 - (y - yMin) / span) * (0.25 - 0.001 * w) * nx + y + w / 3.0;
            break;
        }
        case kFilterRainbow:
            ny = ny - 200.0 * std::sin(kRoughPi * (x + o) / w);
            break;
        case kFilterSemiCircle:
            wrapAroundCircle(kRoughPi);
            break;
        case kFilterTwirl: {
            const double a = -6.28 * (x + o) / w;
            const double r = y + 500.0;
            nx = r * std::cos(a) + o;
            ny = r * std::sin(a);
            break;
        }
        default:
            return;
    }
    // A zero width (a text whose glyphs have no advance) would divide by zero in the
    // filters that follow the text's length; such a point keeps its position.
    if (!std::isfinite(nx) || !std::isfinite(ny))
        return;
    record.position.x = nx;
    record.position.y = ny;
}

}  // namespace vyr
