// The drag loop of the modeller: from a mouse-move event over the view to the finished frame,
// for the 62-character line drawn as its wire list. Needs a display: run it under xvfb-run.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/vyr_drag_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include "app/MainView.h"
#include "app/Viewport.h"
#include "scene/Scene.h"

namespace {

constexpr const char* kLine = "The quick brown fox jumps over the lazy dog 0123456789 ABCDEFG";

void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// `shown`: also let Qt put the frame on the screen (the paint and flush that follow).
void dragLoop(benchmark::State& state, bool shown) {
    vyr::MainView view;
    view.scene().text().parameters.text = kLine;
    if (!view.scene().text().buildMesh().ok) {
        state.SkipWithError("the default font could not be opened");
        return;
    }
    view.show();
    vyr::Viewport* viewport = view.viewport();
    while (!viewport->isValid() || viewport->framesDrawn() == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    const QPoint centre = viewport->rect().center();
    sendMouse(viewport, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        step = -step;  // one degree back and forth
        sendMouse(viewport, QEvent::MouseMove, centre + QPoint(step > 0 ? 1 : 0, 0), Qt::NoButton);
        viewport->makeCurrent();
        viewport->context()->functions()->glFinish();
        viewport->doneCurrent();
        if (shown)
            QApplication::processEvents();
    }
    sendMouse(viewport, QEvent::MouseButtonRelease, centre, Qt::LeftButton);
}

void BM_DragStepDrawn(benchmark::State& state) {
    dragLoop(state, false);
}
void BM_DragStepShown(benchmark::State& state) {
    dragLoop(state, true);
}
BENCHMARK(BM_DragStepDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DragStepShown)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
