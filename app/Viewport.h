#pragma once

#include <QImage>
#include <QOpenGLWidget>
#include <QString>
#include <QStringList>
#include <memory>

#include "render/Renderer.h"

class QMenu;

namespace vyr {

class Scene;
struct ViewSettings;

/// The main window's OpenGL view. It turns Qt's mouse events into the scene's drag calls and
/// draws every frame through the Renderer; it has no drawing of its own.
class Viewport : public QOpenGLWidget {
    Q_OBJECT

  public:
    /// `popup` is the right-button menu; it opens only over this widget.
    Viewport(Scene& scene, ViewSettings& settings, QMenu* popup, QWidget* parent = nullptr);
    ~Viewport() override;

    /// Draws the ordinary frame now (not at the next paint), as every command and drag step
    /// does, and has Qt show it. Replaces a final frame on show.
    void redraw();
    /// A change previewed while a dialog is open: drawn at once as a drag step is (the wire
    /// list when the settings ask for it), and in full once the changes pause.
    void redrawPreview();

    /// Draws the final frame (the settings' render options) into the view now and, when
    /// `jpegPath` is not empty, writes it as a JPEG of `quality`. Returns an empty string on
    /// success, else what failed. The final frame stays on show until the next redraw()
    /// or resize.
    QString renderFinalFrame(const QString& jpegPath, int quality);

    /// The picture the view shows (RGB, read from its framebuffer); null without a context.
    QImage shownFrame();

    /// What went wrong setting up the context and the renderer (flare textures, no context).
    QStringList setUpProblems() const;

    /// Frames drawn so far (ordinary and final).
    int framesDrawn() const { return framesDrawn_; }

  signals:
    /// A left drag or a wheel turn is about to change the scene.
    void changeStarted();
    /// The change begun with changeStarted() is complete: the button released, the wheel
    /// turned (`byWheel`).
    void changeFinished(bool byWheel);
    /// Escape was pressed during a drag: the drag has ended and its change is to be undone.
    void changeCancelled();

  protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void releaseRenderer();
    void drawFrame(bool finalFrame = false);

    Scene& scene_;
    ViewSettings& settings_;
    QMenu* popup_;
    std::unique_ptr<Renderer> renderer_;
    QStringList rendererProblems_;
    int framesDrawn_ = 0;
    int wheelRemainder_ = 0;
    bool previewFrame_ = false;       // the frame being drawn is a preview's quick one
    class QTimer* settle_ = nullptr;  // draws the full frame after the last preview

    // The framebuffer holds the frame of the current state (or the final frame).
    bool frameCurrent_ = false;
};

}  // namespace vyr
