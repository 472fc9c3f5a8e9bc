#include "app/Viewport.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "render/ImageFile.h"
#include "render/OffscreenContext.h"
#include "scene/Drag.h"
#include "scene/Scene.h"
#include "scene/ViewSettings.h"

namespace vyr {

namespace {

// One notch of the wheel (120 units) zooms as far as a zoom drag of this many pixels: with the
// default zoom divisor, a tenth of the distance to the target.
constexpr int kWheelNotchPixels = 4;
// How long after the last previewed change the full frame follows the quick one.
constexpr int kPreviewSettleMs = 150;

QSurfaceFormat viewFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    return format;
}

}  // namespace

Viewport::Viewport(Scene& scene, ViewSettings& settings, QMenu* popup, QWidget* parent)
    : QOpenGLWidget(parent), scene_(scene), settings_(settings), popup_(popup) {
    setFormat(viewFormat());
    // The frame stays in the framebuffer between paints, so that a re-exposed view can keep
    // showing a final frame without drawing it again.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    setMinimumSize(1, 1);
    setFocusPolicy(Qt::ClickFocus);  // Escape during a drag reaches the view
}

Viewport::~Viewport() {
    releaseRenderer();
    // The base class destroys the context after this object is gone: its last signal must
    // not reach a slot of ours.
    if (context() != nullptr)
        disconnect(context(), nullptr, this, nullptr);
}

void Viewport::releaseRenderer() {
    if (!renderer_)
        return;
    // Its display lists and textures belong to this widget's context.
    makeCurrent();
    renderer_.reset();
    doneCurrent();
}

void Viewport::initializeGL() {
    keepGlDriverLoaded();
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &Viewport::releaseRenderer,
            Qt::DirectConnection);
    renderer_ = std::make_unique<Renderer>();
    rendererProblems_.clear();
    for (const std::string& problem : renderer_->initialise())
        rendererProblems_ << QString::fromStdString(problem);
}

void Viewport::resizeGL(int w, int h) {
    frameCurrent_ = false;  // a new framebuffer
    // The framebuffer has device pixels: on a high-density screen more than the widget's size.
    const qreal ratio = devicePixelRatioF();
    if (renderer_)
        renderer_->resize(int(std::lround(w * ratio)), int(std::lround(h * ratio)));
}

void Viewport::paintGL() {
    // The framebuffer keeps its frame between paints: a paint that only shows the view again
    // (an exposure, a frame drawn by redraw()) needs no drawing, and a final frame stays.
    if (!renderer_ || frameCurrent_)
        return;
    drawFrame();
}

void Viewport::drawFrame(bool finalFrame) {
    const ViewSettings& s = settings_;
    RenderOptions options;
    options.finalFrame = finalFrame;
    options.interactiveDrag = s.wireframeMove && (s.dragging || previewFrame_);
    options.flat = s.flatShading;
    options.antialias = s.antialiasingOn;
    options.glow = s.glowOn;
    options.flare = s.lensFlareOn;
    options.background = s.backgroundColour;
    options.glowColour = s.glowColour;
    options.glowThickness = s.glowThickness;
    options.flarePosition = s.flarePosition;
    renderer_->drawScene(scene_, options);
    frameCurrent_ = true;
    ++framesDrawn_;
}

void Viewport::redrawPreview() {
    if (settle_ == nullptr) {
        settle_ = new QTimer(this);
        settle_->setSingleShot(true);
        settle_->setInterval(kPreviewSettleMs);
        connect(settle_, &QTimer::timeout, this, &Viewport::redraw);
    }
    previewFrame_ = true;
    redraw();
    previewFrame_ = false;
    settle_->start();
}

void Viewport::redraw() {
    if (settle_ != nullptr && !previewFrame_)
        settle_->stop();  // this is the full frame
    frameCurrent_ = false;
    if (!renderer_ || !isValid())
        return update();
    // Drawn now, into the view's framebuffer; Qt shows it with the next paint.
    makeCurrent();
    drawFrame();
    doneCurrent();
    update();
}

QString Viewport::renderFinalFrame(const QString& jpegPath, int quality) {
    if (!renderer_ || !isValid())
        return tr("The final frame could not be drawn: the view has no OpenGL context.");
    QString failure;
    makeCurrent();
    drawFrame(true);
    if (!jpegPath.isEmpty()) {
        std::string error;
        if (!saveRenderJpeg(jpegPath.toStdString(), quality, *renderer_, &error))
            failure = tr("The rendered image \"%1\" could not be written: %2")
                          .arg(jpegPath, QString::fromStdString(error));
    }
    doneCurrent();
    update();
    return failure;
}

QImage Viewport::shownFrame() {
    if (!renderer_ || !isValid())
        return {};
    makeCurrent();  // binds the view's framebuffer, which holds the frame on show
    const std::vector<unsigned char> rgb = renderer_->readFrameRgb();
    doneCurrent();
    const int w = renderer_->width(), h = renderer_->height();
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        std::copy_n(rgb.data() + static_cast<size_t>(y) * w * 3, static_cast<size_t>(w) * 3,
                    image.scanLine(y));
    return image;
}

QStringList Viewport::setUpProblems() const {
    if (!isValid() || !renderer_)
        return {
            tr("No OpenGL context could be made for the view (depth 24, stencil 8, "
               "compatibility profile): it stays empty. vyr-cli draws images without one.")};
    return rendererProblems_;
}

void Viewport::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QOpenGLWidget::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    // The widget keeps receiving the moves until the button is released (Qt's implicit grab).
    beginDrag(settings_, p.x(), p.y());
    emit changeStarted();
}

void Viewport::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (dragStep(scene_, settings_, p.x(), p.y()))
        redraw();
}

void Viewport::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QOpenGLWidget::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    if (endDrag(settings_, p.x(), p.y())) {
        redraw();
        emit changeFinished(false);
    }
}

void Viewport::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || !settings_.dragging)
        return QOpenGLWidget::keyPressEvent(event);
    endDrag(settings_, settings_.lastX, settings_.lastY);
    emit changeCancelled();
}

void Viewport::wheelEvent(QWheelEvent* event) {
    // Fine-grained wheels send parts of a notch; they add up.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ %= 120;
    if (notches == 0)
        return;
    emit changeStarted();
    scene_.camera().zoomTowardTarget(notches * kWheelNotchPixels);
    redraw();
    emit changeFinished(true);
}

void Viewport::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_ != nullptr && rect().contains(event->pos()))
        popup_->popup(event->globalPos());
}

}  // namespace vyr
