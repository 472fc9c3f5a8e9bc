#pragma once

#include <cstdint>

#include "app/dialogs/DialogSupport.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

class Light;

/// "Light": the same dialog for the three lights. Cut-off, switch and colour are editable;
/// position and direction are shown only.
class LightDialog : public CheckedDialog {
    Q_OBJECT
  public:
    LightDialog(QWidget* parent, const Light& light);

    /// Stores exactly the switch, the cut-off and the colour.
    void apply(Light& light) const;
    uint32_t colour() const { return colour_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void changeColour();

    QLineEdit* cutOff_;
    QCheckBox* enabled_;
    uint32_t colour_;
};

}  // namespace vyr
