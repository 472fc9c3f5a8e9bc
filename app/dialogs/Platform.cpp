#include "app/dialogs/Platform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace vyr {

QString applicationName() {
    return QStringLiteral("VYR");
}

QStringList nameFilters(const QString& filter) {
    // "name|pattern|name|pattern|": Qt wants "name (pattern)", so a pattern already shown in
    // parentheses at the end of the name is not repeated.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        if (pattern.isEmpty())
            continue;
        static const QRegularExpression shownPattern(QStringLiteral("\\s*\\([^()]*\\)$"));
        name.remove(shownPattern);
        filters << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return filters;
}

QString withDefaultExtension(const QString& path, const QString& defaultExtension) {
    const QFileInfo info(path);
    if (!info.suffix().isEmpty() || defaultExtension.isEmpty())
        return path;
    return path + QLatin1Char('.') + defaultExtension.left(3);
}

std::optional<FileChoice> chooseFile(QWidget* parent, FileChooserKind kind, const QString& filter,
                                     const QString& initialName, const QString& defaultExtension) {
    QFileDialog chooser(parent);
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setOption(QFileDialog::ReadOnly, false);
    // The chooser adds the extension itself, so that it asks before replacing the file of
    // the whole name.
    chooser.setDefaultSuffix(defaultExtension.left(3));
    chooser.setDirectory(QDir::current());
    chooser.setNameFilters(nameFilters(filter));
    if (kind == FileChooserKind::Save) {
        chooser.setAcceptMode(QFileDialog::AcceptSave);
        chooser.setFileMode(QFileDialog::AnyFile);
    } else {
        chooser.setAcceptMode(QFileDialog::AcceptOpen);
        chooser.setFileMode(QFileDialog::ExistingFile);
    }
    // A wildcard initial name ("*.vyr") is a pattern to show, not a name to keep.
    if (!initialName.contains(QLatin1Char('*')))
        chooser.selectFile(initialName);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;

    const QString path = QDir::cleanPath(
        withDefaultExtension(chooser.selectedFiles().constFirst(), defaultExtension));
    const QFileInfo info(path);
    QDir::setCurrent(info.absolutePath());
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    FileChoice choice;
    choice.path = info.absoluteFilePath();
    choice.extension = dot < 0 ? QString() : name.mid(dot + 1);
    choice.title = dot < 0 ? name : name.left(dot);
    return choice;
}

void showMessage(QWidget* parent, const QString& text, bool stop) {
    QMessageBox box(stop ? QMessageBox::Critical : QMessageBox::NoIcon, applicationName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

std::optional<uint32_t> chooseColour(QWidget* parent, uint32_t initial,
                                     const std::function<void(uint32_t)>& preview) {
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const auto rgb = [](const QColor& c) {
        return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
               static_cast<uint32_t>(c.blue()) << 16;
    };
    QColorDialog chooser(start, parent);
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    if (preview)
        QObject::connect(&chooser, &QColorDialog::currentColorChanged, &chooser,
                         [&](const QColor& c) { preview(rgb(c)); });
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return rgb(chooser.selectedColor());
}

WaitCursor::WaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
WaitCursor::~WaitCursor() {
    QApplication::restoreOverrideCursor();
}

}  // namespace vyr
