// The main window under a stream of random input from fixed seeds: drags, wheel turns and the
// popup in the view, toolbar buttons, resizes, menu commands, every dialog answered with random
// acceptable values and OK or cancelled, message boxes and file choosers answered at random,
// undo and redo. It must end with no crash and a scene that saves and loads again.

#include <QColorDialog>
#include <QComboBox>
#include <QMenu>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <random>

#include "GuiSupport.h"
#include "app/MainView.h"
#include "app/Viewport.h"
#include "app/dialogs/DialogSupport.h"
#include "scene/SceneFile.h"
#include "tests/Support.h"

namespace {

// Every command of the menus but Exit; those of the parameter dialogs and Undo/Redo twice.
const int kCommands[] = {40101, 40068, 40069, 40002, 40064, 40067, 40100, 40102, 40103, 40102,
                         40103, 40006, 40005, 40025, 40026, 40027, 40028, 40029, 40030, 40071,
                         40043, 40043, 40055, 40055, 40065, 40065, 40057, 40060, 40061, 40042,
                         40042, 40054, 40062, 40053};

struct Monkey {
    vyr::MainView& view;
    std::mt19937 random;
    int events = 0;                   // input events, commands, field changes and answers
    int accepted = 0, cancelled = 0;  // parameter dialogs closed by OK and by Cancel
    QStringList errors;               // error messages shown on the way
    bool answering = true;

    int pick(int n) { return int(random() % unsigned(n)); }

    // Answers the popup or modal window on top, if any, every few milliseconds. The next
    // answer is due before this one is given, which may open another modal window.
    void answerEverything() {
        QTimer::singleShot(5, [this] { answering ? answerEverything() : void(); });
        QWidget* top = QApplication::activePopupWidget();
        top = top != nullptr ? top : QApplication::activeModalWidget();
        if (top == nullptr || !top->isVisible())
            return;
        ++events;
        if (auto* menu = qobject_cast<QMenu*>(top)) {
            QList<QAction*> choices;
            for (QAction* a : menu->actions())
                a->isEnabled() && !a->isSeparator() ? choices << a : choices;
            if (choices.isEmpty() || pick(4) == 0)
                return void(menu->close());
            menu->setActiveAction(choices[pick(choices.size())]);
            QTest::keyClick(menu, Qt::Key_Return);
        } else if (auto* box = qobject_cast<QMessageBox*>(top)) {
            if (box->icon() == QMessageBox::Critical)
                errors << box->text();
            box->buttons()[pick(box->buttons().size())]->click();
        } else if (auto* chooser = qobject_cast<QFileDialog*>(top)) {
            const bool opening = chooser->fileMode() == QFileDialog::ExistingFile;
            if (pick(3) == 0 || (opening && !QFile::exists("monkey.vyr")))
                chooser->reject();
            else
                acceptFile(chooser, opening ? "monkey.vyr" : "monkey");
        } else if (auto* colours = qobject_cast<QColorDialog*>(top)) {
            colours->setCurrentColor(QColor::fromRgb(random() & 0xFFFFFF));
            pick(3) == 0 ? colours->reject() : colours->accept();
        } else if (auto* dialog = qobject_cast<vyr::CheckedDialog*>(top)) {
            answerDialog(dialog);
        } else {
            top->close();
        }
    }

