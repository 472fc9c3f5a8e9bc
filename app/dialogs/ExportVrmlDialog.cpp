#include "app/dialogs/ExportVrmlDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/Platform.h"

namespace vyr {

namespace {
QCheckBox* tickedBox(QWidget* parent, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(text.toLower());
    box->setChecked(true);
    return box;
}
}  // namespace

ExportVrmlDialog::ExportVrmlDialog(QWidget* parent, const std::string& fileName)
    : CheckedDialog(parent, QStringLiteral("Export VRML")) {
    fileName_ = new QLineEdit(QString::fromStdString(fileName), this);
    fileName_->setObjectName(QStringLiteral("fileName"));
    fileName_->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    camera_ = tickedBox(this, QStringLiteral("Camera"));
    lights_ = tickedBox(this, QStringLiteral("Lights"));
    text_ = tickedBox(this, QStringLiteral("Text"));
    auto* browse = new QPushButton(QStringLiteral("Browse"), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &ExportVrmlDialog::browse);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(fileName_, 1);
    nameRow->addWidget(browse);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(camera_);
    boxes->addWidget(lights_);
    boxes->addWidget(text_);
    boxes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addLayout(boxes);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
}

void ExportVrmlDialog::browse() {
    const std::optional<FileChoice> choice =
        chooseFile(this, FileChooserKind::Save, QStringLiteral("Wrl File|*.wrl| All (*.*) |*.*|"),
                   QStringLiteral("*.wrl"), QStringLiteral("Wrl File"));
    if (!choice)
        return;
    const QString& ext = choice->extension;
    if (ext == QLatin1String("WRL") || ext == QLatin1String("wrl") || ext == QLatin1String("Wrl"))
        fileName_->setText(choice->path);
    else
        showMessage(this, QStringLiteral("Wrl Format only supported"), true);
}

std::string ExportVrmlDialog::fileName() const {
    return fileName_->text().toStdString();
}

VrmlParts ExportVrmlDialog::parts() const {
    return {camera_->isChecked(), lights_->isChecked(), text_->isChecked()};
}

}  // namespace vyr
