// Block copies between surfaces with the mix codes of the copy operations.

#include "ui/graphics/Coordinates.h"
#include "ui/graphics/SurfaceRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

using namespace graphics;

namespace {

enum class Mix { Copy, NotSourceOrTarget, NotSource, SourceAndNotTarget, Xor, And, NotOr, Or };

Mix MixOf(std::uint32_t code) {
    switch (code) {
    case 2:
        return Mix::NotOr;
    case 4:
        return Mix::NotSource;
    case 5:
        return Mix::SourceAndNotTarget;
    case 7:
        return Mix::Xor;
    case 9:
        return Mix::And;
    case 12:
        return Mix::NotSourceOrTarget;
    case 15:
        return Mix::Or;
    default:
        return Mix::Copy; // 0, 1, 3, 6, 8, 10, 11, 13, 14 and anything outside 0..15
    }
}

// One loop per mix, each simple enough for the compiler to vectorise. `read`
// brings a source pixel into the target's layout; `top` is the target's top
// byte, which every result gets.
template <typename Read, typename Combine>
void MixRows(Colour* target, std::size_t targetStride, const Colour* source,
             std::size_t sourceStride, int width, int rows, Colour top, Read read,
             Combine combine) {
    for (int r = 0; r < rows; ++r) {
        for (int x = 0; x < width; ++x) {
            target[x] = (combine(read(source[x]), target[x]) & COLOUR_BITS) | top;
        }
        target += targetStride;
        source += sourceStride;
    }
}

// The copy every refresh of the canvas makes, from a bitmap into a control's
// surface. Where the processor has them, wider vectors do it in fewer steps.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("avx2", "default")))
#endif
void CopySwappingRedAndBlue(Colour* target, const Colour* source, int width, Colour top) {
    for (int x = 0; x < width; ++x) {
        target[x] = SwapRedAndBlue(source[x]) | top;
    }
}

// Where the target's pixels are still a pending fill, the mix reads that
// colour instead of the target, and the target is written only once.
struct Destination {
    bool uniform;
    Colour colour; // in the target's layout
    Colour top;    // the target's top byte
    bool swap;     // the source keeps red and blue the other way round
};

void MixBlock(Mix mix, Destination over, Colour* target, std::size_t targetStride,
              const Colour* source, std::size_t sourceStride, int width, int rows) {
    const auto mixAs = [&](auto read, auto combine) {
        if (over.uniform) {
            const Colour d = over.colour;
            MixRows(target, targetStride, source, sourceStride, width, rows, over.top, read,
                    [combine, d](Colour s, Colour) { return combine(s, d); });
        } else {
            MixRows(target, targetStride, source, sourceStride, width, rows, over.top, read,
                    combine);
        }
    };
    const auto run = [&](auto combine) {
        if (over.swap) {
            mixAs([](Colour s) { return SwapRedAndBlue(s); }, combine);
        } else {
            mixAs([](Colour s) { return s; }, combine);
        }
    };
    switch (mix) {
    case Mix::Copy:
        if (over.swap) {
            for (int r = 0; r < rows; ++r) {
                CopySwappingRedAndBlue(target + r * targetStride, source + r * sourceStride, width,
                                       over.top);
            }
            break;
        }
        // The same layout on both sides: the source's rows as they are.
        for (int r = 0; r < rows; ++r) {
            std::memcpy(target + r * targetStride, source + r * sourceStride,
                        std::size_t(width) * sizeof(Colour));
        }
        break;
    case Mix::NotOr:
        run([](Colour s, Colour d) { return ~(s | d); });
        break;
    case Mix::NotSource:
        run([](Colour s, Colour) { return ~s; });
        break;
    case Mix::SourceAndNotTarget:
        run([](Colour s, Colour d) { return s & ~d; });
        break;
    case Mix::Xor:
        run([](Colour s, Colour d) { return s ^ d; });
        break;
    case Mix::And:
        run([](Colour s, Colour d) { return s & d; });
        break;
    case Mix::NotSourceOrTarget:
        run([](Colour s, Colour d) { return ~s | d; });
        break;
    case Mix::Or:
        run([](Colour s, Colour d) { return s | d; });
        break;
    }
}

// The pending fill of the target outside the block (left, top)-(right, bottom).
void FillAround(SurfaceRecord& target, Colour colour, int left, int top, int right, int bottom) {
    for (int y = 0; y < target.height; ++y) {
        Colour* row = target.row(y);
        if (y < top || y >= bottom) {
            std::fill(row, row + target.width, colour);
            continue;
        }
        std::fill(row, row + left, colour);
        std::fill(row + right, row + target.width, colour);
    }
}

// A computed source gives the block one row span at a time; a span that its
// rule says repeats is mixed into all those rows of the target at once.
void MixComputedBlock(Mix mix, SurfaceRecord& target, const SurfaceRecord& source, int x, int y,
                      int left, int top, int right, int bottom) {
    // The rule gives Colour values; a control's surface keeps them the other way round.
    const Destination over{target.fillPending, target.pendingFill, target.topBits(),
                           target.layout != PixelLayout::Colours};
    if (over.uniform) {
        target.fillPending = false;
        FillAround(target, over.colour, left, top, right, bottom);
    }
    const int width = right - left;
    thread_local std::vector<Colour> span;
    span.resize(std::size_t(width));
    for (int row = top; row < bottom;) {
        const int same = ComputedRow(source, row - y, left - x, width, span.data());
        const int rows = std::min(same, bottom - row);
        MixBlock(mix, over, target.row(row) + left, std::size_t(target.width), span.data(), 0,
                 width, rows);
        row += rows;
    }
}

// Mixes the source, its top-left corner placed at the target's (x, y), into
// the part of the target it covers.
void CopyBlock(SurfaceRecord& target, SurfaceRecord& source, int x, int y, Mix mix) {
    const int left = int(std::max<std::int64_t>(x, 0));
    const int top = int(std::max<std::int64_t>(y, 0));
    const int right = int(std::min<std::int64_t>(std::int64_t(x) + source.width, target.width));
    const int bottom = int(std::min<std::int64_t>(std::int64_t(y) + source.height, target.height));
    if (left >= right || top >= bottom) {
        SettlePixels(target);
        return;
    }
    if (source.computed()) {
        MixComputedBlock(mix, target, source, x, y, left, top, right, bottom);
        return;
    }
    SettlePixels(source);
    const Colour* from = source.row(top - y) + (left - x);
    std::vector<Colour> snapshot;
    if (&source == &target) {
        // A surface copied onto itself must be read as it was before the copy.
        snapshot.assign(source.pixels.get(),
                        source.pixels.get() + std::size_t(source.width) * source.height);
        from = snapshot.data() + std::size_t(top - y) * source.width + (left - x);
    }
    const Destination over{target.fillPending, target.pendingFill, target.topBits(),
                           source.layout != target.layout};
    if (over.uniform) {
        target.fillPending = false;
        FillAround(target, over.colour, left, top, right, bottom);
    }
    MixBlock(mix, over, target.row(top) + left, std::size_t(target.width), from,
             std::size_t(source.width), right - left, bottom - top);
}

void CopyOntoTarget(Handle sourceOwner, int sourceId, int x, int y, std::uint32_t mixCode) {
    SurfaceRecord* target = Target();
    if (target == nullptr) return;
    SurfaceRecord* source = FindSurface(sourceOwner, sourceId);
    if (source == nullptr) return;
    // A computed target's pixels follow its rule alone.
    if (!target->computed()) CopyBlock(*target, *source, x, y, MixOf(mixCode));
    MarkAllDrawn(*target);
}

} // namespace

void CopySurface(Handle sourceOwner, int sourceId, std::uint32_t mixCode) {
    CopyOntoTarget(sourceOwner, sourceId, 0, 0, mixCode);
}

void CopySurfaceAt(Handle sourceOwner, int sourceId, double x, double y, std::uint32_t mixCode) {
    CopyOntoTarget(sourceOwner, sourceId, PixelCoordinate(x), PixelCoordinate(y), mixCode);
}
