#include "app/SplashDialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/dialogs/Artwork.h"

namespace vyr {

SplashDialog::SplashDialog(QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(splashPicture()) {
    setFixedSize(picture_.size());
    setWindowTitle(QStringLiteral("VYR"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashDialog::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, picture_);
}

void SplashDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    raise();
    activateWindow();
    grabMouse();  // a click anywhere on the screen ends the splash
}

void SplashDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
}

void SplashDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
}

void SplashDialog::done(int result) {
    releaseMouse();
    QDialog::done(result);
}

}  // namespace vyr
