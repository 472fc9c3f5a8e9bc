// The VRML 2.0 world: viewpoint, spot lights and the text as indexed face sets.
#include "export/VrmlWriter.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "core/Angles.h"
#include "export/CrlfStream.h"
#include "text/SolidWalk.h"

namespace vyr {

namespace {

Vec3 toVec(const Float3& f) {
    return {f.x, f.y, f.z};
}

double length(Vec3 v) {
    return std::sqrt(dot(v, v));
}

// Axis and angle of the rotation whose matrix has the columns x, y, z (orthonormal),
// through the quaternion so that angles near pi stay accurate.
ViewpointOrientation axisAngle(Vec3 x, Vec3 y, Vec3 z) {
    const double m00 = x.x, m01 = y.x, m02 = z.x;
    const double m10 = x.y, m11 = y.y, m12 = z.y;
    const double m20 = x.z, m21 = y.z, m22 = z.z;
    double qw, qx, qy, qz;
    const double trace = m00 + m11 + m22;
    if (trace > 0.0) {
        const double s = std::sqrt(trace + 1.0) * 2.0;
        qw = 0.25 * s, qx = (m21 - m12) / s, qy = (m02 - m20) / s, qz = (m10 - m01) / s;
    } else if (m00 > m11 && m00 > m22) {
        const double s = std::sqrt(1.0 + m00 - m11 - m22) * 2.0;
        qw = (m21 - m12) / s, qx = 0.25 * s, qy = (m01 + m10) / s, qz = (m02 + m20) / s;
    } else if (m11 > m22) {
        const double s = std::sqrt(1.0 + m11 - m00 - m22) * 2.0;
        qw = (m02 - m20) / s, qx = (m01 + m10) / s, qy = 0.25 * s, qz = (m12 + m21) / s;
    } else {
        const double s = std::sqrt(1.0 + m22 - m00 - m11) * 2.0;
        qw = (m10 - m01) / s, qx = (m02 + m20) / s, qy = (m12 + m21) / s, qz = 0.25 * s;
    }
    if (qw < 0.0)
        qw = -qw, qx = -qx, qy = -qy, qz = -qz;
    const double sinHalf = std::sqrt(qx * qx + qy * qy + qz * qz);
    ViewpointOrientation o;
    o.angle = 2.0 * std::atan2(sinHalf, qw);
    // Anything that would print as a zero angle keeps the identity form.
    if (!(o.angle >= 5e-7) || sinHalf <= 0.0)
        return o;
    o.identity = false;
    o.axis = {qx / sinHalf, qy / sinHalf, qz / sinHalf};
    return o;
}

// Components that print as zero are written as plain 0, not -0.
double tidy(double v) {
    return std::fabs(v) < 5e-7 ? 0.0 : v;
}

}  // namespace

ViewpointOrientation viewpointOrientation(const Float3& eye, const Float3& target,
                                          const Float3& up) {
    const Vec3 f = toVec(target) - toVec(eye);
    const double fl = length(f);
    if (!(fl > 0.0) || !std::isfinite(fl))
        return {};
    const Vec3 forward = f / fl;
    const Vec3 side = cross(forward, toVec(up));
    const double sl = length(side);
    if (sl > 1e-9 && std::isfinite(sl)) {
        const Vec3 right = side / sl;
        const Vec3 trueUp = cross(right, forward);
        return axisAngle(right, trueUp, -forward);
    }
    // No usable up vector: the shortest turn from -z onto the viewing direction.
    const Vec3 minusZ{0.0, 0.0, -1.0};
    const Vec3 axis = cross(minusZ, forward);
    const double al = length(axis);
    ViewpointOrientation o;
    if (al > 1e-12) {
        o.angle = std::atan2(al, dot(minusZ, forward));
        if (o.angle >= 5e-7)
            o.identity = false, o.axis = axis / al;
    } else if (forward.z > 0.0) {
        o.identity = false, o.axis = {0.0, 1.0, 0.0}, o.angle = std::acos(-1.0);
    }
    return o;
}

ExportResult writeVrmlHeader(std::ostream& out) {
    CrlfStream s(out);
    s.text("#VRML V2.0 utf8\n");
    return s.result("VRML header");
}

ExportResult writeVrmlViewpoint(const Float3& eye, const Float3& target, const Float3& up,
                                std::ostream& out) {
    CrlfStream s(out);
    s.text("\nViewpoint {");
    const ViewpointOrientation o = viewpointOrientation(eye, target, up);
    if (o.identity) {
        // Looking along -z with +y up: the long-standing form, direction and a zero angle.
        s.format("\n\t\t position %.2f %.2f %.2f\n\t\t orientation %.2f %.2f %.2f 0.0\n}\n",
                 double(eye.x), double(eye.y), double(eye.z), double(target.x) - eye.x,
                 double(target.y) - eye.y, double(target.z) - eye.z);
    } else {
        // VRML reads orientation as an axis and an angle in radians, applied to its default
        // view; the look-at direction alone would be read as a rotation axis.
        s.format("\n\t\t position %.2f %.2f %.2f\n\t\t orientation %f %f %f %f\n}\n", double(eye.x),
                 double(eye.y), double(eye.z), tidy(o.axis.x), tidy(o.axis.y), tidy(o.axis.z),
                 o.angle);
    }
    return s.result("VRML viewpoint");
}

ExportResult writeVrmlSpotLight(const VrmlSpotLight& light, std::ostream& out) {
    CrlfStream s(out);
    const double cut = light.cutOff;
    const double toUnit = 0.003921569f;
    const double red = double(light.colour & 0xFFu) * toUnit;
    const double green = double((light.colour >> 8) & 0xFFu) * toUnit;
    const double blue = double((light.colour >> 16) & 0xFFu) * toUnit;
    s.format("\nSpotLight {\n\t\tbeamWidth %.2f\n\t\tcolor %.2f %.2f %.2f",
             cut * 0.01162962962962963, red, green, blue);
    const Float4& r = light.referencePoint;
    const Float4& t = light.targetPoint;
    const Float4& p = light.position;
    s.format("\n\t\tcutOffAngle %f\n\t\tdirection %.2f %.2f %.2f\n\t\tlocation %.2f %.2f %.2f\n}",
             cut * kRoughDegToRad, double(t.x) - r.x, double(t.y) - r.y, double(t.z) - r.z,
             double(p.x), double(p.y), double(p.z));
    return s.result("VRML spot light");
}

namespace {

// One text group: walks the mesh once per list, writing each piece as it is produced.
class VrmlText {
  public:
    VrmlText(const TextExportView& view, CrlfStream& s) : v_(view), s_(s) {}

