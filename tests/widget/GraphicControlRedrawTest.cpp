// A graphic control shows its surface pixel for pixel, at once or, while it
// is attached deferred, only when redrawn.

#include "ui/dialogs/Dialogs.h"
#include "ui/dialogs/Styles.h"
#include "ui/graphics/Surfaces.h"

#include "QtAccess.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QRgb OnScreen(QWidget* client, int x, int y) { return client->grab().toImage().pixel(x, y); }

QRgb Expected(Colour c) { return qRgb(RedOf(c), GreenOf(c), BlueOf(c)); }

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(GraphicControlRedraw, ShowsTheSurfaceAndHonoursDeferredRedraw) {
    const Handle dialog = NewDialog(UNITS_PIXELS, 0, "pintura", 0, 0, 300, 200, 0x94CE08D4, 0);
    AddControl(dialog, 100, KIND_GRAPHIC, "", 0, 0, 300, 200, 0x50800100, 0);
    QTimer::singleShot(0, [&] {
        QWidget* client = TopLevelTitled("pintura")->findChild<QWidget*>("clientArea")->childAt(5, 5);
        ASSERT_NE(client, nullptr);
        EXPECT_EQ(client->size(), QSize(298, 198)); // inside the one-pixel border

        AttachSurface(dialog, 100, false);
        ClearSurface(0x0000FF, 0);                                    // red
        DrawBox(10, 10, 21, 21, 0, 0x000000, 0xFF00FF, 0);            // magenta cell
        EXPECT_EQ(OnScreen(client, 0, 0), Expected(0x0000FF));
        EXPECT_EQ(OnScreen(client, 10, 10), Expected(0x000000));
        EXPECT_EQ(OnScreen(client, 15, 15), Expected(0xFF00FF));
        EXPECT_EQ(OnScreen(client, 21, 21), Expected(0x0000FF));

        // Deferred: drawing asks for no paint; RedrawSurface does. (A paint
        // the window system asks for always shows the whole buffer.)
        QApplication::processEvents(); // paints still owed to the drawing above
        PaintCounter counter;
        client->installEventFilter(&counter);
        AttachSurface(dialog, 100, true);
        ClearSurface(0x00FF00, 0);
        DrawBox(0, 0, 5, 5, 0, 0, 0, 0);
        QApplication::processEvents();
        EXPECT_EQ(counter.paints, 0) << "a deferred drawing was shown";
        RedrawSurface();
        EXPECT_EQ(counter.paints, 1);
        AttachSurface(dialog, 100, false);
        SetSurfacePixel(50, 50, 0xFFFFFF);
        EXPECT_EQ(counter.paints, 2) << "an immediate drawing was not shown at once";
        client->removeEventFilter(&counter);
        EXPECT_EQ(OnScreen(client, 20, 0), Expected(0x00FF00));
        int width = 0, height = 0;
        const Colour* pixels = SurfacePixels(GetControlHandle(dialog, 100), &width, &height);
        const QImage shown = client->grab().toImage();
        int mismatches = 0;
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; x += 7) {
                if (shown.pixel(x, y) != Expected(pixels[y * width + x])) ++mismatches;
            }
        }
        EXPECT_EQ(mismatches, 0);
        EndModal(dialog, 0);
    });
    RunModal(dialog, nullptr, nullptr);
}

} // namespace
