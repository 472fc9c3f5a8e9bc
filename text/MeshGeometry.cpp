#include "text/MeshGeometry.h"

#include <cmath>

#include "text/VertexRecord.h"

namespace vyr {

namespace {

// Offset from a point to its inset, with the bevel depth as its z.
Vec3 bevelOffset(const VertexRecord& r, double depth) {
    return {r.inset.x - r.position.x, r.inset.y - r.position.y, depth};
}

// sqrt(2) as the single-precision constant the inset has always used.
constexpr double kCornerFactor = static_cast<double>(1.4142f);

}  // namespace

double verticalShift(double minY, double maxY) {
    return minY + (minY + maxY) / 2.0 + 50.0;
}

void insetContour(Contour& contour, float bevelWidth) {
    const int n = contour.count;
    const double w = bevelWidth;
    for (int j = 0; j < n; ++j) {
        VertexRecord& p = *contour[j].user;
        const VertexRecord& q = *contour[j == 0 ? n - 1 : j - 1].user;
        const VertexRecord& r = *contour[j == n - 1 ? 0 : j + 1].user;
        Vec3 dIn = p.position - q.position;
        const Vec3 nIn = normalize(cross(dIn, p.normal));
        dIn = normalize(dIn);
        Vec3 dOut = r.position - p.position;
        const Vec3 nOut = normalize(cross(dOut, p.normal));
        dOut = normalize(dOut);
        const double c = dot(dIn, dOut);
        double k = 1.0;
        double f = 1.0;
        if (std::fabs(c) >= 0.8) {
            f = 1.0 - c / 3.0;
        } else {
            k = kCornerFactor;
        }
        const Vec3 m = normalize((nIn + nOut) * 0.5);
        p.inset = {p.position.x - f * k * m.x * w, p.position.y - f * k * m.y * w,
                   p.position.z - f * k * m.z * w};
    }
    for (int j = 0; j < n; ++j) {
        contour[j].x = contour[j].user->inset.x;
        contour[j].y = contour[j].user->inset.y;
    }
}

Vec3 sideNormal(const Contour& contour, int prev, int cur) {
    const VertexRecord& p = *contour[prev].user;
    const VertexRecord& c = *contour[cur].user;
    return cross(c.position - p.position, p.normal);
}

BevelNormals bevelNormals(const Contour& contour, int prev, int cur, double depth, bool rounded) {
    const int n = contour.count;
    const VertexRecord& p = *contour[prev].user;
    const VertexRecord& c = *contour[cur].user;
    const Vec3 d = c.position - p.position;
    const Vec3 oPrev = bevelOffset(p, depth);
    const Vec3 oCur = bevelOffset(c, depth);
    const Vec3 nA = normalize(cross(d, oPrev));
    const Vec3 nB = normalize(cross(d, oCur));

    BevelNormals out;
    if (!rounded) {
        out.t1[0] = out.t1[1] = out.t1[2] = -nA;
        out.t2[0] = out.t2[1] = out.t2[2] = -nB;
        return out;
    }

    const VertexRecord& next = *contour[nextIndex(cur, n)].user;
    const VertexRecord& pprev = *contour[previousIndex(prev, n)].user;
    const Vec3 z{0.0, 0.0, -1.0};
    const Vec3 sCur = normalize(cross(d, z));
    const Vec3 sNext = normalize(cross(next.position - c.position, z));
    const Vec3 sPrev = normalize(cross(p.position - pprev.position, z));
    const Vec3 b1 = normalize(cross(oCur, next.inset - c.inset));
    const Vec3 b2 = normalize(cross(next.inset - next.position, next.position - c.position));
    const Vec3 b3 = normalize(cross(oPrev, p.inset - pprev.inset));
    const Vec3 b4 = normalize(cross(pprev.inset - pprev.position, p.position - pprev.position));
    const Vec3 up{0.0, 0.0, 2.0};

    const Vec3 nCur = normalize(b2 + (sCur + sNext) * 2.0 + b1 + nB + nA);
    const Vec3 nCurIn = normalize(nB + (b1 + b2) / 2.0 + up);
    const Vec3 nPrev = normalize(b4 + (sCur + sPrev) * 2.0 + b3 + nA);
    const Vec3 nPrevIn = normalize(b3 + (nA + nB) / 2.0 + up);

    out.t1[0] = nPrev;
    out.t1[1] = nCur;
    out.t1[2] = nPrevIn;
    out.t2[0] = nPrevIn;
    out.t2[1] = nCur;
    out.t2[2] = nCurIn;
    return out;
}

}  // namespace vyr
