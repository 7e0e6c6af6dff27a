// The drawing the editor does all the time, each against a plain loop that
// does the same work straight on a buffer:
// - the cell boxes of a 500 x 500 picture magnified ten times (at most 2x);
// - refreshing the view: a clear, an AND copy of the paper and a plain copy
//   onto the canvas (at most 3x one memcpy of the view).

#include "CellBoxBaseline.h"

#include "ui/Handles.h"
#include "ui/graphics/Surfaces.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

namespace {

using baseline::BOX;
using baseline::CELLS;
using baseline::GRID;
using baseline::PAPER;
using baseline::PictureColours;
using baseline::PITCH;
constexpr int VIEW_WIDTH = 1200;
constexpr int VIEW_HEIGHT = 950;

void BaselineCellBoxesStraightIntoABuffer(benchmark::State& state) {
    std::vector<Colour> paper(std::size_t(PAPER) * PAPER);
    const std::vector<Colour>& colours = PictureColours();
    for (auto _ : state) {
        baseline::DrawCellBoxes(paper.data(), colours);
        benchmark::DoNotOptimize(paper.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BaselineCellBoxesStraightIntoABuffer)->Unit(benchmark::kMillisecond);

void CellBoxesWithAttachAndDrawBox(benchmark::State& state) {
    ResetSurfacesForTests();
    const Handle paper = NewBitmapSurface(PAPER, PAPER);
    const std::vector<Colour>& colours = PictureColours();
    for (auto _ : state) {
        for (int j = 0; j < CELLS; ++j) {
            for (int i = 0; i < CELLS; ++i) {
                AttachSurface(paper, 0, false);
                DrawBox(i * PITCH, j * PITCH, i * PITCH + BOX, j * PITCH + BOX, 0, GRID,
                        colours[std::size_t(j) * CELLS + i], 0);
            }
        }
        benchmark::DoNotOptimize(SurfaceColours(paper, nullptr, nullptr));
        benchmark::ClobberMemory();
    }
    ResetSurfacesForTests();
}
BENCHMARK(CellBoxesWithAttachAndDrawBox)->Unit(benchmark::kMillisecond);

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

void ViewRefreshClearAndCopyAndCopy(benchmark::State& state) {
    ResetSurfacesForTests();
    const Handle paper = NewBitmapSurface(PAPER, PAPER);
    AttachSurface(paper, 0, false);
    ClearSurface(0x00FF00FF, 0);
    const Handle view = NewBitmapSurface(VIEW_WIDTH, VIEW_HEIGHT);
    const Handle canvas = NewHandle();
    RegisterControlSurface(canvas, VIEW_WIDTH - 2, VIEW_HEIGHT - 2);
    for (auto _ : state) {
        AttachSurface(view, 0, false);
        ClearSurface(0xC0C0C0, 0);
        CopySurfaceAt(paper, 0, -1000, -800, 9);
        AttachSurface(canvas, 0, false);
        CopySurface(view, 0, 0xCC0020);
        benchmark::DoNotOptimize(SurfaceScreenPixels(canvas, nullptr, nullptr));
        benchmark::ClobberMemory();
    }
    ResetSurfacesForTests();
}
BENCHMARK(ViewRefreshClearAndCopyAndCopy)->Unit(benchmark::kMicrosecond);

} // namespace
