// The main window's drawing with a 500 x 500 image, each beside the plain
// work it should cost a small multiple of:
// - RefreshCanvas at five view offsets, up to the canvas's surface (the
//   repaint on screen left out), against one memcpy of the 1200 x 950 view
//   (BaselineMemcpyOfTheView, in SurfacesBenchmark.cpp; aim at most 3x);
// - CreateCanvas, which builds the cell table (the paper works its squares
//   out from the image when read);
// - the whole initialisation, from the settings to the first view, against
//   allocating and filling one view (BaselineNewViewFilled, in
//   StartupBenchmark.cpp).
// The window services run on Qt's offscreen platform; no window is shown.

#include "../tests/support/EditorSession.h"
#include "CellBoxBaseline.h"

#include "canvas/Rendering.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int SIDE = 500;

void RefreshCanvasAtOffset(benchmark::State& state) {
    EditorSession session;
    session.Open(SIDE, SIDE, baseline::PictureColours());
    Editing().DragItems[PAPER_ITEM].X = int(state.range(0));
    Editing().DragItems[PAPER_ITEM].Y = int(state.range(1));
    for (auto _ : state) {
        RefreshCanvas();
        benchmark::DoNotOptimize(SurfaceScreenPixels(session.Canvas(), nullptr, nullptr));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(RefreshCanvasAtOffset)
    ->ArgNames({"x", "y"})
    ->Args({0, 0})
    ->Args({-1234, -567})
    ->Args({-3802, -4052})
    ->Args({37, 23})
    ->Args({-5000, 0})
    ->Unit(benchmark::kMicrosecond);

void CreateCanvasOfFiveHundredSquare(benchmark::State& state) {
    EditorSession session;
    session.Open(SIDE, SIDE, baseline::PictureColours());
    for (auto _ : state) {
        CreateCanvas(SIDE, SIDE);
        benchmark::DoNotOptimize(Editing().Cells.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CreateCanvasOfFiveHundredSquare)->Unit(benchmark::kMillisecond);

void MainWindowInitialisationForFiveHundredSquare(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<EditorSession>();
        // Everything start-up does before the window's first message.
        EditingState& editing = Editing();
        editing.ImageWidth = SIDE;
        editing.ImageHeight = SIDE;
        editing.ImageBitmap = NewBitmapSurfaceFrom(SIDE, SIDE, baseline::PictureColours().data());
        OpenMainWindow();
        state.ResumeTiming();

        MainWindowHandler(editing.MainWindow, WM_INITDIALOG, editing.MainWindow, 0);
        benchmark::DoNotOptimize(SurfaceScreenPixels(session->Canvas(), nullptr, nullptr));
        benchmark::ClobberMemory();

        state.PauseTiming();
        session.reset(); // gives the surfaces' memory back, as a new process would start without it
        state.ResumeTiming();
    }
}
BENCHMARK(MainWindowInitialisationForFiveHundredSquare)->Unit(benchmark::kMillisecond);

} // namespace
