// A graphic control shows its surface exactly, pixel for pixel, whatever
// area is repainted: the whole client area, odd rectangles, single pixels.

#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "QtAccess.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int WIDTH = 301; // odd sizes, inside a one-pixel border
constexpr int HEIGHT = 203;

Colour ColourOf(QRgb rgb) {
    return Rgb(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

class GraphicPaint : public testing::Test {
  protected:
    void SetUp() override {
        ResetSurfacesForTests();
        dialog = NewDialog(UNITS_PIXELS, 0, "pintura", 0, 0, WIDTH + 20, HEIGHT + 20, 0, 0);
        AddControl(dialog, 7, KIND_GRAPHIC, "", 0, 0, WIDTH + 2, HEIGHT + 2, 0x50800100, 0);
        control = GetControlHandle(dialog, 7);
        // Every pixel a colour of its own, through the drawing operations.
        AttachSurface(dialog, 7, true);
        std::mt19937 random(11);
        for (int y = 0; y < HEIGHT; ++y)
            for (int x = 0; x < WIDTH; ++x)
                SetSurfacePixel(x, y, random() & 0xFFFFFF);
        RedrawSurface();
    }
    void TearDown() override { ResetSurfacesForTests(); }

    Colour SurfaceAt(int x, int y) const {
        int width = 0, height = 0;
        const Colour* pixels = SurfacePixels(control, &width, &height);
        return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    }

    void WhileShown(std::function<void(QWidget* client)> checks) {
        QTimer::singleShot(0, [this, checks] {
            QWidget* window = TopLevelTitled("pintura");
            QWidget* area = window ? window->findChild<QWidget*>("clientArea") : nullptr;
            QWidget* client = area ? area->childAt(5, 5) : nullptr;
            if (client && QTest::qWaitForWindowExposed(window))
                checks(client);
            else
                ADD_FAILURE() << "the control is not shown";
            EndModal(dialog, 0);
        });
        RunModal(dialog, nullptr, nullptr);
    }

    Handle dialog = 0, control = 0;
};

TEST_F(GraphicPaint, TheWholeClientAreaShowsTheSurfaceExactly) {
    WhileShown([this](QWidget* client) {
        ASSERT_EQ(client->size(), QSize(WIDTH, HEIGHT));
        const QImage shown = client->grab().toImage();
        int mismatches = 0;
        for (int y = 0; y < HEIGHT; ++y) {
            for (int x = 0; x < WIDTH; ++x) {
                if (ColourOf(shown.pixel(x, y)) != SurfaceAt(x, y) && ++mismatches <= 3) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    });
}

TEST_F(GraphicPaint, PartialRepaintsShowTheirAreaExactly) {
    WhileShown([this](QWidget* client) {
        for (QRect area :
             {QRect(0, 0, 1, 1), QRect(35, 25, 1, 1), QRect(WIDTH - 1, HEIGHT - 1, 1, 1),
              QRect(7, 3, 2, 1), QRect(100, 50, 33, 17), QRect(0, 190, WIDTH, 13)}) {
            const QImage shown = client->grab(area).toImage();
            for (int y = 0; y < area.height(); ++y) {
                for (int x = 0; x < area.width(); ++x) {
                    ASSERT_EQ(ColourOf(shown.pixel(x, y)), SurfaceAt(area.x() + x, area.y() + y))
                        << "pixel (" << area.x() + x << ", " << area.y() + y << ") of a repaint of "
                        << area.width() << " x " << area.height();
                }
            }
        }
    });
}

TEST_F(GraphicPaint, DrawingOnAShownControlRepaintsItAtOnce) {
    WhileShown([this](QWidget* client) {
        AttachSurface(dialog, 7, false);
        SetSurfacePixel(40, 30, 0x123456);
        DrawBox(100, 100, 111, 111, 0, 0x000000, 0xFF00FF, 0);
        const QImage shown = client->grab().toImage();
        EXPECT_EQ(ColourOf(shown.pixel(40, 30)), 0x123456u);
        EXPECT_EQ(ColourOf(shown.pixel(105, 105)), 0xFF00FFu);
        EXPECT_EQ(ColourOf(shown.pixel(100, 105)), 0x000000u);
    });
}

} // namespace
