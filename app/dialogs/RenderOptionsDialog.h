#pragma once

#include <cstdint>

#include "app/dialogs/DialogSupport.h"

class QCheckBox;
class QLineEdit;
class QSlider;

namespace vyr {

struct ViewSettings;

/// "Render": the final render's options (JPEG file and quality, lens flare, antialiasing,
/// glow with its colour and thickness).
class RenderOptionsDialog : public CheckedDialog {
    Q_OBJECT
  public:
    RenderOptionsDialog(QWidget* parent, const ViewSettings& settings);

    /// Copies the eight options back.
    void apply(ViewSettings& settings) const;

  private:
    void browse();
    void chooseGlowColour();

    int openingQuality_;
    uint32_t glowColour_;
    QCheckBox* toFile_;
    QLineEdit* fileName_;
    QSlider* quality_;
    QCheckBox* flare_;
    QCheckBox* antialiasing_;
    QCheckBox* glow_;
    QLineEdit* thickness_;
};

}  // namespace vyr
