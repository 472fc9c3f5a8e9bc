#pragma once

#include <string_view>

namespace vyr {

struct ContourPoint;
struct VertexRecord;

/// Filter indices: positions of the names in alphabetical order.
enum FilterIndex : int {
    kFilterChaos = 0,
    kFilterCircle = 1,
    kFilterDrunk = 2,
    kFilterFloppy = 3,
    kFilterNone = 4,
    kFilterPerspective = 5,
    kFilterRainbow = 6,
    kFilterSemiCircle = 7,
    kFilterTwirl = 8,
    kFilterCount = 9,
};

/// "chaos", "circle", ... "twirl"; nullptr outside 0..8.
const char* filterName(int index);
/// The index of a filter name, or -1.
int filterIndex(std::string_view name);

/// Moves record.position in x-y by the formula of filter `index`.
/// point: glyph coordinates after vertical placement, before the character offset.
/// xOffset: the character's offset; yMin, yMax: the text's outline extent before placement,
/// truncated to integers; i, n: the point's index and its contour's point count; width: the
/// text width. "none" and indices outside 0..8 leave the record unchanged; so does
/// "perspective" when yMax equals yMin.
void applyFilter(int index, VertexRecord& record, const ContourPoint& point,
                 const VertexRecord& previous, double xOffset, int yMin, int yMax, int i, int n,
                 double width);

}  // namespace vyr
