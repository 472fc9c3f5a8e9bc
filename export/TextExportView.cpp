#include "export/TextExportView.h"

#include "text/CText.h"

namespace vyr {

TextExportView exportViewOf(const CText& text) {
    return {&text.mesh(), text.parameters};
}

}  // namespace vyr
