#pragma once

#include "app/dialogs/DialogSupport.h"

class QLineEdit;

namespace vyr {

class Camera;

/// "Camera": zoom, rotation step, eye position and target.
class CameraDialog : public CheckedDialog {
    Q_OBJECT
  public:
    CameraDialog(QWidget* parent, const Camera& camera);

    /// Applies zoom, rotation step, eye and target, in that order.
    void apply(Camera& camera) const;

  private:
    QLineEdit* zoom_;
    QLineEdit* step_;
    QLineEdit* eye_[3];
    QLineEdit* target_[3];
};

}  // namespace vyr
