#pragma once

#include <array>

#include "app/dialogs/DialogSupport.h"
#include "text/Material.h"

class QLineEdit;

namespace vyr {

struct TextParameters;

/// "Text Materials": the colours and shininess of the front and back faces, the side walls
/// and the bevelled sides.
class TextMaterialsDialog : public CheckedDialog {
    Q_OBJECT
  public:
    TextMaterialsDialog(QWidget* parent, const TextParameters& text);

    /// Copies the three materials back whole.
    void apply(TextParameters& text) const;

  private:
    std::array<Material, 3> materials_;
    std::array<QLineEdit*, 3> shininess_{};
};

/// A material colour component (nominally 0 to 1) as a byte: scaled by 255 and truncated,
/// held within 0..255.
int colourByte(float component);

}  // namespace vyr
