// The main window's drawing with a 500 x 500 image, each beside the plain
// work it should cost a small multiple of:
// - RefreshCanvas at several view offsets, up to the canvas's surface (the
//   repaint on screen left out), against one memcpy of the 1200 x 950 view
//   (BaselineMemcpyOfTheView; aim at most 3x);
// - CreateCanvas on a cleared paper against the same boxes written straight
//   into a buffer (BaselineCellBoxesStraightIntoABuffer; aim at most 2x);
// - the whole initialisation, from the settings to the first view, against
//   a new 5000 x 5000 buffer filled and given those boxes (aim at most 2x).
// The window services run on Qt's offscreen platform; no window is shown.

#include "../tests/support/EditorSession.h"
#include "CellBoxBaseline.h"

#include "canvas/Rendering.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int SIDE = 500;
constexpr Colour WHITE = 0xFFFFFF;

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

void CreateCanvasOfFiveHundredSquareOnAClearedPaper(benchmark::State& state) {
    EditorSession session;
    session.Open(SIDE, SIDE, baseline::PictureColours());
    for (auto _ : state) {
        state.PauseTiming();
        AttachSurface(Editing().ZoomBitmap, 0, false);
        ClearSurface(WHITE, 0);
        SurfaceColours(Editing().ZoomBitmap, nullptr, nullptr); // the clear reaches the pixels
        state.ResumeTiming();
        CreateCanvas(SIDE, SIDE);
        benchmark::DoNotOptimize(SurfaceColours(Editing().ZoomBitmap, nullptr, nullptr));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CreateCanvasOfFiveHundredSquareOnAClearedPaper)->Unit(benchmark::kMillisecond);

void BaselineNewPaperFilledThenCellBoxes(benchmark::State& state) {
    const std::size_t count = std::size_t(baseline::PAPER) * baseline::PAPER;
    for (auto _ : state) {
        std::vector<Colour> paper(count, WHITE);
        baseline::DrawCellBoxes(paper.data(), baseline::PictureColours());
        benchmark::DoNotOptimize(paper.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BaselineNewPaperFilledThenCellBoxes)->Unit(benchmark::kMillisecond);

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
        session.reset(); // gives the paper's memory back, as a new process would start without it
        state.ResumeTiming();
    }
}
BENCHMARK(MainWindowInitialisationForFiveHundredSquare)->Unit(benchmark::kMillisecond);

} // namespace
