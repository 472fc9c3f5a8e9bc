#pragma once

#include <QDialog>

namespace vyr {

/// The start-up picture: a borderless window centred on the screen that holds the mouse and
/// ends at the first left-button press or release anywhere.
class SplashDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SplashDialog(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void done(int result) override;

  private:
    QPixmap picture_;
};

}  // namespace vyr
