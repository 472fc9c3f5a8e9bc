// The main window driven as a user would: menus, toolbar, drags, popup, files, pixels.

#include <QActionGroup>
#include <QColorDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <random>

#include "GuiSupport.h"
#include "app/MainView.h"
#include "app/Viewport.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"
#include "tests/Support.h"

using vyr::MainView;

namespace {

// The command ids of `actions` in order, 0 for a separator, a submenu's ids inline.
QList<int> ids(const QList<QAction*>& actions) {
    QList<int> out;
    for (const QAction* a : actions)
        out << (a->menu() != nullptr ? ids(a->menu()->actions()) : QList<int>{a->data().toInt()});
    return out;
}

// The seven drag targets, then the light action pair, as 0/1 digits.
QString flags(const vyr::ViewSettings& s) {
    QString out;
    for (int t = 0; t < 7; ++t)  // scale, camera, zoom, yellow, blue, green, flare
        out += int(s.dragTarget) == t ? '1' : '0';
    return out + (s.lightAction == vyr::LightAction::Translate ? " 10" : " 01");
}

}  // namespace

class MainViewTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainView> view;
    QTemporaryDir folder;

    QWidget* viewport() { return view->viewport(); }
    std::vector<uint8_t> sceneBytes() { return vyr::sceneBytes(view->scene()); }
    void clickTool(int id) {
        QTest::mouseClick(view->toolBar()->widgetForAction(view->action(id)), Qt::LeftButton);
    }
    void answer(QMessageBox::StandardButton button, QString* text = nullptr) {
        answerMessage(text, view.get(), button);
    }

  private slots:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(MainView::autosavePath());
        QDir::setCurrent(folder.path());
        view = std::make_unique<MainView>();
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QCOMPARE(view->startUpProblems(), QStringList());
    }
    void cleanup() { view.reset(); }

    void menusAndToolbarHoldTheirCommandsInOrderAndGroups() {
        QStringList titles;
        QList<QList<int>> menus;
        for (QAction* a : view->menuBar()->actions())
            titles << a->text(), menus << ids(a->menu()->actions());
        QCOMPARE(titles.join(' '), "&File &Edit &Display &Camera &Text &Lights &Render &Help");
        QCOMPARE(menus,
                 (QList<QList<int>>{{40101, 40068, 40069, 0, 40002, 40064, 40067, 40100, 0, 40004},
                                    {40102, 40103},
                                    {40006, 40005},
                                    {40025, 40026, 40027, 40028, 40029, 40030, 0, 40043},
                                    {40055, 40065},
                                    {40057, 40060, 40061},
                                    {40042, 40054, 40062},
                                    {40053}}));
        QStringList keys;
        for (int id : {40101, 40068, 40069, 40004, 40102, 40103, 40062})
            keys << QKeySequence::listToString(view->action(id)->shortcuts());
        QCOMPARE(keys.join(' '),
                 "Ctrl+N Ctrl+O Ctrl+S Ctrl+Q Ctrl+Z Ctrl+Shift+Z; Ctrl+Y F12; Ctrl+R");
        // The groups and their start-up choices show as pressed buttons between separators.
        QCOMPARE(ids(view->toolBar()->actions()),
                 (QList<int>{40019, 40020, 0, 40021, 40058, 40059, 40063, 0, 40066, 40045, 40051,
                             40071}));
        expectReviewed("toolbar", view->toolBar()->grab().toImage());
    }

    void modeCommandsSetExactlyTheirFlags_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("expected");
        QTest::newRow("start-up") << QList<int>{} << "0100000 01";
        QTest::newRow("yellow") << QList<int>{40021} << "0001000 01";
        QTest::newRow("green, translate") << QList<int>{40020, 40059, 40019} << "0000010 10";
        QTest::newRow("flare") << QList<int>{40063} << "0000001 01";
        QTest::newRow("scale") << QList<int>{40066} << "1000000 01";
        QTest::newRow("light then zoom") << QList<int>{40021, 40051} << "0010000 01";
        QTest::newRow("zoom, rotate") << QList<int>{40051, 40045, 40019, 40020} << "0100000 01";
    }
    void modeCommandsSetExactlyTheirFlags() {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, expected);
        const int frames = view->viewport()->framesDrawn();
        for (int id : clicks)
            clickTool(id);
        QCOMPARE(flags(view->settings()), expected);
        QCOMPARE(view->viewport()->framesDrawn(), frames);  // modes do not redraw
    }

    // Each parameter command opens the dialog of its own object (told by a field's text) and,
    // cancelled, redraws, except "Render"; flat, Gouraud and a view command redraw too.
    void commandsOpenTheirObjectsDialogAndRedraw() {
        // The command, a field of its dialog, the title and field shown, the frames drawn.
        const std::tuple<int, QString, QString, int> rows[] = {
            {40043, "eyeZ", "Camera 4", 1},
            {40057, "positionX", "Light 0", 1},
            {40060, "positionX", "Light 3", 1},
            {40061, "positionX", "Light -3", 1},
            {40055, "precision", "Text Properties 18", 1},
            {40065, "frontShininess", "Text Materials 3", 1},
            {40062, "fileName", "Render VYR.jpg", 0}};
        for (const auto& [command, field, shows, redraws] : rows) {
            const int frames = view->viewport()->framesDrawn();
            QString shown;
            whenModal(
                [&](QWidget* w) {
                    shown = w->windowTitle() + " " + w->findChild<QLineEdit*>(field)->text();
                    qobject_cast<QDialog*>(w)->reject();
                },
                view.get());
            view->action(command)->trigger();
            QCOMPARE(shown, shows);
            QCOMPARE(view->viewport()->framesDrawn(), frames + redraws);
        }
        const int frames = view->viewport()->framesDrawn();
        view->action(40006)->trigger();
        QCOMPARE(view->settings().flatShading, true);
        view->action(40029)->trigger();
        QCOMPARE(view->scene().camera().eye, (vyr::Float3{-4, 0, 0}));
        view->action(40005)->trigger();
        QCOMPARE(view->settings().flatShading, false);
        QCOMPARE(view->viewport()->framesDrawn(), frames + 3);
    }

    // A previewed change shows in the scene while its dialog is open; Cancel puts back the
    // scene file's bytes and the background colour.
    void cancelAfterAPreviewRestoresTheScene() {
        const auto bytes = sceneBytes();
        for (const auto& [command, field] : {std::pair{40043, "eyeZ"},
                                             {40057, "cutOff"},
                                             {40055, "precision"},
                                             {40065, "frontShininess"}}) {
            bool previewed = false;
            whenModal(
                [&, field = field](QWidget* w) {
                    retype(w, field, "7");
                    previewed = sceneBytes() != bytes;
                    qobject_cast<QDialog*>(w)->reject();
                },
                view.get());
            view->action(command)->trigger();
            QVERIFY2(previewed && sceneBytes() == bytes, field);
        }
        uint32_t shown = 0;
        whenModal<QColorDialog>([&](QColorDialog* chooser) {
            chooser->setCurrentColor(Qt::red);
            shown = view->settings().backgroundColour;
            chooser->reject();
        });
        view->action(40042)->trigger();
        QVERIFY(shown == 0xFF && view->settings().backgroundColour == 0);
        QVERIFY(!view->isWindowModified());
    }

    // The frame fills the view in device pixels (run again at a pixel ratio of 2).
    void frameFillsTheViewAtItsPixelRatio() {
        QCOMPARE(view->viewport()->shownFrame().size(),
                 view->viewport()->size() * view->viewport()->devicePixelRatio());
    }

    void dragsOrbitScaleAndShowTheWireList() {
        const QPoint centre = viewport()->rect().center();
        QTest::mousePress(viewport(), Qt::LeftButton, {}, centre - QPoint(45, 0));
        const int frames = view->viewport()->framesDrawn();
        QTest::mouseMove(viewport(), centre + QPoint(45, 0));
        QCOMPARE(view->viewport()->framesDrawn(), frames + 1);  // each step redraws at once
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, centre + QPoint(45, 0));
        const vyr::Float3 eye = view->scene().camera().eye;
        QVERIFY(qAbs(eye.x + 4) < 1e-5 && qAbs(eye.y) < 1e-5 && qAbs(eye.z) < 1e-5);

        clickTool(40071);
        clickTool(40066);
        leftDrag(viewport(), centre, {40, 0});
        QCOMPARE(view->scene().text().parameters.scale[0], 0.0025f + 0.0005f * 40);
        QCOMPARE(view->scene().text().parameters.scale[1], 0.0025f);

        // While the button is held the text shows its outline edges only: far fewer lit pixels.
        auto lit = [this] {
            const QImage g =
                view->viewport()->shownFrame().convertToFormat(QImage::Format_Grayscale8);
            long n = 0;
            for (int y = 0; y < g.height(); ++y)
                n += std::count_if(g.constScanLine(y), g.constScanLine(y) + g.width(),
                                   [](uchar v) { return v > 128; });
            return n;
        };
        clickTool(40051);
        leftDrag(viewport(), centre, {0, 0}, false);
        const long duringDrag = lit();
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, centre);
        QVERIFY2(lit() > 2 * duringDrag, qPrintable(QString::number(duringDrag)));

        QWheelEvent notch(centre, viewport()->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &notch);  // zooms in every mode: a tenth nearer
        QCOMPARE(view->scene().camera().eye.z, 4.0f - 4.0f * 4 / 40);
    }

    void aMoveWithoutAButtonChangesNothing() {
        const auto before = sceneBytes();
        const int frames = view->viewport()->framesDrawn();
        QTest::mouseMove(viewport(), {10, 10});
        QTest::mouseMove(viewport(), {200, 150});
        QVERIFY(sceneBytes() == before && view->viewport()->framesDrawn() == frames &&
                view->settings().lastX == 0);
    }

    void rightClickOffersSevenItemsInsideTheViewOnly() {
        rightClick(view->toolBar(), {5, 200});
        rightClick(view->menuBar(), {300, 5});
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        rightClick(viewport(), {100, 100});
        QTRY_COMPARE(QApplication::activePopupWidget(), view->popupMenu());
        QCOMPARE(ids(view->popupMenu()->actions()),
                 (QList<int>{40043, 40057, 40060, 40061, 40055, 40065, 40062}));
        view->popupMenu()->close();
    }

    void saveThenLoadRestoresEveryFieldAndARefusedFileChangesNothing() {
        const QString path = "saved.vyr";
        leftDrag(viewport(), {100, 100}, {30, 20});
        const auto saved = sceneBytes();
        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, path); });
        view->action(40069)->trigger();

        leftDrag(viewport(), {100, 100}, {-70, 5});
        QVERIFY(sceneBytes() != saved);
        answer(QMessageBox::Discard);  // the unsaved drag
        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, path); });
        view->action(40068)->trigger();
        QCOMPARE(sceneBytes(), saved);

        const QString damaged = folder.filePath("damaged.vyr");
        std::ofstream(damaged.toStdString()) << std::string(100, 'x');
        QString message;
        answer(QMessageBox::Ok, &message);
        view->loadSceneFrom(damaged);
        QCOMPARE(sceneBytes(), saved);
        QVERIFY2(message.contains("damaged.vyr"), qPrintable(message));

        view->openAtStartUp(damaged);  // vyr damaged.vyr
        QCOMPARE(sceneBytes(), saved);
        QVERIFY(view->startUpProblems().join("").contains("damaged.vyr"));
        // A scene opened at start-up shows its own figures in the status bar.
        view->scene().text().parameters.text = "VYR";
        QVERIFY(vyr::saveScene(view->scene(), "vyr.vyr").ok);
        view = std::make_unique<MainView>();
        view->openAtStartUp("vyr.vyr");
        QVERIFY(view->findChild<QLabel*>("buildStatus")->text().startsWith("3 characters; "));
    }

    // Drags and commands are steps undone and redone exactly; an Escape drag is none. New and
    // closing ask about unsaved changes, and Cancel keeps everything as it was.
    void changesUndoExactlyAndUnsavedWorkIsAskedFor() {
        const auto start = sceneBytes();
        QCOMPARE(view->windowTitle(), "VYR - Untitled [*]");
        leftDrag(viewport(), {100, 100}, {30, 20});
        view->action(40027)->trigger();
        view->action(40006)->trigger();
        leftDrag(viewport(), {100, 100}, {50, 20}, false);
        QTest::keyClick(viewport(), Qt::Key_Escape);
        QTest::mouseRelease(viewport(), Qt::LeftButton, {}, {150, 120});
        const auto changed = sceneBytes();
        QVERIFY(view->isWindowModified() && view->action(40102)->text() == "Undo Flat");
        for (int id : {40102, 40102, 40102})
            view->action(id)->trigger();
        QVERIFY(sceneBytes() == start && !view->settings().flatShading);
        QVERIFY(!view->isWindowModified() && !view->action(40102)->isEnabled());
        for (int id : {40103, 40103, 40103})
            view->action(id)->trigger();
        QVERIFY(sceneBytes() == changed && view->settings().flatShading);
        answer(QMessageBox::Cancel);
        QVERIFY(!view->close() && view->isVisible() && sceneBytes() == changed);
        answer(QMessageBox::Discard);
        view->action(40101)->trigger();
        QVERIFY(sceneBytes() == start && !view->action(40102)->isEnabled());
        // A name without an extension gets ".vyr"; replacing a file asks first.
        view->action(40027)->trigger();
        answer(QMessageBox::Save);
        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, "named"); });
        QVERIFY(view->close() && QFile::exists("named.vyr"));
        QCOMPARE(view->windowTitle(), "VYR - named.vyr [*]");
        QVERIFY(!view->isWindowModified());
        view->show();
        view->action(40028)->trigger();
        QVERIFY(view->isWindowModified());
        QString replace;
        answer(QMessageBox::Yes, &replace);
        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, "named"); });
        view->action(40069)->trigger();
        QVERIFY2(replace.contains("already exists"), qPrintable(replace));
        QVERIFY(!view->isWindowModified());
        auto* recent = view->findChild<QMenu*>("recent");
        emit recent->aboutToShow();
        QCOMPARE(recent->actions().value(0)->text(), "named.vyr");
        // A dropped font becomes the text's font, as one step.
        QMimeData font;
        font.setUrls({QUrl::fromLocalFile(QStringLiteral(VYR_TEST_FONT_DEJAVU))});
        QDragEnterEvent enter({100, 100}, Qt::CopyAction, &font, Qt::LeftButton, {});
        QDropEvent drop({100, 100}, Qt::CopyAction, &font, Qt::LeftButton, {});
        QVERIFY(QApplication::sendEvent(view.get(), &enter) && enter.isAccepted());
        QApplication::sendEvent(view.get(), &drop);
        QCOMPARE(view->scene().text().parameters.fontFile, "DejaVuSans.ttf");
        QCOMPARE(view->action(40102)->text(), "Undo Font DejaVuSans.ttf");
        // A dropped scene opens, once the unsaved font is discarded.
        const auto named = vyr::test::slurp("named.vyr");
        font.setUrls({QUrl::fromLocalFile(QDir::current().filePath("named.vyr"))});
        answer(QMessageBox::Discard);
        QApplication::sendEvent(view.get(), &enter);
        QApplication::sendEvent(view.get(), &drop);
        const auto opened = sceneBytes();
        QVERIFY(std::string(opened.begin(), opened.end()) == named);
    }

    // A hundred random drags and commands, then as many undos: the scene file's bytes are those
    // from the start; as many redos bring back those from the end.
    void randomChangesUndoToTheStartAndRedoToTheEnd() {
        std::mt19937 random(1207);
        const int tools[] = {40066, 40045, 40051, 40021, 40058, 40059, 40063, 40019, 40020};
        const int commands[] = {40006, 40005, 40025, 40026, 40027, 40028, 40029, 40030, 40071};
        const auto start = sceneBytes();
        for (int i = 0; i < 100; ++i) {
            const auto pick = [&](int n) { return int(random() % unsigned(n)); };
            if (pick(2) == 0) {
                clickTool(tools[pick(9)]);
                leftDrag(viewport(), {100 + pick(200), 100 + pick(150)}, {pick(41) - 20, 5});
            } else {
                view->action(commands[pick(9)])->trigger();
            }
        }
        const auto end = sceneBytes();
        while (view->history()->canUndo())
            view->history()->undo();
        QVERIFY(sceneBytes() == start && !view->isWindowModified());
        while (view->history()->canRedo())
            view->history()->redo();
        QVERIFY(sceneBytes() == end && view->history()->count() > 50);
    }

    // An unsaved change is saved by itself within seconds, and a run that ends without closing
    // offers it back as an unsaved change; a clean close leaves no copy.
    void unsavedWorkSurvivesARunThatDidNotCloseCleanly() {
        QVERIFY(view->findChild<QLabel*>("buildStatus")->text().startsWith("1 character; "));
        view->action(40027)->trigger();
        const auto changed = sceneBytes();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(MainView::autosavePath()), 5000);
        view = std::make_unique<MainView>();  // the first run ends without closing
        view->show();
        answer(QMessageBox::Yes);
        view->offerRestore();
        QVERIFY(sceneBytes() == changed && view->isWindowModified());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(MainView::autosavePath()), 5000);
        answer(QMessageBox::Discard);
        QVERIFY(view->close() && !QFile::exists(MainView::autosavePath()));
    }

    void picturesAndMeshesAreWrittenAndFailedWritesReported() {
        view->action(40054)->trigger();
        QCOMPARE(QImage("vyr.jpg").size(), view->viewport()->size());

        QCOMPARE(view->viewport()->renderFinalFrame("final.jpg", 90), QString());
        QCOMPARE(QImage("final.jpg").size(), view->viewport()->size());
        QVERIFY(view->viewport()
                    ->renderFinalFrame("/nonexistent/final.jpg", 90)
                    .contains("/nonexistent/final.jpg"));

        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, "at.obj"); });
        view->action(40100)->trigger();
        QVERIFY(QFile::exists("at.obj") && QFile::exists("at.mtl"));
        // A material file that cannot replace a folder of its name stops the export, as an error.
        QVERIFY(QDir().mkdir("taken.mtl"));
        whenModal<QFileDialog>([&](QFileDialog* d) { acceptFile(d, "taken.obj"); });
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->text().contains("taken.mtl") ? box->icon() : icon;
            box->accept();
        });
        view->action(40100)->trigger();
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(!QFile::exists("taken.obj"));
    }

    // What the program says and its exit status before any window opens.
    void argumentsAndAMissingDisplayEndTheProgramWithTheirStatus() {
        const QStringList noDisplay = {"-u", "DISPLAY",        "-u", "WAYLAND_DISPLAY",
                                       "-u", "QT_QPA_PLATFORM"};
        const std::tuple<QStringList, int, const char*> runs[] = {
            {noDisplay + QStringList{VYR_PROGRAM, "--no-splash"}, 1, "vyr-cli"},
            // A display named that Qt cannot reach says the same.
            {noDisplay + QStringList{"DISPLAY=:93517", VYR_PROGRAM, "--no-splash"}, 1, "vyr-cli"},
            {{VYR_PROGRAM, "--version"}, 0, "FreeType 2."},
            {{VYR_PROGRAM, "--no-splash", "--help"}, 0, "FILE.vyr"},
            {{VYR_PROGRAM, "--no-splash", "a.vyr", "b.vyr"}, 2, "\"b.vyr\""},
            {{VYR_PROGRAM, "-x"}, 2, "\"-x\""}};
        for (const auto& [args, status, says] : runs) {
            QProcess vyr;
            vyr.start("env", args);
            QVERIFY(vyr.waitForFinished(10000));
            QCOMPARE(vyr.exitCode(), status);
            const QByteArray said = vyr.readAllStandardError() + vyr.readAllStandardOutput();
            QVERIFY2(said.contains(says), said.constData());
        }
    }
};

QTEST_MAIN(MainViewTest)
#include "MainViewTest.moc"
