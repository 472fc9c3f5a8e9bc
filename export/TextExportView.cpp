#include "export/TextExportView.h"

#include "text/Text.h"

namespace vyr {

TextExportView exportViewOf(const Text& text) {
    return {&text.mesh(), text.parameters};
}

}  // namespace vyr
