#include "font/ContourTriangulator.h"

#include <GL/glu.h>

#include "font/OutlineVectorizer.h"
#include "font/TriangleSink.h"

namespace vyr {

namespace {

// The tessellator hands the sink back to every callback as polygon data, so runs need no
// process-wide receiver.
void GLAPIENTRY onBegin(GLenum type, void* sink) {
    static_cast<TriangleSink*>(sink)->begin(type);
}
void GLAPIENTRY onVertex(void* point, void* sink) {
    static_cast<TriangleSink*>(sink)->vertex(static_cast<ContourPoint*>(point));
}
void GLAPIENTRY onEnd(void* sink) {
    static_cast<TriangleSink*>(sink)->end();
}
void GLAPIENTRY onError(GLenum code, void* sink) {
    static_cast<TriangleSink*>(sink)->error(code);
}

using Callback = void(GLAPIENTRY*)();

// A GLU tessellator serves one run at a time, so each thread keeps its own and reuses it
// from run to run (its callbacks never change; the sink comes as polygon data). A run that
// starts while the thread's tessellator is busy (from inside a callback) gets a fresh one.
class Tessellator {
  public:
    Tessellator() {
        thread_local Kept kept;
        if (!kept.busy) {
            if (kept.tess == nullptr)
                kept.tess = create();
            tess = kept.tess;
            kept_ = &kept;
            kept.busy = true;
        } else {
            tess = create();
        }
    }
    ~Tessellator() {
        if (kept_ != nullptr)
            kept_->busy = false;
        else if (tess != nullptr)
            gluDeleteTess(tess);
    }
    Tessellator(const Tessellator&) = delete;
    Tessellator& operator=(const Tessellator&) = delete;

    GLUtesselator* tess = nullptr;

  private:
    struct Kept {
        GLUtesselator* tess = nullptr;
        bool busy = false;
        ~Kept() {
            if (tess != nullptr)
                gluDeleteTess(tess);
        }
    };

    static GLUtesselator* create();
    Kept* kept_ = nullptr;
};

GLUtesselator* Tessellator::create() {
    GLUtesselator* tess = gluNewTess();
    if (tess == nullptr)
        return nullptr;
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<Callback>(onBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(onVertex));
    gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<Callback>(onEnd));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<Callback>(onError));
    // Glyphs lie in the z = 0 plane; naming the normal spares the tessellator its guess and
    // keeps every triangle counter-clockwise in x-y.
    gluTessNormal(tess, 0.0, 0.0, 1.0);
    return tess;
}

TriangleSink& defaultSink() {
    static TriangleSink sink(0);
    return sink;
}

}  // namespace

ContourTriangulator::ContourTriangulator(OutlineVectorizer* vectorizer) : vectorizer_(vectorizer) {
    if (vectorizer_ == nullptr) {
        owned_ = std::make_unique<OutlineVectorizer>();
        vectorizer_ = owned_.get();
    }
}

ContourTriangulator::~ContourTriangulator() = default;

bool ContourTriangulator::setGlyph(const FontGlyph* glyph) {
    glyph_ = glyph;
    return owned_ ? vectorizer_->init(glyph) : true;
}

void ContourTriangulator::setPrecision(double p) {
    vectorizer_->setPrecision(p);
}

bool ContourTriangulator::triangulate(TriangleSink* sink) {
    if (glyph_ == nullptr)
        glyph_ = vectorizer_->glyph();
    // An outline given directly stands in for a glyph.
    if (glyph_ == nullptr && !vectorizer_->hasOutline())
        return false;
    if (sink == nullptr)
        sink = &defaultSink();

    Tessellator t;
    if (t.tess == nullptr)
        return false;
    if (owned_)
        vectorizer_->vectorize();

    sink->currentTriangulator = this;

    // Begin-polygon semantics: an outer contour closes the open polygon and starts a new one,
    // a hole joins the open polygon, a hole with no polygon open is skipped.
    bool open = false;
    for (int i = 0; i < vectorizer_->contourCount(); ++i) {
        Contour& contour = *vectorizer_->contour(i);
        if (contour.clockwise) {
            if (open)
                gluTessEndPolygon(t.tess);
            gluTessBeginPolygon(t.tess, sink);
            open = true;
        } else if (!open) {
            continue;
        }
        gluTessBeginContour(t.tess);
        for (int k = contour.count - 1; k >= 0; --k) {
            ContourPoint& p = contour.points[k];
            GLdouble coords[3] = {p.x, p.y, 0.0};
            gluTessVertex(t.tess, coords, &p);
        }
        gluTessEndContour(t.tess);
    }
    if (open)
        gluTessEndPolygon(t.tess);

    sink->currentTriangulator = nullptr;
    return true;
}

}  // namespace vyr
