// The drag loop of the modeller: from a mouse-move event over the view to the finished frame,
// for the 62-character line drawn as its wire list; and the live preview of Text Properties:
// from a key typed into the text field to the finished frame of the rebuilt line. Needs a
// display: run it under xvfb-run.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/vyr_drag_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTimer>

#include "app/CommandIds.h"
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
// The main window with the line built and its view showing its first frame; false when the
// font cannot be opened.
bool showLine(vyr::MainView& view, benchmark::State& state) {
    view.scene().text().parameters.text = kLine;
    if (!view.scene().text().buildMesh().ok) {
        state.SkipWithError("the default font could not be opened");
        return false;
    }
    view.show();
    while (!view.viewport()->isValid() || view.viewport()->framesDrawn() == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return true;
}

void finishFrame(vyr::Viewport* viewport) {
    viewport->makeCurrent();
    viewport->context()->functions()->glFinish();
    viewport->doneCurrent();
}

void dragLoop(benchmark::State& state, bool shown) {
    vyr::MainView view;
    if (!showLine(view, state))
        return;
    vyr::Viewport* viewport = view.viewport();

    const QPoint centre = viewport->rect().center();
    sendMouse(viewport, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        step = -step;  // one degree back and forth
        sendMouse(viewport, QEvent::MouseMove, centre + QPoint(step > 0 ? 1 : 0, 0), Qt::NoButton);
        finishFrame(viewport);
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

void sendKey(QWidget* widget, int key, const QString& text) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &event);
    }
}

// Text Properties open over the line: a character typed at the end of the text, then taken
// away again, each shown (rebuilt, drawn and put on the screen) before the next.
void BM_PreviewTypedCharacter(benchmark::State& state) {
    vyr::MainView view;
    if (!showLine(view, state))
        return;
    QTimer::singleShot(0, &view, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* field = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("text")) : nullptr;
        if (field == nullptr) {
            state.SkipWithError("no Text Properties dialog");
        } else {
            field->end(false);
            bool type = true;
            for (auto _ : state) {
                sendKey(field, type ? Qt::Key_X : Qt::Key_Backspace, type ? "x" : "");
                type = !type;
                finishFrame(view.viewport());
                QApplication::processEvents();
            }
        }
        if (dialog != nullptr)
            dialog->reject();
    });
    view.runCommand(vyr::command::kTextParameters);
}
BENCHMARK(BM_PreviewTypedCharacter)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
