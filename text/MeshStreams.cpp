// The two display lists of the text as sequences of OpenGL calls: the solid list with
// materials and normals, and the wire list drawn while the user drags.
#include "text/GlSink.h"
#include "text/MeshGeometry.h"
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

// The bevel: two triangles per edge, n + 1 passes so the closing edge comes twice.
void emitBevel(GlSink& sink, const TextMeshEntry& e, const TextParameters& tp, double length,
               double back) {
    for (int k = 0; k < e.contourCount(); ++k) {
        const Contour& contour = e.contour(k);
        const int n = contour.count;
        sink.begin(kGlTriangles);
        for (int j = 0; j <= n; ++j) {
            const int cur = j == n ? 0 : j;
            const int prev = previousIndex(cur, n);
            const VertexRecord& p = *contour[prev].user;
            const VertexRecord& c = *contour[cur].user;
            const BevelNormals bn =
                bevelNormals(contour, prev, cur, tp.bevelDepth, tp.roundedEdges);
            auto put = [&](Vec3 nrm, Vec3 v, double dz) {
                if (tp.roundedEdges) {
                    normal(sink, nrm);
                } else {
                    normalF(sink, nrm);
                }
                vertexF(sink, v, dz);
            };
            put(bn.t1[0], p.position, length);
            put(bn.t1[1], c.position, length);
            put(bn.t1[2], p.inset, back);
            put(bn.t2[0], p.inset, back);
            put(bn.t2[1], c.position, length);
            put(bn.t2[2], c.inset, back);
        }
        sink.end();
    }
}

}  // namespace

void Text::emitSolidList(GlSink& sink) const {
    const TextMesh& m = mesh_;
    const TextParameters& tp = parameters;
    const double length = tp.extrusionLength;
    const double back = tp.bevelDepth + tp.extrusionLength;
    beginList(sink, m.width);
    for (const TextMeshEntry& e : m.entries) {
        // Front face, and the back face at z = L when there is no bevel.
        applyMaterial(sink, tp.frontMaterial);
        for (int t = 0; t < e.frontCount(); ++t) {
            const Triangle& tri = (*e.front)[t];
            const VertexRecord& a = *tri.a->user;
            const VertexRecord& b = *tri.b->user;
            const VertexRecord& c = *tri.c->user;
            sink.begin(kGlTriangles);
            normal(sink, c.normal), vertex(sink, c.position);
            normal(sink, b.normal), vertex(sink, b.position);
            normal(sink, a.normal), vertex(sink, a.position);
            sink.end();
            if (!tp.bevelOn) {
                sink.begin(kGlTriangles);
                normal(sink, -a.normal), vertex(sink, a.position, length);
                normal(sink, -b.normal), vertex(sink, b.position, length);
                normal(sink, -c.normal), vertex(sink, c.position, length);
                sink.end();
            }
        }
        // With the bevel the back face is the inset outline at z = L + D.
        if (tp.bevelOn) {
            for (int t = 0; t < e.backCount(); ++t) {
                const Triangle& tri = (*e.back)[t];
                sink.begin(kGlTriangles);
                for (const ContourPoint* p : {tri.a, tri.b, tri.c}) {
                    normal(sink, -p->user->normal);
                    vertex(sink, p->user->inset, back);
                }
                sink.end();
            }
        }

        // Side walls: one closed quad strip per contour, from point n-1 round to n-1.
        applyMaterial(sink, tp.sideMaterial);
        for (int k = 0; k < e.contourCount(); ++k) {
            const Contour& contour = e.contour(k);
            const int n = contour.count;
            sink.begin(kGlQuadStrip);
            for (int j = 0; j <= n; ++j) {
                const int cur = j == n ? 0 : j;
                const int prev = previousIndex(cur, n);
                const Vec3 s = sideNormal(contour, prev, cur);
                const Vec3 p = contour[prev].user->position;
                normalF(sink, s), vertex(sink, p);
                normalF(sink, s), vertex(sink, p, length);
            }
            sink.end();
        }

        if (tp.bevelOn) {
            applyMaterial(sink, tp.bevelMaterial);
            emitBevel(sink, e, tp, length, back);
        }
    }
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
