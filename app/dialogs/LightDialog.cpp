#include "app/dialogs/LightDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "app/dialogs/Platform.h"
#include "scene/Light.h"

namespace vyr {

namespace {
constexpr double kSwatchX = 0.89;
constexpr double kSwatchY = 0.45;
constexpr int kSwatchSize = 15;

QLineEdit* shownOnly(QWidget* parent, const QString& name, float value) {
    auto* edit = new QLineEdit(formatFloat(value), parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}
}  // namespace

LightDialog::LightDialog(QWidget* parent, const Light& light)
    : CheckedDialog(parent, QStringLiteral("Light")), colour_(light.colour) {
    cutOff_ = floatField(QStringLiteral("cutOff"), light.cutOff, 0.0f, 90.0f);
    enabled_ = new QCheckBox(QStringLiteral("Enable Light"), this);
    enabled_->setObjectName(QStringLiteral("enabled"));
    enabled_->setLayoutDirection(Qt::RightToLeft);  // the text sits left of the box
    enabled_->setChecked(light.enabled != 0);

    // Position and direction are for reading: they are never checked nor taken back, so a
    // light dragged far away still lets the dialog close with OK.
    const float position[3] = {light.position.x, light.position.y, light.position.z};
    const float direction[3] = {-light.referencePoint.x, -light.referencePoint.y,
                                -light.referencePoint.z};
    const char* axes[3] = {"X", "Y", "Z"};
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Cut Off"), this), 0, 0);
    grid->addWidget(cutOff_, 0, 1);
    grid->addWidget(enabled_, 0, 2, 1, 2, Qt::AlignRight);
    for (int i = 0; i < 3; ++i)
        grid->addWidget(new QLabel(QLatin1String(axes[i]), this), 1, 1 + i, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Position"), this), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Direction"), this), 3, 0);
    for (int i = 0; i < 3; ++i) {
        const QString axis = QLatin1String(axes[i]);
        grid->addWidget(shownOnly(this, QStringLiteral("position") + axis, position[i]), 2, 1 + i);
        grid->addWidget(shownOnly(this, QStringLiteral("direction") + axis, direction[i]), 3,
                        1 + i);
    }
    auto* change = new QPushButton(QStringLiteral("Change Color"), this);
    change->setObjectName(QStringLiteral("changeColor"));
    connect(change, &QPushButton::clicked, this, &LightDialog::changeColour);
    grid->addWidget(change, 4, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
    addSwatch(kSwatchX, kSwatchY, kSwatchSize, [this] { return colour_; });
}

void LightDialog::resizeEvent(QResizeEvent* event) {
    // Keep the controls left of the swatch's column.
    QMargins m = layout()->contentsMargins();
    m.setRight(width() - static_cast<int>(kSwatchX * width()) + 4);
    layout()->setContentsMargins(m);
    CheckedDialog::resizeEvent(event);
}

void LightDialog::changeColour() {
    if (const std::optional<uint32_t> c = chooseColour(this)) {
        colour_ = *c;
        repaintSwatches();
    }
}

void LightDialog::apply(Light& light) const {
    light.enabled = enabled_->isChecked() ? 1 : 0;
    light.cutOff = floatValue(cutOff_);
    light.colour = colour_;
}

}  // namespace vyr
