#include "app/MainView.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <vector>

#include "app/CommandIds.h"
#include "app/Viewport.h"
#include "app/dialogs/Artwork.h"
#include "app/dialogs/Dialogs.h"
#include "app/dialogs/Platform.h"
#include "app/dialogs/SystemFonts.h"
#include "export/OutputFormats.h"
#include "export/SolidMesh.h"
#include "render/ImageFile.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"

namespace vyr {

namespace {

const QString kSceneFilter = QStringLiteral("Vyr File (*.vyr)|*.vyr|All (*) |*|");
const QString kSceneInitialName = QStringLiteral("*.vyr");
// A name typed without an extension gets this one.
const QString kSceneDefaultExtension = QStringLiteral("vyr");
// Undo steps kept; older ones are dropped.
constexpr int kUndoLimit = 200;
// How long after a change the scene is saved by itself.
constexpr int kAutosaveDelayMs = 2000;
// Recent scenes listed in "Open Recent", newest first, and the settings that keep them and
// the window's place and toolbar.
constexpr int kRecentCount = 8;
const QString kRecentKey = QStringLiteral("RecentScenes");
const QString kGeometryKey = QStringLiteral("WindowGeometry");
const QString kStateKey = QStringLiteral("WindowState");

bool isFontFile(const QString& path) {
    return QDir::match(fontFilePatterns(), QFileInfo(path).fileName());
}

// The first local file a drag carries that the window takes, a scene or a font; empty when
// there is none.
QString droppedFile(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (url.isLocalFile() &&
            (isFontFile(path) || QFileInfo(path).suffix().toLower() == QLatin1String("vyr")))
            return path;
    }
    return {};
}

const QString kScreenshotName = QStringLiteral("vyr.jpg");

struct ToolSlot {
    int id;      // 0: a separator
    char group;  // 'A', 'B', 'C', or 0 for the push button
    const char* tip;
};

// Top to bottom. The second tip starts with a blank, which the toolbar shows as it is.
constexpr ToolSlot kToolSlots[] = {
    {command::kTranslateLight, 'A', "Translate light or flare"},
    {command::kRotateLight, 'A', " Rotate light direction"},
    {0, 0, nullptr},
    {command::kSelectYellow, 'B', "Select yellow light"},
    {command::kSelectBlue, 'B', "Select blue light"},
    {command::kSelectGreen, 'B', "Select green light"},
    {command::kSelectFlare, 'B', "Select lens flare"},
    {0, 0, nullptr},
    {command::kScaleText, 'C', "Scale Text in X and Y direction"},
    {command::kRotateCamera, 'C', "Rotates camera around the text"},
    {command::kZoom, 'C', "Zoom in/ out (right/left)"},
    {command::kResetCamera, 0, "Initialise Camera position, Zoom, and Target"},
};

// The mesh formats, by the extension that chooses them.
struct MeshFormat {
    const char* extension;
    const char* filter;
};
constexpr MeshFormat kMeshFormats[] = {
    {"stl", "STL binary (*.stl)"},
    {"obj", "Wavefront OBJ with its material library (*.obj)"},
    {"glb", "glTF binary (*.glb)"},
};

QString fromStd(const std::string& s) {
    return QString::fromStdString(s);
}

// The Edit menu's name for the change a drag makes.
QString dragName(DragTarget target) {
    switch (target) {
        case DragTarget::ScaleText:
            return QObject::tr("Scale Text");
        case DragTarget::RotateCamera:
            return QObject::tr("Rotate Camera");
        case DragTarget::Zoom:
            return QObject::tr("Zoom");
        case DragTarget::YellowLight:
            return QObject::tr("Move Yellow Light");
        case DragTarget::BlueLight:
            return QObject::tr("Move Blue Light");
        case DragTarget::GreenLight:
            return QObject::tr("Move Green Light");
        case DragTarget::Flare:
            break;
    }
    return QObject::tr("Move Lens Flare");
}

// The Edit menu's name for the change a command makes: its menu item, with its menu where
// the item alone is ambiguous.
QString stepName(const QAction* action) {
    using namespace command;
    const int id = action->data().toInt();
    const QString item = action->text().remove(QLatin1Char('&'));
    if (id >= kViewFront && id <= kViewLeft)
        return QObject::tr("View %1").arg(item);
    if (id == kCameraParameters)
        return QObject::tr("Camera Parameters");
    if (id == kTextParameters || id == kTextMaterials)
        return QObject::tr("Text %1").arg(item);
    if (id == kResetCamera)
        return QObject::tr("Reset Camera");
    return item;
}

}  // namespace

