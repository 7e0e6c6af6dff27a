// The canvas's input on the editor's real main window (Qt's offscreen
// platform), each beside one RefreshCanvas measured in the same run:
// - one application of a 50 x 50 block: 2,500 cells and one refresh
//   (aim: at most 2x one refresh);
// - wheel messages through the whole path: a Qt wheel event, CanvasProc, the
//   refresh and the paint of the canvas widget, forced at once (aim: 1,000 a
//   second);
// - one key message, from WM_KEYDOWN to the pixels painted into the canvas
//   widget (the pending paint forced at once), beside a memcpy of the view
//   (counter "x_memcpy");
// - a burst of 200 arrow keys posted at once as Qt key events, until the
//   last state is painted, beside 200 refreshes (counter "x_refresh").
// The counter "x_refresh" is the cost of one item in refreshes; "paints"
// counts the canvas's paint events per item.

#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Texts.h"
#include "canvas/CanvasInput.h"
#include "canvas/EditingState.h"
#include "canvas/Rendering.h"
#include "ui/Application.h"
#include "ui/Messages.h"
#include "ui/dialogs/DialogMessages.h"
#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
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
        if (canvas != nullptr && window->windowHandle()->isExposed())
            body(canvas);
        else
            std::fprintf(stderr, "the main window was not shown\n");
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

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    std::int64_t paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Paints now whatever the window has been asked to paint, the moves the canvas
// shows at the end of a turn of the event loop included.
void PaintWhatIsPending(QWidget* canvas) {
    QCoreApplication::sendPostedEvents(canvas, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(canvas->window(), QEvent::UpdateRequest);
}

// The mean time of one memcpy of the canvas's client area, in seconds.
double SecondsPerMemcpyOfTheView(QSize size, int count) {
    const std::size_t bytes = std::size_t(size.width()) * std::size_t(size.height()) * 4;
    std::vector<char> from(bytes, 1), to(bytes);
    const auto start = Clock::now();
    for (int k = 0; k < count; ++k) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
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
            QWheelEvent wheel(QPointF(300, 300), canvas->mapToGlobal(QPointF(300, 300)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(canvas, &wheel);
            PaintWhatIsPending(canvas);
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

void KeyMessageToPixelsPaintedInTheCanvas(benchmark::State& state) {
    WithEditorShown([&state](QWidget* canvas) {
        const Handle control = GetControlHandle(Editing().MainWindow, CanvasControlId);
        PaintCounter counter(canvas);
        std::int64_t keys = 0;
        const auto start = Clock::now();
        for (auto _ : state) {
            // Right and left in turn: every key moves the paper.
            SendControlMessage(control, WM_KEYDOWN, keys % 2 == 0 ? VK_RIGHT : VK_LEFT, 1);
            PaintWhatIsPending(canvas);
            ++keys;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.counters["x_memcpy"] =
            seconds / double(keys) / SecondsPerMemcpyOfTheView(canvas->size(), 200);
        state.counters["paints"] = double(counter.paints) / double(keys);
    });
}
BENCHMARK(KeyMessageToPixelsPaintedInTheCanvas)->Unit(benchmark::kMillisecond)->UseRealTime();

void BurstOf200ArrowKeysUntilTheLastStateIsPainted(benchmark::State& state) {
    constexpr int KEYS = 200;
    WithEditorShown([&state](QWidget* canvas) {
        PaintCounter counter(canvas);
        std::int64_t bursts = 0;
        const auto start = Clock::now();
        for (auto _ : state) {
            for (int k = 0; k < KEYS; ++k) {
                // Right and left in turn: every key moves the paper.
                const int key = k % 2 == 0 ? Qt::Key_Right : Qt::Key_Left;
                QCoreApplication::postEvent(canvas, new QKeyEvent(QEvent::KeyPress, key, {}));
            }
            QCoreApplication::sendPostedEvents();
            PaintWhatIsPending(canvas);
            ++bursts;
        }
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.counters["x_refresh"] = seconds / double(bursts) / (KEYS * SecondsPerRefresh(KEYS));
        state.counters["paints"] = double(counter.paints) / double(bursts);
    });
}
BENCHMARK(BurstOf200ArrowKeysUntilTheLastStateIsPainted)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
