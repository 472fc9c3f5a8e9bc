// vyr: the modeller's start-up. The splash, the main window (its view sets up OpenGL and the
// flare textures when first shown), then any scene file named on the command line.

#include <QApplication>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "app/MainView.h"
#include "app/SplashDialog.h"
#include "app/dialogs/Platform.h"
#include "font/FontEngine.h"
#include "render/OffscreenContext.h"

namespace {

constexpr const char* kNoDisplay =
    "vyr: no display to open a window on; start it in a desktop session or under xvfb-run, "
    "or use vyr-cli for headless work (vyr-cli --help)\n";

// Qt ends the program with an abort when no platform plugin can reach a display; while the
// application object is being made, that becomes the one line above and exit status 1.
// Qt's own complaints while it starts are held back: they are noise when it cannot start, and
// are passed on once it has.
std::atomic<bool> startingQt{false};
QtMessageHandler qtHandler = nullptr;
QList<std::pair<QtMsgType, QString>> heldMessages;

void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (startingQt) {
        if (type == QtFatalMsg) {
            std::fputs(kNoDisplay, stderr);
            std::_Exit(1);
        }
        heldMessages.append({type, text});
        return;
    }
    if (qtHandler != nullptr)
        qtHandler(type, context, text);
}

bool displayNamed() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

constexpr const char* kUsage =
    "Usage: vyr [--no-splash] [FILE.vyr]\n"
    "The extruded 3D text modeller. Opens the scene FILE.vyr, or the default scene.\n"
    "\n"
    "  --no-splash  start without the splash picture (for automation)\n"
    "  --help       print this help\n"
    "  --version    print the versions of vyr, FreeType, Qt and OpenGL\n"
    "\n"
    "Exit status:\n"
    "  0  after Exit\n"
    "  1  no window can be opened, or the modeller failed\n"
    "  2  a bad argument\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vyr %s\n%s\nQt %s\n%s\n", VYR_VERSION,
                        vyr::FontEngine::versionText().c_str(), qVersion(),
                        vyr::OffscreenContext::rendererText().c_str());
            return 0;
        }
    }
    if (!displayNamed()) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    qtHandler = qInstallMessageHandler(messageHandler);
    startingQt = true;
    QApplication app(argc, argv);
    startingQt = false;
    for (const auto& [type, text] : heldMessages)
        messageHandler(type, QMessageLogContext(), text);
    QApplication::setOrganizationName(QStringLiteral("VYR"));
    QApplication::setApplicationName(QStringLiteral("vyr"));

    bool splash = true;
    QString sceneFile;
    const QStringList args = QApplication::arguments().mid(1);
    for (const QString& arg : args) {
        if (arg == QLatin1String("--no-splash")) {
            splash = false;
        } else if (arg.startsWith(QLatin1Char('-')) || !sceneFile.isEmpty()) {
            std::fprintf(stderr, "vyr: unexpected argument \"%s\"\n%s", qPrintable(arg), kUsage);
            return 2;
        } else {
            sceneFile = arg;
        }
    }

    try {
        if (splash) {
            vyr::SplashDialog splashDialog;
            splashDialog.exec();
        }
        vyr::MainView view(vyr::MainView::fontsFolderSetting());
        if (!sceneFile.isEmpty())
            view.openAtStartUp(sceneFile);
        view.show();
        QTimer::singleShot(0, &view, [&view] {
            view.reportStartUpProblems();
            view.offerRestore();
        });
        return QApplication::exec();
    } catch (const std::exception& e) {
        vyr::showMessage(nullptr,
                         QStringLiteral("VYR stopped: %1").arg(QString::fromUtf8(e.what())), true);
        return 1;
    }
}
