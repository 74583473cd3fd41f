#include <gtest/gtest.h>

#include <cstring>

#include "ScalarPlotSupport.h"
#include "plot/ColourScale.h"
#include "plot/ContourPlot.h"
#include "plot/FillPlot.h"

namespace ruvo {
namespace {

constexpr QRgb kWhite = 0xFFFFFF;

QRgb colour(int e) { return colour_ramp()[static_cast<std::size_t>(e)] & 0xFFFFFF; }
QRgb grey(int e) { return grey_ramp()[static_cast<std::size_t>(e)] & 0xFFFFFF; }

// 3 x 3 nodes: cell (i, j) has its middle at (137 or 362, 362 or 137).
class FillPlotTest : public test::ScalarPlotTest {
protected:
    void SetUp() override {
        make_grid(3, 3);
        set_values([](int, int) { return 1.0; });
        cells(0.0, 10.0, 5.5, 2.5);  // range 0 .. 10
        view().divided_number = 10;
    }
    // Values at the first node of the cells (1,1), (2,1), (1,2), (2,2).
    void cells(double s11, double s21, double s12, double s22) {
        values().at(1, 1) = s11;
        values().at(2, 1) = s21;
        values().at(1, 2) = s12;
        values().at(2, 2) = s22;
    }
    PlotOutcome draw() {
        PlotContext c = context();
        return Draw_Beta(c);
    }
    bool has_dark_pixel(int x1, int y1, int x2, int y2) {
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x)
                if (qGray(pixel(x, y)) < 128) return true;
        return false;
    }
};

TEST_F(FillPlotTest, EachCellTakesTheBandOfItsFirstNode) {
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(137, 362), colour(0));   // minimum, though its other corners are higher
    EXPECT_EQ(pixel(362, 362), colour(10));  // maximum: the last band
    EXPECT_EQ(pixel(137, 137), colour(5));   // 55 % of the range
    EXPECT_EQ(pixel(362, 137), colour(2));
    EXPECT_EQ(pixel(10, 250), kWhite);  // outside the grid
}

TEST_F(FillPlotTest, GreyFillRunsFromBlackAtTheMinimumToWhiteAtTheMaximum) {
    view().Gray = true;
    view().divided_number = 255;
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(137, 362), grey(0));
    EXPECT_EQ(pixel(362, 362), grey(255));
    EXPECT_EQ(pixel(137, 137), grey(140));  // 55 % of 255, truncated
    EXPECT_EQ(pixel(25, 520), grey(0));     // legend cells 1.76 pixels wide
    EXPECT_EQ(pixel(476, 520), grey(255));  // the last cell, 475 .. 476
}

TEST_F(FillPlotTest, ImageGrowsForALegendOfBandsAndTheRangeLabels) {
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(canvas->image().size(), QSize(500, 600));
    EXPECT_EQ(plot.height, 600);
    EXPECT_EQ(pixel(25, 510), colour(0));
    EXPECT_EQ(pixel(300, 525), colour(6));   // cell 6: 295 .. 339
    EXPECT_EQ(pixel(499, 539), colour(10));  // the last cell, 475 .. 519, reaches past the image
    EXPECT_EQ(pixel(300, 509), kWhite);
    EXPECT_EQ(pixel(300, 540), kWhite);
    EXPECT_TRUE(has_dark_pixel(25, 552, 125, 580));   // "0.0000000"
    EXPECT_TRUE(has_dark_pixel(425, 552, 500, 580));  // "10.0000000"
    EXPECT_FALSE(has_dark_pixel(150, 552, 400, 600));
}

TEST_F(FillPlotTest, FixedSizeModeKeepsTheImageAndDrawsLegendAndLabelsInIt) {
    ws->fixed_size_mode = true;
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(canvas->image().size(), QSize(640, 480));
    EXPECT_EQ(plot.height, 480);
    EXPECT_EQ(pixel(33, 420), colour(0));  // legend rows 408 .. 431
    EXPECT_EQ(pixel(33, 407), kWhite);
    EXPECT_TRUE(has_dark_pixel(32, 442, 130, 470));
    EXPECT_EQ(pixel(100, 300), colour(0));  // cell (1,1): pixels 64 .. 256, rows 192 .. 384
}