    void write() {
        s_.text("\nDEF VYROUTPUT Group{\n\tchildren[\n# front face & back face objects\n");
        s_.format("\t\tTransform {\n\t\t\tscale %f %f %f\n\t\t\tchildren[\n",
                  double(v_.parameters.scale[0]), double(v_.parameters.scale[1]),
                  double(v_.parameters.scale[2]));
        faces();
        sides();
        if (v_.parameters.bevelOn)
            bevel();
    }

  private:
    static constexpr const char* kPoint = "%3.2lf %3.2lf %3.2lf";
    static constexpr const char* kIndex = "%d %d %d -1";
    static constexpr const char* kSeparator = "\n\t\t\t\t\t\t";

    static void point(CrlfStream& s, Vec3 p) { s.format(kPoint, p.x, p.y, p.z); }

    void shapeStart() {
        s_.text("\t\tShape{\n\t\t\tgeometry IndexedFaceSet{\n");
        s_.text("\t\t\t\tcoord Coordinate{\n");
        s_.text("\t\t\t\t\tpoint[");
    }

    // The points of a list separated by `sep`; the closing text follows the last one. An
    // empty list is closed at once, which keeps the file valid.
    static void listPoint(CrlfStream& s, bool& first, Vec3 p) {
        if (!first)
            s.text(kSeparator);
        first = false;
        point(s, p);
    }

