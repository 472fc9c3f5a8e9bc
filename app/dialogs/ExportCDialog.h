#pragma once

#include <string>

#include "app/dialogs/DialogSupport.h"

class QLineEdit;

namespace vyr {

/// "Export C/OpenGl": the name, without extension, of the header and source pair. It starts
/// as "VyrText" at every opening.
class ExportCDialog : public CheckedDialog {
    Q_OBJECT
  public:
    explicit ExportCDialog(QWidget* parent);

    std::string name() const;

  private:
    void browse();

    QLineEdit* name_;
};

}  // namespace vyr