MainView::MainView(const QString& fontsFolderSetting) {
    // The window first, then the fonts folder and the scene with its text built. The view's
    // OpenGL context, and with it the flare textures, come when the window is first shown.
    setWindowIcon(programIconSet());
    move(0, 0);
    resize(640, 480);
    history_ = new QUndoStack(this);
    history_->setUndoLimit(kUndoLimit);
    connect(history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    autosave_ = new QTimer(this);
    autosave_->setSingleShot(true);
    autosave_->setInterval(kAutosaveDelayMs);
    connect(autosave_, &QTimer::timeout, this, &MainView::autosave);
    connect(history_, &QUndoStack::indexChanged, autosave_, qOverload<>(&QTimer::start));
    connect(history_, &QUndoStack::cleanChanged, autosave_, qOverload<>(&QTimer::start));
    buildMenus();
    buildToolBar();
    buildPopup();

    settings_ = ViewSettings::atStartUp(fontsFolderSetting.toStdString());
    scene_ = std::make_unique<Scene>(settings_.fontsFolder);
    const BuildResult built = scene_->text().buildMesh();
    if (!built.ok)
        problems_ << fromStd(built.message);

    viewport_ = new Viewport(*scene_, settings_, popup_, this);
    setCentralWidget(viewport_);
    setAcceptDrops(true);
    showStatus();
    // The place, size and toolbar of the last run's window, when there was one.
    const QSettings stored;
    restoreGeometry(stored.value(kGeometryKey).toByteArray());
    restoreState(stored.value(kStateKey).toByteArray());
    // A drag or wheel turn is one undo step, from the press to the release.
    connect(viewport_, &Viewport::changeStarted, this,
            [this] { changeStart_ = SceneState::of(*scene_, settings_); });
    connect(viewport_, &Viewport::changeFinished, this, [this](bool byWheel) {
        record(byWheel ? tr("Zoom") : dragName(settings_.dragTarget), changeStart_);
    });
    connect(viewport_, &Viewport::changeCancelled, this, [this] { showState(changeStart_); });
    startHistory(QString());
}

MainView::~MainView() {
    // The view's renderer goes first, with its context, while the scene it draws still lives.
    delete viewport_;
}

QString MainView::fontsFolderSetting() {
    return QSettings().value(QStringLiteral("Fonts")).toString();
}

QAction* MainView::addCommand(QMenu* menu, const QString& text, int commandId) {
    auto* action = new QAction(text, this);
    action->setData(commandId);
    connect(action, &QAction::triggered, this, [this, commandId] { runCommand(commandId); });
    if (menu != nullptr)
        menu->addAction(action);
    actions_.insert(commandId, action);
    return action;
}

void MainView::buildMenus() {
    using namespace command;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addCommand(file, tr("&New"), kNew)->setShortcut(QKeySequence::New);
    addCommand(file, tr("&Load"), kLoad)->setShortcut(QKeySequence::Open);
    recent_ = file->addMenu(tr("Open &Recent"));
    recent_->setObjectName(QStringLiteral("recent"));
    connect(recent_, &QMenu::aboutToShow, this, &MainView::fillRecentMenu);
    addCommand(file, tr("&Save"), kSave)->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addCommand(file, tr("&Preferences"), kPreferences);
    addCommand(file, tr("Export &VRML"), kExportVrml);
    addCommand(file, tr("Export &C/OpenGL"), kExportC);
    addCommand(file, tr("Export &Mesh (STL, OBJ, glTF)"), kExportMesh);
    file->addSeparator();
    addCommand(file, tr("&Exit"), kExit)->setShortcut(QKeySequence::Quit);

    // Qt names the items "Undo <step>" and "Redo <step>" and greys them out when there is none.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* undo = history_->createUndoAction(this);
    QAction* redo = history_->createRedoAction(this);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (const auto& [a, id] : {std::pair{undo, kUndo}, {redo, kRedo}}) {
        a->setData(id);
        actions_.insert(id, a);
        edit->addAction(a);
    }

    QMenu* display = menuBar()->addMenu(tr("&Display"));
    addCommand(display, tr("&Flat"), kFlat);
    addCommand(display, tr("&Gouraud"), kGouraud);

    QMenu* camera = menuBar()->addMenu(tr("&Camera"));
    QMenu* view = camera->addMenu(tr("&View"));
    addCommand(view, tr("Front"), kViewFront);
    addCommand(view, tr("Back"), kViewBack);
    addCommand(view, tr("Up"), kViewUp);
    addCommand(view, tr("Down"), kViewDown);
    addCommand(view, tr("Right"), kViewRight);
    addCommand(view, tr("Left"), kViewLeft);
    camera->addSeparator();
    addCommand(camera, tr("&Parameters"), kCameraParameters);

    QMenu* text = menuBar()->addMenu(tr("&Text"));
    addCommand(text, tr("&Parameters"), kTextParameters);
    addCommand(text, tr("&Materials"), kTextMaterials);

    QMenu* lights = menuBar()->addMenu(tr("&Lights"));
    addCommand(lights, tr("&Yellow Light Parameters"), kYellowLightParameters);
    addCommand(lights, tr("&Blue Light Parameters"), kBlueLightParameters);
    addCommand(lights, tr("&Green Light Parameters"), kGreenLightParameters);

    QMenu* render = menuBar()->addMenu(tr("&Render"));
    addCommand(render, tr("&Background Color"), kBackgroundColour);
    addCommand(render, tr("&Screenshot (vyr.jpg)"), kScreenshot);
    addCommand(render, tr("&Render"), kRender)
        ->setShortcuts({QKeySequence(Qt::Key_F12), QKeySequence(Qt::CTRL | Qt::Key_R)});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, tr("&Help/Credits"), kHelpCredits);
}

