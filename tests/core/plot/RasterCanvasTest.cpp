#include <gtest/gtest.h>

#include <array>

#include "PlotTestSupport.h"
#include "plot/RasterCanvas.h"

namespace ruvo {
namespace {

using test::count_pixels;
using test::rgb_at;

QImage white(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(RasterCanvas, LineToLeavesItsEndPixelUnpainted) {
    QImage image = white(20, 20);
    {
        RasterCanvas canvas(image);
        canvas.set_pen_colour(qRgb(0, 0, 0));
        canvas.move_to({2, 5});
        canvas.line_to({10, 5});
        canvas.move_to({4, 8});
        canvas.line_to({4, 15});
    }
    for (int x = 2; x < 10; ++x) EXPECT_EQ(rgb_at(image, x, 5), 0u) << x;
    EXPECT_EQ(rgb_at(image, 10, 5), 0xFFFFFFu);
    EXPECT_EQ(rgb_at(image, 1, 5), 0xFFFFFFu);
    EXPECT_EQ(rgb_at(image, 4, 14), 0u);
    EXPECT_EQ(rgb_at(image, 4, 15), 0xFFFFFFu);
    EXPECT_EQ(count_pixels(image, qRgb(0, 0, 0)), 8 + 7);
}

TEST(RasterCanvas, NotXorAndXorMarksDrawnTwiceRestoreTheImageExactly) {
    for (const PenMode mode : {PenMode::NotXor, PenMode::Xor}) {
        QImage image = white(60, 60);
        {
            RasterCanvas canvas(image);
            canvas.set_pen_colour(qRgb(30, 140, 200));
            canvas.set_pen_width(3);
            canvas.move_to({0, 0});
            canvas.line_to({59, 40});
        }
        const QImage before = image.copy();
        {
            RasterCanvas canvas(image);
            canvas.set_pen_mode(mode);
            canvas.set_pen_colour(qRgb(192, 192, 192));
            for (int pass = 0; pass < 2; ++pass) {
                // A polyline with shared corners, as the markers draw.
                canvas.move_to({5, 50});
                canvas.line_to({30, 5});
                canvas.line_to({55, 50});
                canvas.line_to({5, 50});
                canvas.ellipse(20, 20, 27, 27);
                if (pass == 0) {
                    const QImage marked = canvas.image().copy();
                    EXPECT_NE(marked, before);
                }
            }
        }
        EXPECT_EQ(image, before);
    }
}

TEST(RasterCanvas, MaskModeAndsThePenWithThePixel) {
    QImage image = white(10, 10);
    image.setPixel(3, 2, qRgb(255, 0, 64));
    {
        RasterCanvas canvas(image);
        canvas.set_pen_mode(PenMode::Mask);
        canvas.set_pen_colour(qRgb(192, 192, 192));
        canvas.move_to({0, 2});
        canvas.line_to({9, 2});
    }
    EXPECT_EQ(rgb_at(image, 0, 2), 0xC0C0C0u);
    EXPECT_EQ(rgb_at(image, 3, 2), static_cast<QRgb>(qRgb(192, 0, 64) & 0xFFFFFF));
}

TEST(RasterCanvas, ZeroLengthLineIsARoundDotOnlyForWidePens) {
    QImage image = white(30, 30);
    {
        RasterCanvas canvas(image);
        canvas.move_to({5, 5});
        canvas.line_to({5, 5});  // one-pixel pen: nothing
        canvas.set_pen_width(5);
        canvas.move_to({15, 15});
        canvas.line_to({15, 15});
    }
    EXPECT_EQ(rgb_at(image, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(rgb_at(image, 15, 15), 0u);
    EXPECT_EQ(rgb_at(image, 13, 15), 0u);
    EXPECT_EQ(rgb_at(image, 15, 17), 0u);
    // Round, not square: the corners of the 5 x 5 box stay white.
    EXPECT_EQ(rgb_at(image, 13, 13), 0xFFFFFFu);
    EXPECT_EQ(rgb_at(image, 17, 17), 0xFFFFFFu);
    const int painted = count_pixels(image, qRgb(0, 0, 0));
    EXPECT_GE(painted, 9);
    EXPECT_LT(painted, 25);
}

TEST(RasterCanvas, RectangleCoversUpToButNotIncludingItsFarEdges) {
    QImage image = white(20, 20);
    {
        RasterCanvas canvas(image);
        canvas.set_pen_colour(qRgb(255, 0, 0));
        canvas.set_brush(qRgb(255, 0, 0));
        canvas.rectangle(2, 3, 7, 5);
    }
    EXPECT_EQ(count_pixels(image, qRgb(255, 0, 0)), 5 * 2);
    EXPECT_EQ(rgb_at(image, 2, 3), 0xFF0000u);
    EXPECT_EQ(rgb_at(image, 6, 4), 0xFF0000u);
    EXPECT_EQ(rgb_at(image, 7, 4), 0xFFFFFFu);
}

TEST(RasterCanvas, NewRasterStartsWhite) {
    QImage image = white(10, 10);
    RasterCanvas canvas(image);
    canvas.move_to({0, 0});
    canvas.line_to({9, 9});
    canvas.new_raster(10, 12);
    canvas.move_to({0, 11});
    canvas.line_to({5, 11});
    EXPECT_EQ(canvas.image().height(), 12);
    EXPECT_EQ(count_pixels(canvas.image(), qRgb(0, 0, 0)), 5);
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

TEST(RasterCanvas, SolidQuadCoversItsInsideAndItsOutline) {
    QImage image = white(20, 20);
    const QPoint box[4] = {{2, 2}, {8, 2}, {8, 6}, {2, 6}};
    const QPoint slanted[4] = {{12, 10}, {18, 12}, {16, 18}, {11, 16}};
    {
        RasterCanvas canvas(image);
        canvas.solid_quad(box, qRgb(0, 128, 255));
        canvas.solid_quad(slanted, qRgb(255, 0, 0));
    }
    EXPECT_EQ(count_pixels(image, qRgb(0, 128, 255)), 7 * 5);
    for (const QPoint& corner : slanted) EXPECT_EQ(rgb_at(image, corner.x(), corner.y()), 0xFF0000u);
    EXPECT_EQ(rgb_at(image, 14, 14), 0xFF0000u);
    EXPECT_EQ(rgb_at(image, 11, 10), 0xFFFFFFu);
}

// The cells of a rectilinear grid, however their corners run and however
// thin: each covers its box, both end rows and columns included.
TEST(RasterCanvas, UprightSolidQuadCoversExactlyItsBox) {
    const QRect boxes[] = {{3, 4, 6, 5}, {3, 4, 2, 2}, {3, 4, 1, 6}, {3, 4, 6, 1}, {-3, 7, 8, 9}};
    for (const QRect& box : boxes) {
        const QPoint tl = box.topLeft(), tr = box.topRight(), br = box.bottomRight(), bl = box.bottomLeft();
        const std::array<std::array<QPoint, 4>, 4> orders = {
            {{bl, br, tr, tl}, {tl, tr, br, bl}, {bl, tl, tr, br}, {br, tr, tl, bl}}};
        for (const auto& corners : orders) {
            QImage image = white(12, 12);
            RasterCanvas(image).solid_quad(corners.data(), qRgb(0, 0, 0));
            const QRect inside = box & image.rect();
            EXPECT_EQ(count_pixels(image, qRgb(0, 0, 0)), inside.width() * inside.height()) << corners[0].x();
            EXPECT_EQ(rgb_at(image, inside.left(), inside.top()), 0u);
            EXPECT_EQ(rgb_at(image, inside.right(), inside.bottom()), 0u);
        }
    }
}

// A cell whose corners all fall on one pixel (many cells to a pixel) paints
// nothing: each side of its outline leaves out its end pixel.
TEST(RasterCanvas, SolidQuadOnASinglePixelPaintsNothing) {
    QImage image = white(12, 12);
    const QPoint point[4] = {{5, 5}, {5, 5}, {5, 5}, {5, 5}};
    RasterCanvas(image).solid_quad(point, qRgb(0, 0, 0));
    EXPECT_EQ(count_pixels(image, qRgb(0, 0, 0)), 0);
}

TEST(RasterCanvas, SolidQuadHonoursThePenModeAndClipsToTheImage) {
    QImage image = white(10, 10);
    const QPoint beyond[4] = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}};
    RasterCanvas canvas(image);
    canvas.set_pen_mode(PenMode::Xor);
    canvas.solid_quad(beyond, qRgb(255, 255, 255));
    EXPECT_EQ(count_pixels(canvas.image(), qRgb(0, 0, 0)), 100);
    canvas.solid_quad(beyond, qRgb(255, 255, 255));
    EXPECT_EQ(count_pixels(canvas.image(), qRgb(255, 255, 255)), 100);
}

}  // namespace
}  // namespace ruvo
