#pragma once

#include <QApplication>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs `handle` on the next modal dialog of type D once it is open, and again until that
// dialog has closed (a file chooser still reading its folder may ignore the first answer).
// The test goes on through the dialog's own event loop.
template <typename D>
void whenOpen(std::function<void(D*)> handle) {
    auto* timer = new QTimer;
    auto dialog = std::make_shared<QPointer<D>>();
    auto seen = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, handle, dialog, seen] {
        if (!*seen) {
            *dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            *seen = !dialog->isNull();
            if (!*seen)
                return;
        }
        if (*dialog && (*dialog)->isVisible()) {
            handle(*dialog);
        } else {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(50);
}

// A left-button drag from `from` by `by`, one move event, then the release.
inline void leftDrag(QWidget* widget, QPoint from, QPoint by, bool release = true) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, from + by);
    if (release)
        QTest::mouseRelease(widget, Qt::LeftButton, {}, from + by);
}

// Types `path` (in the chooser's folder) into its name field and confirms it.
inline void acceptFile(QFileDialog* chooser, const QString& path) {
    chooser->findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog*>(chooser)->accept();
}

// A right click at `pos` of `widget` as the window system gives it: the button's press and
// release, then the context-menu request, which goes up to the parents when ignored.
inline void rightClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::RightButton, {}, pos);
    QContextMenuEvent request(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &request);
}