void MainView::buildToolBar() {
    toolBar_ = new QToolBar(tr("Tools"), this);
    toolBar_->setObjectName(QStringLiteral("tools"));
    toolBar_->setOrientation(Qt::Vertical);
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::LeftToolBarArea, toolBar_);

    QHash<char, QActionGroup*> groups;
    for (const ToolSlot& slot : kToolSlots) {
        if (slot.id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = addCommand(nullptr, QString(), slot.id);
        action->setIcon(toolbarIcon(slot.id));
        action->setToolTip(QString::fromLatin1(slot.tip));
        if (slot.group != 0) {
            QActionGroup*& group = groups[slot.group];
            if (group == nullptr)
                group = new QActionGroup(this);
            action->setCheckable(true);
            group->addAction(action);
        }
        toolBar_->addAction(action);
    }
    action(command::kRotateLight)->setChecked(true);
    action(command::kRotateCamera)->setChecked(true);
}

void MainView::buildPopup() {
    using namespace command;
    popup_ = new QMenu(this);
    const std::pair<const char*, int> items[] = {
        {"&Camera", kCameraParameters},
        {"&Yellow Light", kYellowLightParameters},
        {"&Blue Light", kBlueLightParameters},
        {"&Green Light", kGreenLightParameters},
        {"&Text", kTextParameters},
        {"&Materials", kTextMaterials},
        {"&Render", kRender},
    };
    // The popup's names differ from the menu bar's; its items run the same commands.
    for (const auto& [text, id] : items) {
        QAction* item = popup_->addAction(tr(text));
        item->setData(id);
        connect(item, &QAction::triggered, this, [this, id = id] { runCommand(id); });
    }
}

