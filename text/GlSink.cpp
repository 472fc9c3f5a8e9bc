#include "text/GlSink.h"

namespace vyr {

void GlRecorder::material(unsigned face, unsigned pname, const float* values) {
    Call call{Op::kMaterial, face, pname};
    const int count = pname == kGlShininess ? 1 : 4;
    for (int i = 0; i < count; ++i)
        call.v[i] = values[i];
    calls.push_back(call);
}

}  // namespace vyr
