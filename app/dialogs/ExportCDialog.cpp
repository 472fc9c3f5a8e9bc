#include "app/dialogs/ExportCDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/Platform.h"

namespace vyr {

ExportCDialog::ExportCDialog(QWidget* parent)
    : CheckedDialog(parent, QStringLiteral("Export C/OpenGl")) {
    name_ = new QLineEdit(QStringLiteral("VyrText"), this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    auto* browse = new QPushButton(QStringLiteral("Browse"), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &ExportCDialog::browse);

    auto* row = new QHBoxLayout;
    row->addWidget(name_, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Filename without extension :"), this));
    layout->addLayout(row);
    layout->addStretch();
    layout->addWidget(okCancelButtons());
}

void ExportCDialog::browse() {
    // The chooser leaves its folder current, so the pair is written where the file was picked.
    if (const std::optional<FileChoice> choice =
            chooseFile(this, FileChooserKind::Save, QStringLiteral("All (*) |*|"),
                       QStringLiteral("*"), QStringLiteral("FileName")))
        name_->setText(choice->title);
}

std::string ExportCDialog::name() const {
    return name_->text().toStdString();
}

}  // namespace vyr