DialogEditor MainView::editor() {
    return DialogEditor(this, [this] { viewport_->redrawPreview(); });
}

void MainView::redraw() {
    viewport_->redraw();
    showStatus();
}

// The text's size and its last build, and in words what that build had to give up.
void MainView::showStatus() {
    const Text& text = scene_->text();
    if (text.buildGeneration() == statusGeneration_)
        return;
    statusGeneration_ = text.buildGeneration();
    // A lasting part of the status bar, which menu tips and passing messages leave alone.
    if (buildStatus_ == nullptr) {
        buildStatus_ = new QLabel(statusBar());
        buildStatus_->setObjectName(QStringLiteral("buildStatus"));
        statusBar()->addPermanentWidget(buildStatus_);
    }
    const SolidMesh solid = buildSolidMesh(text);
    size_t narrowed = 0, missing = 0, fallback = 0;
    for (const TextMeshEntry& e : text.mesh().entries) {
        narrowed += e.bevelFit != BevelFit::kPlain;
        missing += e.font < 0;
        fallback += e.font > 0;
    }
    const auto counted = [](size_t n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QStringList parts{counted(text.mesh().entries.size(), "character", "characters"),
                      counted(solid.triangles.size(), "triangle", "triangles"),
                      tr("built in %1 ms").arg(text.lastBuildMs(), 0, 'f', 2)};
    if (narrowed > 0)
        parts << tr("the bevel narrowed in %1").arg(counted(narrowed, "character", "characters"));
    if (fallback > 0)
        parts << tr("%1 from other fonts").arg(counted(fallback, "glyph", "glyphs"));
    if (missing > 0)
        parts << tr("no font has %1").arg(counted(missing, "character", "characters"));
    if (!solid.noDepth && !solid.faults.empty())
        parts << tr("%1 not a closed solid")
                     .arg(counted(solid.faults.size(), "character is", "characters are"));
    buildStatus_->setText(parts.join(QStringLiteral("; ")));
}

void MainView::runCommand(int commandId) {
    using namespace command;
    // Loading, saving and "New" start or keep the history; every other command that changes
    // the scene or its view values is one undo step.
    if (commandId == kNew || commandId == kLoad || commandId == kSave || commandId == kExit ||
        commandId == kUndo || commandId == kRedo)
        return applyCommand(commandId);
    const SceneState before = SceneState::of(*scene_, settings_);
    applyCommand(commandId);
    if (QAction* a = action(commandId))
        record(stepName(a), before);
}

void MainView::applyCommand(int commandId) {
    using namespace command;
    Camera& camera = scene_->camera();
    switch (commandId) {
        case kNew:
            return newScene();
        case kUndo:
            return history_->undo();
        case kRedo:
            return history_->redo();
        case kLoad:
            return loadSceneFile();
        case kSave:
            saveSceneFile();
            return;
        case kPreferences:
            runPreferences(this, settings_, scene_->text());
            return;
        case kExportVrml:
            runExportVrml(this, *scene_, settings_);
            return;
        case kExportC:
            runExportC(this, *scene_);
            return;
        case kExportMesh:
            return exportMesh();
        case kExit:
            close();
            return;

        case kFlat:
            settings_.flatShading = true;
            return redraw();
        case kGouraud:
            settings_.flatShading = false;
            return redraw();

        case kViewFront:
            camera.viewFront();
            return redraw();
        case kViewBack:
            camera.viewBack();
            return redraw();
        case kViewUp:
            camera.viewUp();
            return redraw();
        case kViewDown:
            camera.viewDown();
            return redraw();
        case kViewRight:
            camera.viewRight();
            return redraw();
        case kViewLeft:
            camera.viewLeft();
            return redraw();
        case kResetCamera:
            camera.reset();
            return redraw();

        // Each dialog shows its acceptable values at once and keeps them on OK; the view is
        // redrawn either way.
        case kCameraParameters:
            editor().editCamera(camera);
            return redraw();
        case kYellowLightParameters:
            editor().editLight(scene_->yellowLight());
            return redraw();
        case kBlueLightParameters:
            editor().editLight(scene_->blueLight());
            return redraw();
        case kGreenLightParameters:
            editor().editLight(scene_->greenLight());
            return redraw();
        case kTextParameters:
            editor().editText(scene_->text());
            return redraw();
        case kTextMaterials:
            editor().editMaterials(scene_->text());
            return redraw();

        case kBackgroundColour: {
            const uint32_t before = settings_.backgroundColour;
            const auto colour = chooseColour(this, 0, [this](uint32_t shown) {
                settings_.backgroundColour = shown;
                viewport_->redrawPreview();
            });
            settings_.backgroundColour = colour.value_or(before);
            return redraw();
        }
        case kScreenshot:
            return screenshot();
        case kRender:
            return render();
        case kHelpCredits:
            showHelpCredits(this);
            return;

        // The toolbar's modes change flags only; the next drag uses them.
        case kTranslateLight:
            settings_.lightAction = LightAction::Translate;
            return;
        case kRotateLight:
            settings_.lightAction = LightAction::Rotate;
            return;
        case kSelectYellow:
            settings_.dragTarget = DragTarget::YellowLight;
            return;
        case kSelectBlue:
            settings_.dragTarget = DragTarget::BlueLight;
            return;
        case kSelectGreen:
            settings_.dragTarget = DragTarget::GreenLight;
            return;
        case kSelectFlare:
            settings_.dragTarget = DragTarget::Flare;
            return;
        case kScaleText:
            settings_.dragTarget = DragTarget::ScaleText;
            return;
        case kRotateCamera:
            settings_.dragTarget = DragTarget::RotateCamera;
            return;
        case kZoom:
            settings_.dragTarget = DragTarget::Zoom;
            return;
        default:
            return;
    }
}

void MainView::record(const QString& what, const SceneState& before) {
    SceneState after = SceneState::of(*scene_, settings_);
    if (after == before)
        return;
    history_->push(new SceneStep(what, before, std::move(after),
                                 [this](const SceneState& state) { showState(state); }));
}

void MainView::showState(const SceneState& state) {
    {
        WaitCursor wait;
        state.restore(*scene_, settings_);
    }
    redraw();
}

QString MainView::sceneName() const {
    return file_.isEmpty() ? tr("Untitled") : QFileInfo(file_).fileName();
}

void MainView::setFile(const QString& file) {
    file_ = file;
    setWindowTitle(tr("%1 - %2 [*]").arg(applicationName(), sceneName()));
}

void MainView::startHistory(const QString& file) {
    setFile(file);
    history_->clear();
    setWindowModified(false);
}

bool MainView::maySetSceneAside() {
    if (history_->isClean())
        return true;
    QMessageBox box(QMessageBox::Question, applicationName(),
                    tr("Save changes to %1?").arg(sceneName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return file_.isEmpty() ? saveSceneFile() : saveSceneTo(file_);
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void MainView::closeEvent(QCloseEvent* event) {
    if (!maySetSceneAside())
        return event->ignore();
    autosave_->stop();
    QFile::remove(autosavePath());
    QSettings stored;
    stored.setValue(kGeometryKey, saveGeometry());
    stored.setValue(kStateKey, saveState());
    event->accept();
}

void MainView::rememberRecent(const QString& path) {
    QSettings stored;
    QStringList recent = stored.value(kRecentKey).toStringList();
    const QString file = QFileInfo(path).absoluteFilePath();
    recent.removeAll(file);
    recent.prepend(file);
    stored.setValue(kRecentKey, recent.mid(0, kRecentCount));
}

// The recent scenes whose files are still there; the others are dropped from the list.
void MainView::fillRecentMenu() {
    recent_->clear();
    QSettings stored;
    QStringList recent = stored.value(kRecentKey).toStringList();
    recent.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    stored.setValue(kRecentKey, recent);
    for (const QString& path : recent) {
        connect(recent_->addAction(QFileInfo(path).fileName()), &QAction::triggered, this,
                [this, path] {
                    if (maySetSceneAside())
                        loadSceneFrom(path);
                });
    }
    recent_->setEnabled(!recent.isEmpty());
}

void MainView::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainView::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    if (!isFontFile(path)) {
        if (maySetSceneAside())
            loadSceneFrom(path);
        return;
    }
    const SceneState before = SceneState::of(*scene_, settings_);
    Text& text = scene_->text();
    const TextParameters kept = text.parameters;
    text.parameters.chooseFontPath(QFileInfo(path).absoluteFilePath().toStdString());
    if (!rebuildOrRestore(this, text, kept))
        return;
    record(tr("Font %1").arg(QFileInfo(path).fileName()), before);
    redraw();
}

QString MainView::autosavePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/autosave.vyr");
}

void MainView::autosave() {
    const QString path = autosavePath();
    if (history_->isClean()) {
        QFile::remove(path);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const SceneFileResult result = saveScene(*scene_, path.toStdString());
    if (!result.ok)
        statusBar()->showMessage(
            tr("The scene could not be saved by itself: %1").arg(fromStd(result.message)));
}

void MainView::offerRestore() {
    const QString path = autosavePath();
    if (!QFile::exists(path))
        return;
    QMessageBox box(QMessageBox::Question, applicationName(),
                    tr("VYR did not close cleanly last time. Restore the scene it was working on?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    if (box.exec() == QMessageBox::Yes) {
        const SceneState before = SceneState::of(*scene_, settings_);
        const SceneFileResult result = loadScene(*scene_, path.toStdString());
        record(tr("Restore"), before);
        redraw();
        if (!result.message.empty())
            showMessage(this, fromStd(result.message), !result.ok);
    }
    QFile::remove(path);
}

void MainView::newScene() {
    if (!maySetSceneAside())
        return;
    const Scene fresh(settings_.fontsFolder);
    const std::vector<uint8_t> bytes = sceneBytes(fresh);
    SceneFileResult result;
    {
        WaitCursor wait;
        result = loadSceneBytes(*scene_, bytes.data(), bytes.size(), "the default scene");
    }
    startHistory(QString());
    redraw();
    if (!result.message.empty())
        showMessage(this, fromStd(result.message), !result.ok);
}

void MainView::loadSceneFile() {
    if (!maySetSceneAside())
        return;
    const auto choice = chooseFile(this, FileChooserKind::Open, kSceneFilter, kSceneInitialName,
                                   kSceneDefaultExtension);
    if (choice)
        loadSceneFrom(choice->path);
}

void MainView::loadSceneFrom(const QString& path) {
    SceneFileResult result;
    {
        WaitCursor wait;
        result = loadScene(*scene_, path.toStdString());
    }
    if (result.ok) {
        startHistory(path);
        rememberRecent(path);
    }
    redraw();
    if (!result.message.empty())
        showMessage(this, fromStd(result.message), !result.ok);
}

bool MainView::saveSceneFile() {
    const auto choice =
        chooseFile(this, FileChooserKind::Save, kSceneFilter,
                   file_.isEmpty() ? kSceneInitialName : sceneName(), kSceneDefaultExtension);
    return choice && saveSceneTo(choice->path);
}

bool MainView::saveSceneTo(const QString& path) {
    SceneFileResult result;
    {
        WaitCursor wait;
        result = saveScene(*scene_, path.toStdString());
    }
    if (!result.ok) {
        showMessage(this, fromStd(result.message), true);
        return false;
    }
    // The history stays; the saved state is the one without unsaved changes.
    setFile(path);
    history_->setClean();
    rememberRecent(path);
    return true;
}

void MainView::exportMesh() {
    QFileDialog chooser(this, tr("Export Mesh"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDirectory(QDir::current());
    QStringList filters;
    for (const MeshFormat& format : kMeshFormats)
        filters << QString::fromLatin1(format.filter);
    chooser.setNameFilters(filters);
    chooser.setDefaultSuffix(QStringLiteral("stl"));
    // The chosen filter names the format a name typed without an extension gets.
    connect(&chooser, &QFileDialog::filterSelected, &chooser,
            [&chooser, filters](const QString& filter) {
                const qsizetype i = filters.indexOf(filter);
                if (i >= 0)
                    chooser.setDefaultSuffix(QString::fromLatin1(kMeshFormats[i].extension));
            });
    chooser.selectFile(QStringLiteral("VYR"));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QFileInfo info(chooser.selectedFiles().constFirst());
    QDir::setCurrent(info.absolutePath());
    const QString extension = info.suffix().toLower();
    const OutputFormat* format = findOutputFormat(extension.toStdString());
    if (format == nullptr || !format->needsSolid) {
        showMessage(
            this, tr("\"%1\": mesh files are written as .stl, .obj or .glb.").arg(info.fileName()),
            true);
        return;
    }

    WaitCursor wait;
    const SolidMesh solid = buildSolidMesh(scene_->text());
    const OutputSource source{*scene_, &solid, {}};
    OutputSet files;
    QString failure;
    if (!files.add(format->files(info.absoluteFilePath().toStdString(), source, true)) ||
        !files.commit()) {
        failure = tr("Cannot write \"%1\": %2")
                      .arg(fromStd(files.failedPath()), fromStd(files.failure()));
    }
    if (!failure.isEmpty()) {
        showMessage(this, failure, true);
    } else if (!solid.sound()) {
        const QString what = solid.noDepth
                                 ? tr("%1 was written as a flat shape:\n%2")
                                 : tr("%1 was written, but some characters' solids are not "
                                      "closed:\n%2");
        showMessage(this, what.arg(info.fileName(), fromStd(solid.faultReport())));
    }
}

void MainView::screenshot() {
    WaitCursor wait;
    const QImage shown = viewport_->shownFrame();
    const QString path = QDir::current().absoluteFilePath(kScreenshotName);
    std::string error = "the view has no picture (no OpenGL context)";
    std::vector<unsigned char> jpeg;
    if (!shown.isNull())
        jpeg = encodeJpeg(shown.constBits(), shown.width(), shown.height(),
                          static_cast<int>(shown.bytesPerLine()), PixelLayout::Rgb,
                          settings_.jpegQuality, &error);
    if (jpeg.empty() || !writeImageFile(path.toStdString(), jpeg, &error))
        showMessage(this,
                    tr("The screenshot \"%1\" could not be written: %2").arg(path, fromStd(error)),
                    true);
}

void MainView::render() {
    if (!runRenderOptions(this, settings_))
        return;
    WaitCursor wait;
    const QString jpeg = settings_.renderToFile ? fromStd(settings_.jpegFileName) : QString();
    const QString failure = viewport_->renderFinalFrame(jpeg, settings_.jpegQuality);
    if (!failure.isEmpty())
        showMessage(this, failure, true);
}

void MainView::openAtStartUp(const QString& path) {
    const SceneFileResult result = loadScene(*scene_, path.toStdString());
    if (result.ok)
        startHistory(path);
    showStatus();
    if (!result.message.empty())
        problems_ << fromStd(result.message);
}

QStringList MainView::startUpProblems() {
    // The view sets up its context when first shown; make sure that has been tried.
    if (!viewport_->isValid())
        viewport_->grabFramebuffer();
    return problems_ + viewport_->setUpProblems();
}

void MainView::reportStartUpProblems() {
    const QStringList problems = startUpProblems();
    if (!problems.isEmpty())
        showMessage(this, problems.join(QLatin1Char('\n')), true);
}

}  // namespace vyr
