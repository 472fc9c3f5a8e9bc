#pragma once

#include "core/Vec3.h"
#include "font/Contour.h"

namespace vyr {

/// Normals of the two bevel triangles on the contour edge prev -> cur:
/// T1 = (prev + L, cur + L, prev inset + L + D), T2 = (prev inset + L + D, cur + L,
/// cur inset + L + D). Flat: every corner of T1 gets -nA, of T2 -nB. Rounded: blends of the
/// neighbouring wall, bevel and back-face normals so that shading runs smoothly round corners.
struct BevelNormals {
    Vec3 t1[3];
    Vec3 t2[3];
};

/// The contour's points must carry their vertex records (after a mesh build).
BevelNormals bevelNormals(const Contour& contour, int prev, int cur, double bevelDepth,
                          bool rounded);

/// The side wall normal of the edge prev -> cur, not normalised: (cur - prev) x normal(prev).
Vec3 sideNormal(const Contour& contour, int prev, int cur);

/// Moves every point of a placed contour inwards by the bevel width: along the bisector of its
/// two edge normals, by 2/3 W on a straight run, 1.4142 W at a right angle, (1 - c/3) W where
/// the turn's cosine c has |c| >= 0.8. Stores the result in each record's inset and in the
/// ContourPoint's x, y. Every point must carry its record, with position and normal set.
void insetContour(Contour& contour, float bevelWidth);

/// The amount subtracted from every outline y to place the text vertically.
double verticalShift(double minY, double maxY);

/// The index before / after k round a contour of n points.
inline int previousIndex(int k, int n) {
    return k == 0 ? n - 1 : k - 1;
}
inline int nextIndex(int k, int n) {
    return k == n - 1 ? 0 : k + 1;
}

}  // namespace vyr
