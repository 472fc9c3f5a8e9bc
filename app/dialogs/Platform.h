#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace vyr {

/// The application's name: the caption of every message box.
QString applicationName();

/// What a confirmed file chooser returns.
struct FileChoice {
    QString path;       ///< the chosen file's full path
    QString extension;  ///< the text after the last "." of the name, empty if none
    QString title;      ///< the name without folder and extension
};

enum class FileChooserKind { Open, Save };

/// A modal file chooser. `filter` lists pairs of a name and a pattern, each followed by a
/// vertical bar, e.g. "Vyr File (*.vyr)|*.vyr|All (*) |*|". A name typed without an extension
/// gets "." and the first three characters of `defaultExtension`. After OK the chosen file's
/// folder becomes the process's current folder. Saving never asks before replacing a file.
/// Returns nothing on Cancel.
std::optional<FileChoice> chooseFile(QWidget* parent, FileChooserKind kind, const QString& filter,
                                     const QString& initialName, const QString& defaultExtension);

/// The Qt name filters ("Name (pattern)") of a filter string in the form chooseFile takes.
QStringList nameFilters(const QString& filter);

/// The name typed into a chooser, completed by the default-extension rule.
QString withDefaultExtension(const QString& path, const QString& defaultExtension);

/// A modal message box captioned with the application's name, with one OK button; `stop`
/// shows the error icon.
void showMessage(QWidget* parent, const QString& text, bool stop = false);

/// The colour chooser, opened with `initial`; returns 0x00BBGGRR (red in the low byte), or
/// nothing on Cancel.
std::optional<uint32_t> chooseColour(QWidget* parent, uint32_t initial = 0,
                                     const std::function<void(uint32_t)>& preview = {});

/// Shows the wait cursor for its lifetime.
class WaitCursor {
  public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace vyr
