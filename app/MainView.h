#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "scene/ViewSettings.h"

class QAction;
class QMenu;
class QToolBar;

namespace vyr {

class Scene;
class Viewport;

/// The main window: menu bar, the toolbar on the left and the OpenGL view. It owns the scene
/// and every program-wide setting, and runs the commands of its menus, toolbar and popup.
class MainView : public QMainWindow {
    Q_OBJECT

  public:
    /// The window with its menus, toolbar and view; then the settings with the fonts folder
    /// `fontsFolderSetting` (the fontconfig default when empty) and the scene with the text
    /// built. The view sets up OpenGL and the flare textures when first shown.
    explicit MainView(const QString& fontsFolderSetting = {});
    ~MainView() override;

    /// The user's fonts folder setting ("Fonts"); empty when none is set.
    static QString fontsFolderSetting();

    Scene& scene() { return *scene_; }
    ViewSettings& settings() { return settings_; }
    Viewport* viewport() const { return viewport_; }
    QToolBar* toolBar() const { return toolBar_; }
    QMenu* popupMenu() const { return popup_; }
    /// The menu or toolbar action of a command id; nullptr for an unknown id.
    QAction* action(int commandId) const { return actions_.value(commandId); }

    /// Loads a scene file into the running scene and redraws; a refused file changes nothing
    /// and is reported in a message box.
    void loadSceneFrom(const QString& path);
    /// Loads a scene file given on the command line; a failure joins the start-up problems.
    void openAtStartUp(const QString& path);
    /// What went wrong during start-up: the text's font, a scene file, OpenGL, the flare
    /// textures. Call once the window is shown.
    QStringList startUpProblems();
    /// Shows the start-up problems, if any, in one message box.
    void reportStartUpProblems();

  public slots:
    /// Runs a command of the menus, toolbar or popup by its id.
    void runCommand(int commandId);

  protected:
    QMenu* createPopupMenu() override { return nullptr; }

  private:
    QAction* addCommand(QMenu* menu, const QString& text, int commandId);
    void buildMenus();
    void buildToolBar();
    void buildPopup();
    void redraw();

    void loadSceneFile();
    void saveSceneFile();
    void exportMesh();
    void screenshot();
    void render();

    ViewSettings settings_;
    std::unique_ptr<Scene> scene_;
    Viewport* viewport_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* popup_ = nullptr;
    QHash<int, QAction*> actions_;
    QStringList problems_;
};

}  // namespace vyr
