#include "app/dialogs/CameraDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "scene/Camera.h"

namespace vyr {

namespace {
constexpr float kCoordinateLimit = 10000.0f;
}

CameraDialog::CameraDialog(QWidget* parent, const Camera& camera)
    : CheckedDialog(parent, QStringLiteral("Camera")) {
    zoom_ = floatField(QStringLiteral("zoom"), camera.zoom, 0.0f, 10000.0f);
    step_ = floatField(QStringLiteral("rotationStep"), camera.rotationStep, 0.0f, 360.0f);
    const float eye[3] = {camera.eye.x, camera.eye.y, camera.eye.z};
    const float target[3] = {camera.target.x, camera.target.y, camera.target.z};
    const char* axes[3] = {"X", "Y", "Z"};
    for (int i = 0; i < 3; ++i) {
        eye_[i] = floatField(QStringLiteral("eye%1").arg(QLatin1String(axes[i])), eye[i],
                             -kCoordinateLimit, kCoordinateLimit);
    }
    for (int i = 0; i < 3; ++i) {
        target_[i] = floatField(QStringLiteral("target%1").arg(QLatin1String(axes[i])), target[i],
                                -kCoordinateLimit, kCoordinateLimit);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Zoom"), this), 0, 0);
    grid->addWidget(zoom_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Rotation step (deg)"), this), 1, 0);
    grid->addWidget(step_, 1, 1);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(QLatin1String(axes[i]), this), 2, 1 + i, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Position"), this), 3, 0);
    grid->addWidget(new QLabel(QStringLiteral("Target"), this), 4, 0);
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(eye_[i], 3, 1 + i);
        grid->addWidget(target_[i], 4, 1 + i);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
}

void CameraDialog::apply(Camera& camera) const {
    camera.setZoom(floatValue(zoom_));
    camera.setRotationStep(floatValue(step_));
    camera.setEye(floatValue(eye_[0]), floatValue(eye_[1]), floatValue(eye_[2]));
    camera.setTarget(floatValue(target_[0]), floatValue(target_[1]), floatValue(target_[2]));
}

}  // namespace vyr
