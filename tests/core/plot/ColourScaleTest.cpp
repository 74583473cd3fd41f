#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "ScalarPlotSupport.h"
#include "plot/ColourScale.h"

namespace ruvo {
namespace {

QRgb rgb(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
QRgb entry(const ColourTable& ramp, int e) { return ramp[static_cast<std::size_t>(e)] & 0xFFFFFF; }

TEST(ColourRampTest, RunsFromBlueThroughCyanGreenYellowToRed) {
    const ColourTable& ramp = colour_ramp();
    EXPECT_EQ(entry(ramp, 0), rgb(0, 0, 255));
    EXPECT_EQ(entry(ramp, 21), rgb(0, 85, 255));
    EXPECT_EQ(entry(ramp, 63), rgb(0, 255, 255));
    EXPECT_EQ(entry(ramp, 64), rgb(0, 255, 255));  // the ends of two runs repeat a colour
    EXPECT_EQ(entry(ramp, 100), rgb(0, 255, 109));
    EXPECT_EQ(entry(ramp, 127), rgb(0, 255, 0));
    EXPECT_EQ(entry(ramp, 128), rgb(0, 255, 0));
    EXPECT_EQ(entry(ramp, 160), rgb(130, 255, 0));
    EXPECT_EQ(entry(ramp, 191), rgb(255, 255, 0));
    EXPECT_EQ(entry(ramp, 192), rgb(255, 255, 0));
    EXPECT_EQ(entry(ramp, 255), rgb(255, 0, 0));
}

TEST(ColourRampTest, GreyRampRunsFromBlackToWhite) {
    const ColourTable& grey = grey_ramp();
    EXPECT_EQ(entry(grey, 0), rgb(0, 0, 0));
    EXPECT_EQ(entry(grey, 100), rgb(100, 100, 100));
    EXPECT_EQ(entry(grey, 255), rgb(255, 255, 255));
}

TEST(ColourRampTest, IndexesOutsideTheRampTakeTheNearerEnd) {
    const ColourTable& ramp = colour_ramp();
    EXPECT_EQ(ramp_colour(ramp, -1), ramp[0]);
    EXPECT_EQ(ramp_colour(ramp, INT_MIN), ramp[0]);
    EXPECT_EQ(ramp_colour(ramp, 256), ramp[255]);
    EXPECT_EQ(ramp_colour(ramp, INT_MAX), ramp[255]);
    EXPECT_EQ(ramp_colour(ramp, 17), ramp[17]);
}

TEST(ColourIndexTest, ContourLevelsRiseToRedAtTheLastLevel) {
    EXPECT_EQ(contour_colour_index(1, 20), 12);
    EXPECT_EQ(contour_colour_index(20, 20), 255);
    EXPECT_EQ(contour_colour_index(1, 1), 255);
    EXPECT_EQ(contour_colour_index(0, 7), 0);  // first legend cell
    // 255 / n x k computed in that order falls just short of 255 for these.
    for (const int n : {25, 29, 50, 100}) EXPECT_EQ(contour_colour_index(n, n), 255) << n;
}

TEST(ColourIndexTest, FillBandsOfTheRange) {
    EXPECT_EQ(fill_colour_index(10.0, 0.0, 10.0, 10), 10);  // max -> last band
    EXPECT_EQ(fill_colour_index(0.0, 0.0, 10.0, 10), 0);
    EXPECT_EQ(fill_colour_index(5.5, 0.0, 10.0, 10), 5);  // 55 %
    EXPECT_EQ(fill_colour_index(-3.0, -3.0, 7.0, 255), 0);
    EXPECT_EQ(fill_colour_index(7.0, -3.0, 7.0, 255), 255);
    EXPECT_EQ(fill_colour_index(2.0, -3.0, 7.0, 255), 127);
}

TEST(ColourIndexTest, FillIndexesOfValuesOutsideANarrowedRangeAreClamped) {
    EXPECT_EQ(fill_colour_index(-1.0, 0.0, 10.0, 255), 0);
    EXPECT_EQ(fill_colour_index(-1e300, 0.0, 10.0, 255), 0);
    EXPECT_EQ(fill_colour_index(20.0, 0.0, 10.0, 255), 255);
    EXPECT_EQ(fill_colour_index(1e308, -1.0, 1.0, 255), 255);  // the fraction overflows
    // With few bands the ends are those of the legend, not of the ramp.
    EXPECT_EQ(fill_colour_index(20.0, 0.0, 10.0, 10), 10);
    EXPECT_EQ(fill_colour_index(std::nan(""), 0.0, 10.0, 10), 0);
}

TEST(ColourIndexTest, EqualRangeEndsSplitAtTheirValueWithoutDividing) {
    EXPECT_EQ(fill_colour_index(3.0, 3.0, 3.0, 10), 0);
    EXPECT_EQ(fill_colour_index(2.0, 3.0, 3.0, 10), 0);
    EXPECT_EQ(fill_colour_index(4.0, 3.0, 3.0, 10), 10);
}

TEST(LegendTest, TenCellsOn500PixelsAre45WideFrom25To520) {
    for (int k = 0; k <= 10; ++k) {
        const LegendCell c = legend_cell(500, 600, 10, k);
        EXPECT_EQ(c.x1, 25 + 45 * k);
        EXPECT_EQ(c.x2, 70 + 45 * k);
        EXPECT_EQ(c.y1, 510);  // 85 % of the enlarged height
        EXPECT_EQ(c.y2, 540);  // 90 %
    }
}

TEST(LegendTest, RangeLabelsScaleWithMagnificationAndShowSevenDecimalsOrAnExponent) {
    EXPECT_EQ(range_label_point_size(100), 6);
    EXPECT_EQ(range_label_point_size(125), 7);
    EXPECT_EQ(range_label_point_size(250), 15);
    EXPECT_EQ(range_label_point_size(800), 48);
    EXPECT_EQ(range_label_text(0.5), "0.5000000");
    EXPECT_EQ(range_label_text(-1.25), "-1.2500000");
    EXPECT_EQ(range_label_text(12345.678), "12345.6780000");
    EXPECT_EQ(range_label_text(-1e-9), "0.0000000");
    EXPECT_EQ(range_label_text(9999999.5), "9999999.5000000");
    EXPECT_EQ(range_label_text(1e7), "1.00E+07");
    EXPECT_EQ(range_label_text(-1.234e300), "-1.23E+300");
    EXPECT_EQ(range_label_text(1.7e38), "1.70E+38");
}

class ValueRangeTest : public test::ScalarPlotTest {
protected:
    void SetUp() override {
        make_grid(3, 3);
        set_values([](int i, int j) { return i + 10.0 * j; });  // 11 .. 33
    }
};

TEST_F(ValueRangeTest, ComesFromTheDataOverTheDrawingRectangle) {
    set_area(view(), {2, 1, 3, 2});
    PlotContext c = context();
    ASSERT_TRUE(set_value_range(c).ok());
    EXPECT_EQ(plot.range_min, 12.0);
    EXPECT_EQ(plot.range_max, 23.0);
    EXPECT_EQ(plot.min_i, 2);
    EXPECT_EQ(plot.max_j, 2);
}

TEST_F(ValueRangeTest, EndsSetByTheUserReplaceTheDataEnds) {
    view().min_changed = true;
    view().Scalar_min = 20.0;  // above the data minimum
    PlotContext c = context();
    ASSERT_TRUE(set_value_range(c).ok());
    EXPECT_EQ(plot.range_min, 20.0);
    EXPECT_EQ(plot.range_max, 33.0);

    view().min_changed = false;
    view().max_changed = true;
    view().Scalar_max = 15.0;
    ASSERT_TRUE(set_value_range(c).ok());
    EXPECT_EQ(plot.range_min, 11.0);
    EXPECT_EQ(plot.range_max, 15.0);
}

TEST_F(ValueRangeTest, RangeThatIsNoFiniteSpanIsRefused) {
    view().min_changed = view().max_changed = true;
    PlotContext c = context();
    for (const auto& [lo, hi] : {std::pair{-1e308, 1e308}, std::pair{0.0, std::numeric_limits<double>::infinity()},
                                 std::pair{std::nan(""), 1.0}}) {
        view().Scalar_min = lo;
        view().Scalar_max = hi;
        const PlotOutcome outcome = set_value_range(c);
        EXPECT_EQ(outcome.failure, PlotFailure::Numeric) << lo << " " << hi;
        EXPECT_FALSE(outcome.reason.isEmpty());
    }
    view().Scalar_min = view().Scalar_max = 1e308;  // equal ends are a finite span
    EXPECT_TRUE(set_value_range(c).ok());
}

TEST_F(ValueRangeTest, ViewWithoutAScalarSlotIsRefused) {
    data_slot = 0;
    PlotContext c = context();
    EXPECT_EQ(set_value_range(c).failure, PlotFailure::Numeric);
}

class ColourRasterTest : public test::ScalarPlotTest {
protected:
    void SetUp() override { make_grid(3, 3); }
};

TEST_F(ColourRasterTest, EnlargesTheImageByAFifthOnANewWhiteRaster) {
    canvas->set_pen_colour(qRgb(0, 0, 0));
    canvas->move_to({10, 10});
    canvas->line_to({100, 10});
    PlotContext c = context();
    ASSERT_TRUE(set_up_colour_raster(c, true).ok());
    EXPECT_EQ(plot.height, 600);
    EXPECT_EQ(canvas->image().size(), QSize(500, 600));
    EXPECT_EQ(test::count_pixels(canvas->image(), qRgb(255, 255, 255)), 500 * 600);
    EXPECT_EQ(plot.dy, 475);  // the mapping stays: the new fifth lies below the plot
}

// A second colour plot of the redraw keeps what the first drew, below which
// its legend gets new white rows.
TEST_F(ColourRasterTest, KeepsTheSizeWhenNotEnlargingAndGrowsAReadyRasterKeepingIt) {
    PlotContext c = context();
    ASSERT_TRUE(set_up_colour_raster(c, false).ok());
    EXPECT_EQ(canvas->image().size(), QSize(500, 500));

    canvas->set_pen_colour(qRgb(0, 0, 0));
    canvas->move_to({10, 10});
    canvas->line_to({100, 10});
    ASSERT_TRUE(set_up_colour_raster(c, true).ok());
    EXPECT_EQ(canvas->image().size(), QSize(500, 600));
    EXPECT_EQ(pixel(50, 10), rgb(0, 0, 0));
    EXPECT_EQ(pixel(50, 550), rgb(255, 255, 255));
}

}  // namespace
}  // namespace ruvo
