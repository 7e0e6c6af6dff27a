// The main window's drawing with a 500 x 500 image, each beside the plain
// work it should cost a small multiple of:
// - RefreshCanvas at five view offsets, up to the canvas's surface (the
//   repaint on screen left out), against one memcpy of the 1200 x 950 view
//   (BaselineMemcpyOfTheView; aim at most 3x);
// - CreateCanvas, which keeps the loaded colours (the paper works its squares
//   out from the image when read);
// - the whole initialisation, from the settings to the first view, against
//   allocating and filling one view (BaselineNewViewFilled, in
//   StartupBenchmark.cpp).
// The window services run on Qt's offscreen platform; no window is shown.

#include "../tests/support/EditorSession.h"

#include "canvas/Rendering.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int SIDE = 500;

const std::vector<Colour>& PictureColours() {
    static const std::vector<Colour> colours = RandomPicture(SIDE, SIDE, 5);
    return colours;
}

void BaselineMemcpyOfTheView(benchmark::State& state) {
    const std::size_t count = std::size_t(VIEW_WIDTH) * VIEW_HEIGHT;
    std::vector<Colour> from(count, 0x123456), to(count);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), count * sizeof(Colour));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BaselineMemcpyOfTheView)->Unit(benchmark::kMicrosecond);

void RefreshCanvasAtOffset(benchmark::State& state) {
    EditorSession session;
    session.Open(SIDE, SIDE, PictureColours());
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
    session.Open(SIDE, SIDE, PictureColours());
    for (auto _ : state) {
        CreateCanvas(SIDE, SIDE);
        benchmark::DoNotOptimize(Editing().RealColours.data());
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
        editing.ImageBitmap = NewBitmapSurfaceFrom(SIDE, SIDE, PictureColours().data());
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
