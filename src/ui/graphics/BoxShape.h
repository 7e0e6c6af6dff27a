#pragma once
// The pixels a box covers, row by row. A square box covers columns x1..x2-1 in
// every row; rounded corners pull the first and last rows of the box in from
// both sides, following an ellipse of the corner diameter.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace graphics {

struct Span {
    int left;  // first pixel
    int right; // one past the last pixel
};

class BoxShape {
  public:
    // (x1, y1) top-left, (x2, y2) exclusive bottom-right, both sides at least 1.
    BoxShape(int x1, int y1, int x2, int y2, int cornerPercent)
        : m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2) {
        const std::int64_t width = std::int64_t(x2) - x1;
        const std::int64_t height = std::int64_t(y2) - y1;
        const int percent = std::clamp(cornerPercent, 0, 100);
        const std::int64_t diameter = std::min(width, height) * percent / 100;
        m_radius = double(diameter) / 2;
        m_cornerRows = std::int64_t(std::ceil(m_radius));
        m_maxInset = (width - 1) / 2; // every row keeps at least one pixel
    }

    bool square() const { return m_cornerRows == 0; }

    // The covered pixels of row y, for y1 <= y < y2.
    Span span(int y) const {
        if (m_cornerRows == 0) return Span{m_x1, m_x2};
        const std::int64_t fromEdge = std::min(std::int64_t(y) - m_y1, std::int64_t(m_y2) - 1 - y);
        if (fromEdge >= m_cornerRows) return Span{m_x1, m_x2};
        const double rise = m_radius - (double(fromEdge) + 0.5);
        const double halfWidth = std::sqrt(std::max(0.0, m_radius * m_radius - rise * rise));
        const std::int64_t inset =
            std::min(std::int64_t(std::lround(m_radius - halfWidth)), m_maxInset);
        return Span{int(m_x1 + inset), int(m_x2 - inset)};
    }

  private:
    int m_x1, m_y1, m_x2, m_y2;
    double m_radius = 0;
    std::int64_t m_cornerRows = 0;
    std::int64_t m_maxInset = 0;
};

} // namespace graphics
