#include "export/TextExportView.h"

#include "text/CText.h"

namespace vyr {

TextExportView exportViewOf(const CText& text) {
    TextExportView v;
    v.mesh = &text.mesh();
    v.scale = text.scale;
    v.extrusionLength = text.extrusionLength;
    v.bevelDepth = text.bevelDepth;
    v.bevelOn = text.bevelOn != 0;
    v.roundedEdges = text.roundedEdges != 0;
    v.frontMaterial = text.frontMaterial;
    v.sideMaterial = text.sideMaterial;
    v.bevelMaterial = text.bevelMaterial;
    return v;
}

}  // namespace vyr
