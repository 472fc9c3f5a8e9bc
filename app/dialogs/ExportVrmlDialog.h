#pragma once

#include <string>

#include "app/dialogs/DialogSupport.h"
#include "export/VrmlWriter.h"

class QCheckBox;
class QLineEdit;

namespace vyr {

/// "Export VRML": the world file's name and which groups of objects it receives. The three
/// boxes start ticked at every opening.
class ExportVrmlDialog : public CheckedDialog {
    Q_OBJECT
  public:
    ExportVrmlDialog(QWidget* parent, const std::string& fileName);

    std::string fileName() const;
    VrmlParts parts() const;

  private:
    void browse();

    QLineEdit* fileName_;
    QCheckBox* camera_;
    QCheckBox* lights_;
    QCheckBox* text_;
};

}  // namespace vyr