    // Changes some controls to random acceptable values (a number the dialog refuses is put
    // back), then OK or Cancel. The text gets random characters; names keep theirs.
    void answerDialog(vyr::CheckedDialog* dialog) {
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (field->isReadOnly() || !field->isVisible() || pick(3) != 0)
                continue;
            ++events;
            const QString before = field->text();
            bool number = false;
            before.toDouble(&number);
            for (int attempt = 0; number && attempt < 4; ++attempt) {
                const double scale[] = {1, 10, 100, 1000, 0.001};
                field->setText(QString::number((pick(2001) - 1000) / 1000.0 * scale[pick(5)]));
                if (!dialog->problem())
                    break;
                field->setText(before);
            }
        }
        // The text gets random characters of several scripts and lines.
        if (auto* text = dialog->findChild<QPlainTextEdit*>("text"); text && pick(3) == 0) {
            const QString letters = "AaBgjW&., !0\u00e9\u00c5@#\u0416\u03a9\u0633\u0915\u093f\n";
            QString chars;
            for (int n = pick(9); n > 0; --n)
                chars += letters[pick(letters.size())];
            text->setPlainText(chars), ++events;
        }
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            if (!control->isVisible() || pick(4) != 0)
                continue;
            auto* box = qobject_cast<QComboBox*>(control);
            auto* button = qobject_cast<QAbstractButton*>(control);
            auto* slider = qobject_cast<QSlider*>(control);
            if (box != nullptr && box->count() > 0)
                box->setCurrentIndex(pick(box->count())), ++events;
            else if (button != nullptr && button->isCheckable())
                button->click(), ++events;
            else if (slider != nullptr)
                slider->setValue(slider->minimum() + pick(slider->maximum() - slider->minimum())),
                    ++events;
        }
        const bool ok = !dialog->problem() && pick(3) != 0;
        ++(ok ? accepted : cancelled);
        clickButton(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    }

    // One random thing a user does in the window.
    void act() {
        QWidget* target = view.viewport();
        const QPoint at(pick(target->width()), pick(target->height()));
        const int what = pick(10);
        if (what < 3) {  // a drag, perhaps cancelled by Escape
            QTest::mousePress(target, Qt::LeftButton, {}, at);
            for (int moves = 1 + pick(4); moves > 0; --moves, ++events)
                QTest::mouseMove(target, at + QPoint(pick(81) - 40, pick(81) - 40));
            if (pick(6) == 0)
                QTest::keyClick(target, Qt::Key_Escape), ++events;
            QTest::mouseRelease(target, Qt::LeftButton, {}, at + QPoint(pick(9), pick(9)));
            events += 1;
        } else if (what == 3) {
            QWheelEvent turn(at, target->mapToGlobal(at), {}, {0, (pick(7) - 3) * 40},
                             Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &turn);
        } else if (what == 4) {
            const QList<QAction*> tools = view.toolBar()->actions();
            if (QWidget* button = view.toolBar()->widgetForAction(tools[pick(tools.size())]))
                QTest::mouseClick(button, Qt::LeftButton);
        } else if (what == 5) {
            rightClick(target, at);  // the popup is answered while it is open
        } else if (what == 6) {
            view.resize(360 + pick(400), 300 + pick(300));
        } else {
            view.action(kCommands[pick(std::size(kCommands))])->trigger();
        }
        ++events;
        QApplication::processEvents();
    }
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomUseEndsWithASceneThatSavesAndLoads_data() {
        QTest::addColumn<unsigned>("seed");
        for (const unsigned seed : {2026u, 1207u, 4711u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomUseEndsWithASceneThatSavesAndLoads() {
        QFETCH(unsigned, seed);
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        vyr::MainView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        Monkey monkey{view, std::mt19937(seed), 0, 0, 0, {}, true};
        monkey.answerEverything();
        while (monkey.events < 1700)
            monkey.act();
        qInfo("seed %u: %d events, %d dialogs accepted, %d cancelled, %d undo steps, errors: %s",
              seed, monkey.events, monkey.accepted, monkey.cancelled, int(view.history()->count()),
              qPrintable(monkey.errors.join(" | ")));

        // The scene as it stands saves, and loads again as the window's file, byte for byte.
        QVERIFY(vyr::saveScene(view.scene(), "final.vyr").ok);
        view.loadSceneFrom(QDir::current().filePath("final.vyr"));
        monkey.answering = false;
        const auto loaded = vyr::sceneBytes(view.scene());
        QCOMPARE(std::string(loaded.begin(), loaded.end()), vyr::test::slurp("final.vyr"));
        QVERIFY(view.windowTitle() == "VYR - final.vyr [*]" && !view.isWindowModified());
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
