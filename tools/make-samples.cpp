// Writes the sample bitmaps into the folder given on the command line:
//   sprite-32x32.bmp      a small sprite on the magenta key colour
//   picture-500x500.bmp   the largest picture the editor admits
//   too-wide-501x20.bmp   one pixel too wide, to show the refusal
// All are plain 24-bit bottom-up files.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

bool WriteBmp(const std::string& path, int width, int height,
              const std::function<Rgb(int, int)>& pixel) {
    const std::uint32_t stride = (std::uint32_t(width) * 3 + 3) & ~3u;
    const std::uint32_t dataSize = stride * std::uint32_t(height);
    std::vector<std::uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);
    Put16(out, 24);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        for (std::uint32_t pad = std::uint32_t(width) * 3; pad < stride; ++pad) out.push_back(0);
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

Rgb Sprite(int x, int y) {
    const Rgb magenta{255, 0, 255};
    const double dx = x - 15.5, dy = y - 15.5;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > 13.5) return magenta;
    if (r > 12.0) return {40, 40, 40};                         // outline
    if (y >= 9 && y <= 12 && (x == 10 || x == 11 || x == 20 || x == 21)) return {20, 20, 20}; // eyes
    if (y >= 19 && y <= 21 && x >= 9 && x <= 22 && std::abs(dy - 4.0) < 2.0 + std::abs(dx) / 8)
        return {160, 30, 30}; // mouth
    return {250, 210, 40};
}

Rgb Picture(int x, int y) {
    // Smooth gradients with a grid of darker lines every 50 pixels, so that
    // panning and cell colours are easy to follow.
    if (x % 50 == 0 || y % 50 == 0) return {30, 30, 60};
    return {std::uint8_t(x * 255 / 499), std::uint8_t(y * 255 / 499),
            std::uint8_t(255 - (x + y) * 255 / 998)};
}

Rgb Stripes(int x, int) { return (x / 10) % 2 ? Rgb{0, 120, 200} : Rgb{240, 240, 240}; }

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    const bool ok = WriteBmp(folder + "/sprite-32x32.bmp", 32, 32, Sprite) &&
                    WriteBmp(folder + "/picture-500x500.bmp", 500, 500, Picture) &&
                    WriteBmp(folder + "/too-wide-501x20.bmp", 501, 20, Stripes);
    if (!ok) std::fprintf(stderr, "make-samples: could not write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
