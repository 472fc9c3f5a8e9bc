// The two display lists of the text as sequences of OpenGL calls: the solid list with
// materials and normals, and the wire list drawn while the user drags.
#include "text/GlSink.h"
#include "text/MeshGeometry.h"
#include "text/SolidWalk.h"
#include "text/Text.h"

namespace vyr {

namespace {

void applyMaterial(GlSink& sink, const Material& m) {
    sink.material(kGlFront, kGlEmission, m.emission.data());
    sink.material(kGlFront, kGlAmbient, m.ambient.data());
    sink.material(kGlFront, kGlDiffuse, m.diffuse.data());
    sink.material(kGlFront, kGlSpecular, m.specular.data());
    sink.material(kGlFront, kGlShininess, &m.shininess);
}

void normal(GlSink& sink, Vec3 v) {
    sink.normal3d(v.x, v.y, v.z);
}
void normalF(GlSink& sink, Vec3 v) {
    sink.normal3f(static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z));
}
void vertex(GlSink& sink, Vec3 v, double dz = 0.0) {
    sink.vertex3d(v.x, v.y, v.z + dz);
}
void vertexF(GlSink& sink, Vec3 v, double dz) {
    sink.vertex3f(static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z + dz));
}

void beginList(GlSink& sink, float width) {
    sink.enable(kGlNormalize);
    sink.matrixMode(kGlModelView);
    sink.pushMatrix();
    sink.translate(-0.5 * width, 0.0, 0.0);
}

// The solid as OpenGL calls: each face triangle and each contour's strip or bevel its own
// begin/end, a material wherever a part begins.
class ListSink {
  public:
    ListSink(GlSink& sink, const TextParameters& tp) : sink_(sink), tp_(tp) {}

    void part(SolidPart part) {
        part_ = part;
        applyMaterial(sink_, part == SolidPart::kFaces   ? tp_.frontMaterial
                             : part == SolidPart::kSides ? tp_.sideMaterial
                                                         : tp_.bevelMaterial);
    }
    void face(const SolidCorner& a, const SolidCorner& b, const SolidCorner& c) {
        sink_.begin(kGlTriangles);
        for (const SolidCorner* k : {&a, &b, &c})
            normal(sink_, k->faceNormal()), vertex(sink_, k->position);
        sink_.end();
    }
    void beginContour() { sink_.begin(part_ == SolidPart::kSides ? kGlQuadStrip : kGlTriangles); }
    void endContour() { sink_.end(); }
    // The strip's pair at the edge's first point, with the edge's normal.
    void wall(const SolidEdge& e) {
        const Vec3 s = e.wallNormal();
        normalF(sink_, s), vertex(sink_, e.p(CornerKind::kFront).position);
        normalF(sink_, s), vertex(sink_, e.p(CornerKind::kWall).position);
    }
    void bevel(const SolidEdge& e) {
        const BevelNormals bn =
            bevelNormals(e.contour, e.prev, e.cur, tp_.bevelDepth, tp_.roundedEdges);
        put(bn.t1, e.bevelFirst());
        put(bn.t2, e.bevelSecond());
    }

  private:
    void put(const Vec3 (&normals)[3], const std::array<SolidCorner, 3>& corners) {
        for (int q = 0; q < 3; ++q) {
            if (tp_.roundedEdges) {
                normal(sink_, normals[q]);
            } else {
                normalF(sink_, normals[q]);
            }
            vertexF(sink_, corners[size_t(q)].position, 0.0);
        }
    }

    GlSink& sink_;
    const TextParameters& tp_;
    SolidPart part_ = SolidPart::kFaces;
};

}  // namespace

void Text::emitSolidList(GlSink& sink) const {
    beginList(sink, mesh_.width);
    ListSink list(sink, parameters);
    for (const TextMeshEntry& e : mesh_.entries)
        walkSolid(e, parameters, list);
    sink.popMatrix();
}

void Text::emitWireList(GlSink& sink) const {
    const TextMesh& m = mesh_;
    const double length = parameters.extrusionLength;
    beginList(sink, m.width);
    sink.color3f(0.9f, 0.2f, 0.2f);
    for (const TextMeshEntry& e : m.entries) {
        for (int t = 0; t < e.frontCount(); ++t) {
            const Triangle& tri = (*e.front)[t];
            const Vec3 a = tri.a->user->position;
            const Vec3 b = tri.b->user->position;
            const Vec3 c = tri.c->user->position;
            sink.begin(kGlLineStrip);
            vertex(sink, c), vertex(sink, b), vertex(sink, a), vertex(sink, c);
            sink.end();
            sink.begin(kGlLineStrip);
            vertex(sink, a, length), vertex(sink, b, length), vertex(sink, c, length);
            vertex(sink, a, length);
            sink.end();
        }
        for (int k = 0; k < e.contourCount(); ++k) {
            const Contour& contour = e.contour(k);
            for (int j = 0; j < contour.count; ++j) {
                const Vec3 p = contour[j].user->position;
                sink.begin(kGlLines);
                vertexF(sink, p, 0.0);
                vertexF(sink, p, length);
                sink.end();
            }
        }
    }
    sink.popMatrix();
}

}  // namespace vyr