    // The characters' points go through writeInParts; only the list's first point goes
    // without a separator, so each character is told whether it holds that point.
    template <class Count, class Write>
    void listInParts(Count count, Write write) {
        const auto& entries = v_.mesh->entries;
        size_t firstWithPoints = entries.size();
        for (size_t i = 0; i < entries.size() && firstWithPoints == entries.size(); ++i) {
            if (count(entries[i]) > 0)
                firstWithPoints = i;
        }
        writeInParts(s_, entries.size(), [&](CrlfStream& part, size_t i) {
            bool first = i == firstWithPoints;
            write(part, first, entries[i]);
        });
    }

    int faceTriangles(const TextMeshEntry& e) const {
        return v_.parameters.bevelOn ? e.frontCount() + e.backCount() : 2 * e.frontCount();
    }

    static int sidePoints(const TextMeshEntry& e) {
        int points = 0;
        for (int k = 0; k < e.contourCount(); ++k) {
            if (exportsContour(e.contour(k)))
                points += e.contour(k).count;
        }
        return points;
    }

    // The points of one part of a character, as its coordinate list holds them: three per
    // face triangle, the front and the wall's end of each side point, six per bevel edge.
    struct PointSink {
        CrlfStream& s;
        bool& first;

        void part(SolidPart) {}
        void beginContour() {}
        void endContour() {}
        void face(const SolidCorner& a, const SolidCorner& b, const SolidCorner& c) {
            for (const SolidCorner* k : {&a, &b, &c})
                listPoint(s, first, k->position);
        }
        void wall(const SolidEdge& e) {
            listPoint(s, first, e.p(CornerKind::kFront).position);
            listPoint(s, first, e.p(CornerKind::kWall).position);
        }
        void bevel(const SolidEdge& e) {
            for (const auto& triangle : {e.bevelFirst(), e.bevelSecond()}) {
                for (const SolidCorner& k : triangle) {
                    point(s, k.position);
                    s.text(kSeparator);
                }
            }
        }
    };

    void walkPart(CrlfStream& s, bool& first, const TextMeshEntry& e, SolidPart part,
                  bool closingEdgeTwice) const {
        PointSink sink{s, first};
        walkSolid(e, v_.parameters, sink, {partBit(part), closingEdgeTwice, false});
    }

    void faces() {
        shapeStart();
        int triangles = 0;
        for (const TextMeshEntry& e : v_.mesh->entries)
            triangles += faceTriangles(e);
        listInParts([this](const TextMeshEntry& e) { return faceTriangles(e); },
                    [this](CrlfStream& s, bool& first, const TextMeshEntry& e) {
                        walkPart(s, first, e, SolidPart::kFaces, false);
                    });
        s_.text("]\n");
        s_.text("\t\t\t\t}\n");
        s_.text("\t\t\t\tcoordIndex[\n\t\t\t\t\t");
        for (int k = 0; k < triangles; ++k) {
            if (k > 0)
                s_.text("\n\t\t\t\t\t");
            s_.format(kIndex, 3 * k, 3 * k + 1, 3 * k + 2);
        }
        s_.text("]\n\t\t\t\t");
        s_.text("\t\t\t\t\t}");
        appearance(v_.parameters.frontMaterial);
        s_.text("\n\t\t\t}\n#side facets object\n");
    }

    void sides() {
        shapeStart();
        listInParts(sidePoints, [this](CrlfStream& s, bool& first, const TextMeshEntry& e) {
            walkPart(s, first, e, SolidPart::kSides, false);
        });
        s_.text("]\n\t\t\t\t\t");
        s_.text("\t\t\t\t}\n");
        s_.text("\t\t\t\tcoordIndex[\n\t\t\t\t\t");
        int g = 0;
        for (const TextMeshEntry& e : v_.mesh->entries) {
            for (int k = 0; k < e.contourCount(); ++k) {
                const Contour& contour = e.contour(k);
                if (!exportsContour(contour))
                    continue;
                sideIndices(g, contour.count);
                g += contour.count;
            }
        }
        if (!v_.parameters.bevelOn) {
            s_.text("\n]}");
            appearance(v_.parameters.sideMaterial);
            s_.text("}]}]}");
            return;
        }
        s_.text("]\n\t\t\t\t}");
        appearance(v_.parameters.sideMaterial);
        s_.text("\n\t\t\t}\n#bevelled side facets object\n");
    }

