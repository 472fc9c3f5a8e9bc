#include "app/dialogs/PreferencesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vyr {

PreferencesDialog::PreferencesDialog(QWidget* parent, bool wireframeMove,
                                     const std::string& fontsFolder)
    : CheckedDialog(parent, QStringLiteral("Preferences")) {
    wireframe_ = new QCheckBox(QStringLiteral("Wireframe Move"), this);
    wireframe_->setObjectName(QStringLiteral("wireframeMove"));
    wireframe_->setChecked(wireframeMove);
    auto* hint = new QLabel(
        QStringLiteral(
            "(You can monitor the change of light orientation in real time if disabled)"),
        this);
    hint->setWordWrap(true);

    folder_ = new QLineEdit(QString::fromStdString(fontsFolder), this);
    folder_->setObjectName(QStringLiteral("fontsFolder"));
    folder_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    auto* paths = new QGroupBox(QStringLiteral("Paths"), this);
    auto* pathsLayout = new QVBoxLayout(paths);
    pathsLayout->addWidget(new QLabel(QStringLiteral("True Type fonts path"), paths));
    pathsLayout->addWidget(folder_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wireframe_);
    layout->addWidget(hint);
    layout->addWidget(paths);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
}

bool PreferencesDialog::wireframeMove() const {
    return wireframe_->isChecked();
}

std::string PreferencesDialog::fontsFolder() const {
    return folder_->text().toStdString();
}

}  // namespace vyr
