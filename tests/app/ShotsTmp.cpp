#include <QApplication>
#include <QTimer>
#include <QDialog>
#include <QTabWidget>
#include "app/dialogs/Dialogs.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"
using namespace vyr;
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Scene scene("/usr/share/fonts/truetype/liberation2");
    ViewSettings s; s.fontsFolder = "/usr/share/fonts/truetype/liberation2";
    int n = 0;
    std::function<void()> poll = [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) { if (auto* t = w->findChild<QTabWidget*>()) { t->setCurrentIndex(1); }  w->grab().save(QString("/tmp/shot%1.png").arg(n++)); static_cast<QDialog*>(w)->reject(); }
        else QTimer::singleShot(100, poll);
    };
    auto next = [&] { QTimer::singleShot(300, poll); };
    DialogEditor ed(nullptr);
    next(); ed.editCamera(scene.camera());
    next(); ed.editLight(scene.yellowLight());
    next(); ed.editText(scene.text());
    next(); EditMaterials(nullptr, scene.text());
    next(); runPreferences(nullptr, s, scene.text());
    next(); runRenderOptions(nullptr, s);
    next(); runExportVrml(nullptr, scene, s);
    next(); runExportC(nullptr, scene);
    next(); showHelpCredits(nullptr);
}
