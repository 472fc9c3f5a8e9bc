#pragma once

#include <string>

#include "app/dialogs/DialogSupport.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

/// "Preferences": the wire-frame drag switch and the TrueType fonts path.
class PreferencesDialog : public CheckedDialog {
    Q_OBJECT
  public:
    PreferencesDialog(QWidget* parent, bool wireframeMove, const std::string& fontsFolder);

    bool wireframeMove() const;
    std::string fontsFolder() const;

  private:
    QCheckBox* wireframe_;
    QLineEdit* folder_;
};

}  // namespace vyr
