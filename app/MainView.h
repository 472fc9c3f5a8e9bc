#pragma once

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/SceneHistory.h"
#include "scene/ViewSettings.h"

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QTimer;
class QUndoStack;

namespace vyr {

class DialogEditor;
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
    /// The changes made since the last load, save or "New", for Undo and Redo.
    QUndoStack* history() const { return history_; }

    /// Loads a scene file into the running scene, which takes its name and a fresh history,
    /// and redraws; a refused file changes nothing and is reported in a message box.
    void loadSceneFrom(const QString& path);
    /// Loads a scene file given on the command line; a failure joins the start-up problems.
    void openAtStartUp(const QString& path);
    /// What went wrong during start-up: the text's font, a scene file, OpenGL, the flare
    /// textures. Call once the window is shown.
    QStringList startUpProblems();
    /// Shows the start-up problems, if any, in one message box.
    void reportStartUpProblems();
    /// After a run that did not close cleanly, offers to restore the scene it saved by
    /// itself; the restored scene is an unsaved change. Either way the copy is then gone.
    void offerRestore();
    /// Where the scene is saved by itself a moment after each unsaved change; removed when
    /// the window closes cleanly or nothing is left unsaved.
    static QString autosavePath();

  public slots:
    /// Runs a command of the menus, toolbar or popup by its id.
    void runCommand(int commandId);

  protected:
    QMenu* createPopupMenu() override { return nullptr; }
    /// Asks first when there are unsaved changes; Cancel keeps the window open.
    void closeEvent(QCloseEvent* event) override;
    /// A dropped scene file is opened (asking first about unsaved changes); a dropped font
    /// file becomes the text's font.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QAction* addCommand(QMenu* menu, const QString& text, int commandId);
    void buildMenus();
    void buildToolBar();
    void buildPopup();
    void redraw();
    void applyCommand(int commandId);
    /// The parameter dialogs, each change shown in the view at once.
    DialogEditor editor();

    /// Pushes an undo step named `what` when the scene or its view values differ from `before`.
    void record(const QString& what, const SceneState& before);
    void showState(const SceneState& state);
    /// The scene's file name, or "Untitled".
    QString sceneName() const;
    /// The scene's file, named in the title.
    void setFile(const QString& file);
    /// The scene's file, and a fresh history with nothing unsaved.
    void startHistory(const QString& file);
    /// True when the scene may be replaced or closed: nothing unsaved, or the user saved it
    /// or chose to discard it; false when the user cancelled or the save failed.
    bool maySetSceneAside();

    void autosave();
    void showStatus();

    /// Puts `path` first among the recent scenes (at most eight, in the settings).
    void rememberRecent(const QString& path);
    void fillRecentMenu();

    void newScene();
    void loadSceneFile();
    bool saveSceneFile();
    bool saveSceneTo(const QString& path);
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
    QUndoStack* history_ = nullptr;
    SceneState changeStart_;  // the state when the current drag began
    QTimer* autosave_ = nullptr;
    QMenu* recent_ = nullptr;
    unsigned statusGeneration_ = 0;  // the text build the status bar describes
    QLabel* buildStatus_ = nullptr;
    QString file_;                   // the scene's file; empty until loaded or saved
};

}  // namespace vyr
