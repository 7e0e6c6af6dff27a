// Fitting a loaded image to an asked size by nearest neighbour.

#include "imagefile/ImageResize.h"

#include <gtest/gtest.h>

namespace {

// Every pixel a different colour: x in red, y in green.
DecodedImage Gradient(int width, int height) {
    DecodedImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.pixels.push_back(Rgb(std::uint8_t(x), std::uint8_t(y), 0));
    }
    return image;
}

Colour At(const DecodedImage& image, int x, int y) {
    return image.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)];
}

TEST(ImageResize, ZeroOrTheNaturalSizeGivesTheImageUnchanged) {
    const DecodedImage image = Gradient(47, 33);
    for (auto [w, h] : {std::pair{0, 0}, {0, 20}, {20, 0}, {47, 33}, {-5, 10}}) {
        const DecodedImage same = ResizeImage(image, w, h);
        EXPECT_EQ(same.width, 47) << w << " x " << h;
        EXPECT_EQ(same.height, 33) << w << " x " << h;
        EXPECT_EQ(same.pixels, image.pixels) << w << " x " << h;
    }
}

TEST(ImageResize, AWholeMultipleRepeatsEachPixelAsABlock) {
    const DecodedImage image = Gradient(3, 2);
    const DecodedImage big = ResizeImage(image, 9, 4);
    ASSERT_EQ(big.pixels.size(), 36u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(At(big, x, y), At(image, x / 3, y / 2)) << x << ", " << y;
        }
    }
}

TEST(ImageResize, ShrinkingTakesThePixelUnderEachNewCentre) {
    const DecodedImage image = Gradient(47, 33);
    const DecodedImage small = ResizeImage(image, 10, 7);
    ASSERT_EQ(small.pixels.size(), 70u);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x) {
            // Centre of new pixel x lies at (x + 0.5) * 47 / 10 source pixels.
            const int sx = int((x + 0.5) * 47 / 10);
            const int sy = int((y + 0.5) * 33 / 7);
            EXPECT_EQ(At(small, x, y), At(image, sx, sy)) << x << ", " << y;
        }
    }
}

TEST(ImageResize, StretchesOnePixelOverTheLargestSize) {
    const DecodedImage dot{1, 1, {Rgb(1, 2, 3)}};
    const DecodedImage big = ResizeImage(dot, 500, 500);
    ASSERT_EQ(big.pixels.size(), 250000u);
    EXPECT_EQ(big.pixels.front(), Rgb(1, 2, 3));
    EXPECT_EQ(big.pixels.back(), Rgb(1, 2, 3));
}

TEST(ImageResize, RefusesASideAbove500OrAMalformedImage) {
    EXPECT_TRUE(ResizeImage(Gradient(4, 4), 501, 4).pixels.empty());
    EXPECT_TRUE(ResizeImage(Gradient(4, 4), 4, 100000).pixels.empty());
    const DecodedImage shortOfPixels{4, 4, std::vector<Colour>(15)};
    const DecodedImage result = ResizeImage(shortOfPixels, 8, 8);
    EXPECT_EQ(result.width, 0);
    EXPECT_TRUE(result.pixels.empty());
}

} // namespace
