#pragma once

#include <QDialog>
#include <QPixmap>

namespace vyr {

/// "Help/Credits": three pages of text ("general help", "ToolBar", "Credits"); nothing is
/// stored when it closes.
class HelpCreditsSheet : public QDialog {
    Q_OBJECT
  public:
    explicit HelpCreditsSheet(QWidget* parent);
};

}  // namespace vyr
