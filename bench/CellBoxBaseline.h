#pragma once
// The plain reference loop that the drawing benchmarks compare against: the
// cell boxes of a 500 x 500 picture magnified ten times, written straight
// into a 5000 x 5000 buffer, and the random picture they show.

#include "ui/Types.h"

#include <algorithm>
#include <random>
#include <vector>

namespace baseline {

constexpr int CELLS = 500;     // the picture's side
constexpr int PITCH = 10;      // one cell per picture pixel
constexpr int BOX = PITCH + 1; // neighbouring boxes share their outline
constexpr int PAPER = 5000;    // the magnified picture's side
constexpr Colour GRID = 0x000000;

inline const std::vector<Colour>& PictureColours() {
    static const std::vector<Colour> colours = [] {
        std::mt19937 random(5);
        std::vector<Colour> c(CELLS * CELLS);
        for (Colour& colour : c)
            colour = random() & 0xFFFFFF;
        return c;
    }();
    return colours;
}

// Draws every box of the picture on a PAPER x PAPER buffer.
inline void DrawCellBoxes(Colour* paper, const std::vector<Colour>& colours) {
    for (int j = 0; j < CELLS; ++j) {
        for (int i = 0; i < CELLS; ++i) {
            const int x0 = i * PITCH, y0 = j * PITCH;
            // The last row and column of boxes reach one pixel past the paper.
            const int rows = std::min(BOX, PAPER - y0), columns = std::min(BOX, PAPER - x0);
            const Colour fill = colours[std::size_t(j) * CELLS + i];
            for (int r = 0; r < rows; ++r) {
                Colour* row = paper + std::size_t(y0 + r) * PAPER + x0;
                if (r == 0 || r == BOX - 1) {
                    std::fill_n(row, columns, GRID);
                    continue;
                }
                row[0] = GRID;
                std::fill(row + 1, row + std::min(BOX - 1, columns), fill);
                if (columns == BOX) row[BOX - 1] = GRID;
            }
        }
    }
}

} // namespace baseline
