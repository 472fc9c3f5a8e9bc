#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// A wait for a modal window ends after ten seconds: the test fails, and any modal window
// still open is closed so that the test function returns instead of hanging.
inline bool waitedTooLong(int waitedMs) {
    if (waitedMs <= 10000)
        return false;
    QTest::qFail("the expected modal window did not open or close in time", __FILE__, __LINE__);
    while (QWidget* w = QApplication::activeModalWidget())
        w->close();
    return true;
}

// Runs `handle` on the next modal dialog of type D once it is open, and again until that
// dialog has closed (a file chooser still reading its folder may ignore the first answer).
// The test goes on through the dialog's own event loop.
template <typename D>
void whenOpen(std::function<void(D*)> handle) {
    auto* timer = new QTimer;
    auto dialog = std::make_shared<QPointer<D>>();
    auto seen = std::make_shared<bool>(false);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, handle, dialog, seen, polls] {
        if (!*seen && !waitedTooLong(++*polls * 50)) {
            *dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            *seen = !dialog->isNull();
            if (!*seen)
                return;
        }
        if (*seen && *dialog && (*dialog)->isVisible() && !waitedTooLong(++*polls * 50)) {
            handle(*dialog);
        } else {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(50);
}

// Compares `image` pixel for pixel with the reviewed data/NAME.png. What was drawn is left
// in the temporary folder, or replaces the reviewed picture when VYR_UPDATE_PICTURES is set.
inline void expectReviewed(const QString& name, const QImage& image) {
    const QString reviewed = VYR_TEST_DATA_DIR "/" + name + ".png";
    image.save(qEnvironmentVariableIsSet("VYR_UPDATE_PICTURES")
                   ? reviewed
                   : QDir::temp().filePath(name + ".png"));
    QVERIFY2(image.convertToFormat(QImage::Format_ARGB32) ==
                 QImage(reviewed).convertToFormat(QImage::Format_ARGB32),
             qPrintable(name));
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

// Runs `step` on the next modal window other than `under` once it is shown. Each poll is a
// fresh single-shot timer, so a step may open further modal windows of its own.
inline void whenModal(std::function<void(QWidget*)> step, QWidget* under = nullptr,
                      int waitedMs = 0) {
    QTimer::singleShot(10, [step, under, waitedMs] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != nullptr && w != under && w->isVisible())
            step(w);
        else if (!waitedTooLong(waitedMs))
            whenModal(step, under, waitedMs + 10);
    });
}

// Answers the next message box above `under` with OK, keeping its text in `text`.
inline void answerMessage(QString* text, QWidget* under) {
    whenModal(
        [text](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            *text = box->text();
            box->button(QMessageBox::Ok)->click();
        },
        under);
}

inline void clickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

// Replaces a line edit's text by typing, as a user would.
inline void retype(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY2(edit != nullptr, name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else  // QTest types ASCII only; other characters arrive as a key event's text
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
