// The canvas's input on the editor's real main window (Qt's offscreen
// platform), each beside one RefreshCanvas measured in the same run:
// - one application of a 50 x 50 block: 2,500 cells and one refresh
//   (aim: at most 2x one refresh);
// - wheel messages through the whole path: a Qt wheel event, CanvasProc, the
//   refresh and the repaint of the canvas widget (aim: 1,000 a second).
// The counter "x_refresh" is the cost of one item in refreshes.

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/CanvasInput.h"
#include "canvas/EditingState.h"
#include "canvas/Rendering.h"
#include "ui/Application.h"
#include "ui/Messages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int SIDE = 500; // the largest image admitted
constexpr int BLOCK = 50;

using Clock = std::chrono::steady_clock;

void StartOffscreenUi() {
    if (UiServicesStarted()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    StartUiServices("editor-benchmarks");
}

// Runs the editor's main window on a SIDE x SIDE image, as start-up does, and
// calls `body` with the canvas's client widget once the window is shown.
void WithEditorShown(const std::function<void(QWidget* canvas)>& body) {
    StartOffscreenUi();
    ResetEditingState();
    ResetSurfacesForTests();
    std::vector<Colour> pixels(std::size_t(SIDE) * SIDE);
    for (std::size_t k = 0; k < pixels.size(); ++k)
        pixels[k] = Colour(k * 2654435761u) & 0xFFFFFF;
    EditingState& state = Editing();
    state.ImageWidth = SIDE;
    state.ImageHeight = SIDE;
    state.ImageBitmap = NewBitmapSurfaceFrom(SIDE, SIDE, pixels.data());
    OpenMainWindow();
    QTimer::singleShot(0, [&body] {
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && w->windowTitle() == MAIN_WINDOW_TITLE) window = w;
        }
        // Until the window is exposed, repaints paint nothing.
        QElapsedTimer waited;
        waited.start();
        while (window && !window->windowHandle()->isExposed() && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        auto* client = window ? window->findChild<QWidget*>("clientArea") : nullptr;
        QWidget* canvas = client ? client->childAt(5, 5) : nullptr;
        if (canvas != nullptr && window->windowHandle()->isExposed()) body(canvas);
        else std::fprintf(stderr, "the main window was not shown\n");
        EndModal(Editing().MainWindow, 0);
    });
    RunModal(state.MainWindow, MainWindowHandler, nullptr);
    ResetSurfacesForTests();
    ResetEditingState();
}

// The mean time of one RefreshCanvas, in seconds, over `count` of them.
double SecondsPerRefresh(int count) {
    const auto start = Clock::now();
    for (int k = 0; k < count; ++k)
        RefreshCanvas();
    return std::chrono::duration<double>(Clock::now() - start).count() / count;
}

void BaselineRefreshCanvasOnTheShownWindow(benchmark::State& state) {
    WithEditorShown([&state](QWidget*) {
        for (auto _ : state)
            RefreshCanvas();
    });
}
BENCHMARK(BaselineRefreshCanvasOnTheShownWindow)->Unit(benchmark::kMillisecond);

void BlockOf50x50OnePressInABlockMode(benchmark::State& state) {
    WithEditorShown([&state](QWidget*) {
        Editing().BlockWidth = BLOCK;
        Editing().BlockHeight = BLOCK;
        const Handle canvas = GetControlHandle(Editing().MainWindow, CanvasControlId);
        std::int64_t presses = 0;
        double seconds = 0;
        for (auto _ : state) {
            // Alternately transparent and back to the real colours, so every
            // press changes every cell of the block.
            Editing().MouseMode = presses % 2 == 0 ? EditTransparentBlock : EditRealColourBlock;
            const auto start = Clock::now();
            CanvasProc(canvas, WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(105, 105));
            seconds += std::chrono::duration<double>(Clock::now() - start).count();
            CanvasProc(canvas, WM_LBUTTONUP, 0, MakeLParam(105, 105));
            ++presses;
        }
        const double refresh = SecondsPerRefresh(int(std::min<std::int64_t>(presses, 200)));
        state.counters["x_refresh"] = seconds / double(presses) / refresh;
    });
}
BENCHMARK(BlockOf50x50OnePressInABlockMode)->Unit(benchmark::kMillisecond);

void WheelEventsThroughTheWholePath(benchmark::State& state) {
    WithEditorShown([&state](QWidget* canvas) {
        std::int64_t events = 0;
        const auto start = Clock::now();
        for (auto _ : state) {
            // Down and up in turn: every message moves the paper.
            const int delta = events % 2 == 0 ? -120 : 120;
            QWheelEvent wheel(QPointF(300, 300), canvas->mapToGlobal(QPointF(300, 300)),
                              QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(canvas, &wheel);
            ++events;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        const double refresh = SecondsPerRefresh(int(std::min<std::int64_t>(events, 200)));
        state.SetItemsProcessed(events);
        state.counters["x_refresh"] = seconds / double(events) / refresh;
        state.counters["refreshes_per_s"] = 1.0 / refresh;
    });
}
BENCHMARK(WheelEventsThroughTheWholePath)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
