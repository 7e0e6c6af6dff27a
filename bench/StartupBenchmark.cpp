// Start-up from the moment a 500 x 500 file is chosen to its first view
// composed in the canvas: the size probe, loading the file, the main window
// with its menu and the window's initialisation (settings, paper, canvas,
// loaded colours, first view). Beside it, allocating and filling one view of
// 1200 x 950, the least a first picture costs. The window services run on
// Qt's offscreen platform; no window is shown.

#include "../tests/support/BitmapBytes.h"
#include "../tests/support/EditorSession.h"

#include "imagefile/LoadBitmapFile.h"
#include "imagefile/SizeProbe.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int SIDE = 500;

// A 24-bit file of SIDE x SIDE, its rows already a multiple of 4 bytes long.
const std::string& ChosenFile() {
    static const std::string path = [] {
        Bytes pixels(std::size_t(SIDE) * SIDE * 3);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = static_cast<unsigned char>(i * 7 % 251);
        const Bytes bytes = BitmapFile(SIDE, SIDE, 24, 0, {}, pixels);
        const auto file = std::filesystem::temp_directory_path() / "velmora-bench-startup.bmp";
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return file.string();
    }();
    return path;
}

void StartupFromFileChosenToFirstView(benchmark::State& state) {
    ChosenFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<EditorSession>();
        state.ResumeTiming();

        EditingState& editing = Editing();
        const ProbeResult probe = ProbeImageFile(ChosenFile());
        editing.ImageWidth = probe.width;
        editing.ImageHeight = probe.height;
        editing.ImageBitmap = LoadBitmapFile(ChosenFile(), probe.width, probe.height);
        OpenMainWindow();
        MainWindowHandler(editing.MainWindow, WM_INITDIALOG, editing.MainWindow, 0);
        benchmark::DoNotOptimize(SurfaceScreenPixels(session->Canvas(), nullptr, nullptr));
        benchmark::ClobberMemory();

        state.PauseTiming();
        if (editing.ImageBitmap == 0) state.SkipWithError("the file did not load");
        session.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupFromFileChosenToFirstView)->Unit(benchmark::kMillisecond);

void BaselineNewViewFilled(benchmark::State& state) {
    for (auto _ : state) {
        const std::vector<Colour> view(std::size_t(VIEW_WIDTH) * VIEW_HEIGHT, 0xFFFFFF);
        benchmark::DoNotOptimize(view.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BaselineNewViewFilled)->Unit(benchmark::kMillisecond);

} // namespace
