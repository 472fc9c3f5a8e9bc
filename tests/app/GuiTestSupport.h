#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `step` on the next modal window other than `under` once it is shown. Each poll is a
// fresh single-shot timer, so a step may open further modal windows of its own.
inline void whenModal(std::function<void(QWidget*)> step, QWidget* under = nullptr) {
    QTimer::singleShot(10, [step, under] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != nullptr && w != under && w->isVisible())
            step(w);
        else
            whenModal(step, under);
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