    // Two triangles per edge, 2n lines per contour; the closing edge comes with point 0.
    void sideIndices(int g, int n) {
        auto F = [g](int p) { return 2 * (g + p); };
        auto B = [g](int p) { return 2 * (g + p) + 1; };
        auto line = [this](int a, int b, int c) { s_.format("%d %d %d -1\n\t\t\t\t\t", a, b, c); };
        for (int p = 0; p < n; ++p) {
            const bool last = p == n - 1;
            if (p == 0) {
                line(F(0), B(0), F(1));
                line(F(0), B(n - 1), B(0));
                line(F(n - 1), B(n - 1), F(0));
            } else if (p % 2 == 1) {
                line(F(p), B(p - 1), B(p));
                if (!last)
                    line(F(p), B(p), F(p + 1));
            } else if (!last) {
                line(F(p), B(p), F(p + 1));
                line(F(p), B(p - 1), B(p));
            } else {
                line(B(p - 1), B(p), F(p));
            }
        }
    }

    void bevel() {
        shapeStart();
        int triangles = 0;
        for (const TextMeshEntry& e : v_.mesh->entries) {
            for (int k = 0; k < e.contourCount(); ++k) {
                if (exportsContour(e.contour(k)))
                    triangles += 2 * (e.contour(k).count + 1);
            }
        }
        // n + 1 edges per contour: the closing edge is written first and last, as it is drawn.
        writeInParts(s_, v_.mesh->entries.size(), [this](CrlfStream& s, size_t i) {
            bool unused = false;
            walkPart(s, unused, v_.mesh->entries[i], SolidPart::kBevel, true);
        });
        s_.text("]\n\t\t\t\t}\n");
        s_.text("\t\t\t\tcoordIndex[\n\t\t\t\t\t");
        for (int k = 0; k < triangles; ++k) {
            s_.format("%d %d %d -1\n\t\t\t\t\t", 3 * k + 2, 3 * k + 1, 3 * k);
        }
        s_.text("] \n\t\t\t\t ");
        s_.text("\n}");
        appearance(v_.parameters.bevelMaterial);
        s_.text("}]}]}");
    }

    void appearance(const Material& m) {
        s_.text("\n\t\t\tappearance Appearance { \n\t\t\t\tmaterial Material {");
        const double ar = m.ambient[0], ag = m.ambient[1], ab = m.ambient[2];
        s_.format("\n\t\t\t\t\tambientIntensity %.2f ",
                  std::sqrt(ar * ar + ag * ag + ab * ab) / std::sqrt(3.0));
        s_.format(
            "\n\t\t\t\t\tdiffuseColor %.2f %.2f %.2f \n\t\t\t\t\tspecularColor %.2f %.2f %.2f ",
            double(m.diffuse[0]), double(m.diffuse[1]), double(m.diffuse[2]), double(m.specular[0]),
            double(m.specular[1]), double(m.specular[2]));
        s_.format("\n\t\t\t\t\temissiveColor %.2f %.2f %.2f", double(m.emission[0]),
                  double(m.emission[1]), double(m.emission[2]));
        s_.format("\n\t\t\t\t\tshininess %.2f\t}\n\t\t\t}", double(m.shininess));
    }

    const TextExportView& v_;
    CrlfStream& s_;
};

}  // namespace

ExportResult writeVrmlText(const TextExportView& text, std::ostream& out) {
    static const TextMesh kEmpty;
    TextExportView v = text;
    if (v.mesh == nullptr)
        v.mesh = &kEmpty;
    CrlfStream s(out);
    VrmlText(v, s).write();
    return s.result("VRML text");
}

}  // namespace vyr
