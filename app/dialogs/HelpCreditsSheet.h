#pragma once

#include <QDialog>
#include <QPixmap>

namespace vyr {

/// The toolbar buttons the help explains, top to bottom.
enum class ToolbarButton { Translate, Rotate, Yellow, Blue, Green, Flare, Scale, Turn, Zoom };

/// A picture of one toolbar button, `size` pixels square, drawn by the program itself.
QPixmap toolbarButtonPicture(ToolbarButton button, int size);

/// "Help/Credits": three pages of text ("general help", "ToolBar", "Credits"); nothing is
/// stored when it closes.
class HelpCreditsSheet : public QDialog {
    Q_OBJECT
  public:
    explicit HelpCreditsSheet(QWidget* parent);
};

}  // namespace vyr
