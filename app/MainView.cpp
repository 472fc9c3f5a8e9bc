#include "app/MainView.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMenuBar>
#include <QSettings>
#include <QToolBar>
#include <vector>

#include "app/CommandIds.h"
#include "app/Viewport.h"
#include "app/dialogs/Artwork.h"
#include "app/dialogs/Dialogs.h"
#include "app/dialogs/Platform.h"
#include "export/OutputFormats.h"
#include "export/SolidMesh.h"
#include "render/ImageFile.h"
#include "scene/Scene.h"
#include "scene/SceneFile.h"

namespace vyr {

namespace {

const QString kSceneFilter = QStringLiteral("Vyr File (*.vyr)|*.vyr|All (*) |*|");
const QString kSceneInitialName = QStringLiteral("*.vyr");
const QString kSceneDefaultExtension = QStringLiteral("FileName");
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

}  // namespace

MainView::MainView(const QString& fontsFolderSetting) {
    // The window first, then the fonts folder and the scene with its text built. The view's
    // OpenGL context, and with it the flare textures, come when the window is first shown.
    setWindowTitle(applicationName());
    setWindowIcon(programIconSet());
    move(0, 0);
    resize(640, 480);
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
    addCommand(file, tr("&Load"), kLoad)->setShortcut(QKeySequence::Open);
    addCommand(file, tr("&Save"), kSave)->setShortcut(QKeySequence::Save);
    file->addSeparator();
    addCommand(file, tr("&Preferences"), kPreferences);
    addCommand(file, tr("Export &VRML"), kExportVrml);
    addCommand(file, tr("Export &C/OpenGL"), kExportC);
    addCommand(file, tr("Export &Mesh (STL, OBJ, glTF)"), kExportMesh);
    file->addSeparator();
    addCommand(file, tr("&Exit"), kExit)->setShortcut(QKeySequence::Quit);

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

void MainView::redraw() {
    viewport_->redraw();
}

void MainView::runCommand(int commandId) {
    using namespace command;
    Camera& camera = scene_->camera();
    switch (commandId) {
        case kLoad:
            return loadSceneFile();
        case kSave:
            return saveSceneFile();
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

        // Each dialog applies its values only on OK; the view is redrawn either way.
        case kCameraParameters:
            DialogEditor(this).editCamera(camera);
            return redraw();
        case kYellowLightParameters:
            DialogEditor(this).editLight(scene_->yellowLight());
            return redraw();
        case kBlueLightParameters:
            DialogEditor(this).editLight(scene_->blueLight());
            return redraw();
        case kGreenLightParameters:
            DialogEditor(this).editLight(scene_->greenLight());
            return redraw();
        case kTextParameters:
            DialogEditor(this).editText(scene_->text());
            return redraw();
        case kTextMaterials:
            // The rebuilt text shows at once.
            editMaterials(this, scene_->text());
            return redraw();

        case kBackgroundColour:
            if (const auto colour = chooseColour(this, 0)) {
                settings_.backgroundColour = *colour;
                redraw();
            }
            return;
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

void MainView::loadSceneFile() {
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
    redraw();
    if (!result.message.empty())
        showMessage(this, fromStd(result.message), !result.ok);
}

void MainView::saveSceneFile() {
    const auto choice = chooseFile(this, FileChooserKind::Save, kSceneFilter, kSceneInitialName,
                                   kSceneDefaultExtension);
    if (!choice)
        return;
    SceneFileResult result;
    {
        WaitCursor wait;
        result = saveScene(*scene_, choice->path.toStdString());
    }
    if (!result.ok)
        showMessage(this, fromStd(result.message), true);
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