TEST_F(FillPlotTest, ValuesOutsideANarrowedRangeTakeTheNearerEnd) {
    view().divided_number = 255;
    view().min_changed = view().max_changed = true;
    view().Scalar_min = 4.0;
    view().Scalar_max = 6.0;
    cells(0.0, 10.0, 5.0, 4.0);
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(137, 362), colour(0));
    EXPECT_EQ(pixel(362, 362), colour(255));
    EXPECT_EQ(pixel(137, 137), colour(127));
    EXPECT_EQ(pixel(362, 137), colour(0));

    view().divided_number = 10;  // the legend ends at entry 10, and so do the cells
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(362, 362), colour(10));
    EXPECT_EQ(pixel(475, 520), colour(10));  // the legend's last cell
    EXPECT_EQ(pixel(137, 362), colour(0));
}

TEST_F(FillPlotTest, CellsOnClosedLinesAreLeftWhiteUnlessShown) {
    ws->store.closed_y.set(2);
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(137, 362), colour(0));
    EXPECT_EQ(pixel(137, 137), kWhite);
    EXPECT_EQ(pixel(362, 137), kWhite);

    ws->store.closed_grid_show = true;
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(pixel(137, 137), colour(5));
}

TEST_F(FillPlotTest, UniformFieldFillsEveryCellWithTheFirstBand) {
    set_values([](int, int) { return 3.0; });
    ASSERT_TRUE(draw().ok());
    for (const QPoint p : {QPoint(137, 362), QPoint(362, 362), QPoint(137, 137), QPoint(362, 137)})
        EXPECT_EQ(pixel(p.x(), p.y()), colour(0)) << p.x() << "," << p.y();
    EXPECT_EQ(plot.range_min, 3.0);
    EXPECT_EQ(plot.range_max, 3.0);
}

// The coloured contours of an overlap keep the fill's picture, legend and
// labels, and put their own legend in a row below them.
TEST_F(FillPlotTest, ColourContoursOverTheFillKeepItAndTakeALegendRowBelow) {
    view().Color = true;
    view().line_num = 1;  // level 5: through cell (2,1) and cells (1,2), (2,2)
    ASSERT_TRUE(draw().ok());
    const QImage fill = canvas->image().copy();
    PlotContext c = context();
    ASSERT_TRUE(Draw_Contours(c).ok());
    const QImage& both = canvas->image();
    EXPECT_EQ(both.size(), QSize(500, 720));
    EXPECT_EQ(pixel(137, 362), colour(0));
    for (int y = 500; y < 600; ++y) {
        ASSERT_EQ(0, std::memcmp(both.constScanLine(y), fill.constScanLine(y), 500 * 4)) << "row " << y;
    }
    EXPECT_EQ(pixel(30, 630), colour(0));  // the contour legend, rows 612 .. 647: two cells, the second red
    EXPECT_EQ(pixel(490, 630), colour(255));
    EXPECT_EQ(pixel(490, 660), 0xFFFFFFu);
}

TEST_F(FillPlotTest, ImpossibleSettingsAreReportedAndNothingIsDrawn) {
    view().divided_number = 0;
    EXPECT_EQ(draw().failure, PlotFailure::Numeric);
    view().divided_number = 10;
    view().max_changed = true;
    view().Scalar_max = 1.7e308;
    view().min_changed = true;
    view().Scalar_min = -1.7e308;
    EXPECT_EQ(draw().failure, PlotFailure::Numeric);
    EXPECT_EQ(canvas->image().size(), QSize(500, 500));
    EXPECT_EQ(test::count_pixels(canvas->image(), kWhite), 500 * 500);
}

TEST_F(FillPlotTest, ProgressStepsOncePerRowOfCellsAndEndsAtZero) {
    test::CountingProgress counting;
    PlotContext c = context(counting);
    ASSERT_TRUE(Draw_Beta(c).ok());
    EXPECT_EQ(counting.record(), (std::array{2, 1, 2, 0}));
}

}  // namespace
}  // namespace ruvo
