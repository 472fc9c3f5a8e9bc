#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <type_traits>

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

// Runs `step` on the next modal window of type W other than `under` once it is shown, and
// again while it stays open (a file chooser still reading its folder may ignore the first
// answer). Each poll is a fresh single-shot timer, so a step may open further modal windows.
template <typename W = QWidget>
void whenModal(std::type_identity_t<std::function<void(W*)>> step, QWidget* under = nullptr,
               int waitedMs = 0) {
    QTimer::singleShot(10, [step, under, waitedMs] {
        const QPointer<W> w = qobject_cast<W*>(QApplication::activeModalWidget());
        const bool shown = w && w.data() != under && w->isVisible();
        if (shown)
            step(w);
        if ((!shown || (w && w->isVisible())) && !waitedTooLong(waitedMs))
            whenModal<W>(step, under, waitedMs + 10);
    });
}

// Answers the next message box above `under` with `button`, keeping its text in `text`.
inline void answerMessage(QString* text, QWidget* under,
                          QMessageBox::StandardButton button = QMessageBox::Ok) {
    whenModal<QMessageBox>(
        [text, button](QMessageBox* box) {
            if (text != nullptr)
                *text = box->text();
            box->button(button)->click();
        },
        under);
}

inline void clickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

// Replaces a line edit's or text box's text by typing, as a user would.
inline void retype(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = dialog->findChild<QWidget*>(QString::fromLatin1(name));
    QVERIFY2(edit != nullptr, name);
    edit->setFocus();
    if (auto* box = qobject_cast<QPlainTextEdit*>(edit))
        box->selectAll();
    else
        static_cast<QLineEdit*>(edit)->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else  // QTest types ASCII only; other characters arrive as a key event's text
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
