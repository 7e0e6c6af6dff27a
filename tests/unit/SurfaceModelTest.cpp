// Random sequences of operations on off-screen bitmaps against a model that
// does each operation one pixel at a time. This covers the shortcuts taken
// across operations (a clear that waits for the copy over it) as well as the
// fast paths of each one.

#include "GraphicsTesting.h"

#include "ui/Handles.h"

#include <sstream>

namespace {

using SurfaceModel = GraphicsTest;

struct Model {
    Handle handle;
    int width, height;
    std::vector<Colour> pixels;
};

Model NewModel(int width, int height) {
    const Handle handle = NewBitmapSurface(width, height);
    return Model{handle, width, height, PixelsOf(handle)};
}

void ModelClear(Model& m, Colour colour) {
    if (colour == NO_FILL) return;
    std::fill(m.pixels.begin(), m.pixels.end(), colour == DEFAULT_COLOUR ? 0xF0F0F0 : colour);
}

void ModelBox(Model& m, int x1, int y1, int x2, int y2, Colour outline, Colour fill) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            Colour& p = m.pixels[std::size_t(y * m.width + x)];
            p = ReferenceBoxPixel(x, y, left, top, right, bottom, outline, fill, fill != NO_FILL,
                                  p);
        }
    }
}

void ModelCopy(Model& target, const Model& source, int x, int y, std::uint32_t code) {
    const std::vector<Colour> from =
        source.pixels; // the source as it was, even when it is the target
    for (int ty = 0; ty < target.height; ++ty) {
        for (int tx = 0; tx < target.width; ++tx) {
            const int sx = tx - x, sy = ty - y;
            if (sx < 0 || sy < 0 || sx >= source.width || sy >= source.height) continue;
            Colour& p = target.pixels[std::size_t(ty * target.width + tx)];
            p = ReferenceMix(code, from[std::size_t(sy * source.width + sx)], p);
        }
    }
}

TEST_F(SurfaceModel, RandomOperationSequencesMatchThePixelByPixelModel) {
    std::mt19937 random(424242);
    const std::uint32_t codes[] = {0, 2, 4, 5, 7, 9, 12, 15, 0xCC0020};
    const Colour clears[] = {0xC0C0C0, 0xFFFFFF, 0x123456, DEFAULT_COLOUR, NO_FILL};
    std::uniform_int_distribution<int> coordinate(-12, 40);
    for (int sequence = 0; sequence < 60; ++sequence) {
        ResetSurfacesForTests();
        std::vector<Model> models = {NewModel(1 + int(random() % 30), 1 + int(random() % 30)),
                                     NewModel(1 + int(random() % 30), 1 + int(random() % 30))};
        std::ostringstream log;
        for (int step = 0; step < 40; ++step) {
            Model& target = models[random() % 2];
            AttachSurface(target.handle, 0, false);
            const int x = coordinate(random), y = coordinate(random);
            switch (random() % 5) {
            case 0: {
                const Colour colour = clears[random() % std::size(clears)];
                ClearSurface(colour, 0);
                ModelClear(target, colour);
                log << "clear " << colour << "; ";
                break;
            }
            case 1: {
                const Colour colour = random() & 0xFFFFFF;
                SetSurfacePixel(x, y, colour);
                if (x >= 0 && y >= 0 && x < target.width && y < target.height) {
                    target.pixels[std::size_t(y * target.width + x)] = colour;
                }
                log << "pixel (" << x << ", " << y << "); ";
                break;
            }
            case 2: {
                const int x2 = coordinate(random), y2 = coordinate(random);
                const Colour outline = random() & 0xFFFFFF, fill = random() & 0xFFFFFF;
                DrawBox(x, y, x2, y2, 0, outline, fill, 0);
                ModelBox(target, x, y, x2, y2, outline, fill);
                log << "box (" << x << ", " << y << ")-(" << x2 << ", " << y2 << "); ";
                break;
            }
            default: {
                const Model& source = models[random() % 2];
                const std::uint32_t code = codes[random() % std::size(codes)];
                CopySurfaceAt(source.handle, 0, x, y, code);
                ModelCopy(target, source, x, y, code);
                log << "copy " << (&source == &target ? "itself" : "other") << " at (" << x << ", "
                    << y << ") mix " << code << "; ";
                break;
            }
            }
            if (step % 3 == 0) {
                const int px = int(random() % unsigned(target.width));
                const int py = int(random() % unsigned(target.height));
                ASSERT_EQ(GetSurfacePixel(px, py),
                          target.pixels[std::size_t(py * target.width + px)])
                    << "sequence " << sequence << ": " << log.str();
            }
        }
        for (const Model& m : models) {
            ASSERT_EQ(PixelsOf(m.handle), m.pixels) << "sequence " << sequence << ": " << log.str();
        }
    }
}

TEST_F(SurfaceModel, AControlsBufferShowsAClearAtOnce) {
    const Handle control = NewHandle();
    ASSERT_TRUE(RegisterControlSurface(control, 8, 6));
    const Colour* buffer = SurfacePixels(control, nullptr, nullptr);
    AttachSurface(control, 0, false);
    ClearSurface(0x00C0C0C0, 0);
    for (int i = 0; i < 8 * 6; ++i)
        ASSERT_EQ(buffer[i], 0x00C0C0C0u) << "pixel " << i;
}

} // namespace
