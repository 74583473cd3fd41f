#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "ScalarPlotSupport.h"
#include "TestSupport.h"
#include "plot/ColourScale.h"
#include "plot/ContourCells.h"
#include "plot/ContourPlot.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

TEST(ContourLevelTest, LevelsCutTheRangeIntoEqualPartsLeavingOutItsEnds) {
    for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(contour_level(0.0, 10.0, 4, k), 2.0 * k);
    for (int k = 1; k <= 4; ++k) EXPECT_DOUBLE_EQ(contour_level(-5.0, 5.0, 4, k), -5.0 + 2.0 * k);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(contour_level(7.5, 7.5, 3, k), 7.5);  // equal ends
}

TEST(ContourCrossingTest, NodeOnTheLevelCountsOnlyAsTheFromNode) {
    EXPECT_TRUE(edge_crossed(5.0, 7.0, 5.0));
    EXPECT_TRUE(edge_crossed(5.0, 3.0, 5.0));
    EXPECT_FALSE(edge_crossed(7.0, 5.0, 5.0));
    EXPECT_FALSE(edge_crossed(3.0, 5.0, 5.0));
    EXPECT_FALSE(edge_crossed(5.0, 5.0, 5.0));
    EXPECT_TRUE(edge_crossed(3.0, 7.0, 6.9));
    EXPECT_FALSE(edge_crossed(3.0, 7.0, 7.1));
    EXPECT_FALSE(edge_crossed(std::nan(""), 7.0, 5.0));
}

TEST(ContourCrossingTest, PairsJoinedForEachSetOfCrossedEdges) {
    using Pairs = std::array<std::array<int, 2>, 4>;
    const auto pairs_of = [](std::array<bool, 4> crossed) {
        Pairs pairs{};
        const int n = joined_edge_pairs(crossed, pairs);
        return std::vector<std::array<int, 2>>(pairs.begin(), pairs.begin() + n);
    };
    using V = std::vector<std::array<int, 2>>;
    EXPECT_EQ(pairs_of({false, false, false, false}), V{});
    EXPECT_EQ(pairs_of({true, false, false, false}), V{});
    EXPECT_EQ(pairs_of({true, true, false, false}), (V{{kE1, kE2}}));
    EXPECT_EQ(pairs_of({false, false, true, true}), (V{{kE3, kE4}}));
    EXPECT_EQ(pairs_of({true, false, true, false}), (V{{kE1, kE3}}));
    EXPECT_EQ(pairs_of({false, true, false, true}), (V{{kE2, kE4}}));
    EXPECT_EQ(pairs_of({true, true, true, false}), (V{{kE1, kE3}, {kE2, kE3}}));
    EXPECT_EQ(pairs_of({true, false, true, true}), (V{{kE1, kE3}, {kE1, kE4}}));
    EXPECT_EQ(pairs_of({true, true, true, true}), (V{{kE1, kE3}, {kE1, kE4}, {kE2, kE3}, {kE2, kE4}}));
}

// One unit cell: nodes (1,1) at (0,0), (2,1) at (1,0), (1,2) at (0,1), (2,2) at (1,1).
class ContourCellTest : public test::ScalarPlotTest {
protected:
    void SetUp() override { make_grid(2, 2); }
    void cell_values(double s00, double s10, double s01, double s11) {
        values().at(1, 1) = s00;
        values().at(2, 1) = s10;
        values().at(1, 2) = s01;
        values().at(2, 2) = s11;
    }
    std::vector<std::pair<QPointF, QPointF>> segments(double level) {
        const ContourCellSpans spans(fields(), values(), [](int, int) { return false; });
        std::vector<std::pair<QPointF, QPointF>> result;
        for_each_contour_segment(fields(), values(), level, spans,
                                 [&](const ContourSegment& segment) { result.emplace_back(segment.a, segment.b); });
        return result;
    }
    using Segments = std::vector<std::pair<QPointF, QPointF>>;
    const QPointF p1{0.0, 0.5}, p2{1.0, 0.5}, p3{0.5, 0.0}, p4{0.5, 1.0};
};

TEST_F(ContourCellTest, SaddleGetsFourSegmentsInJoiningOrder) {
    cell_values(1.0, 0.0, 0.0, 1.0);
    EXPECT_EQ(segments(0.5), (Segments{{p1, p3}, {p1, p4}, {p2, p3}, {p2, p4}}));
}

TEST_F(ContourCellTest, CrossingPointsAreInterpolatedAlongTheEdges) {
    cell_values(0.0, 4.0, 0.0, 4.0);  // rises in x only
    EXPECT_EQ(segments(1.0), (Segments{{{0.25, 0.0}, {0.25, 1.0}}}));
    cell_values(0.0, 0.0, 10.0, 10.0);  // rises in y only
    EXPECT_EQ(segments(7.0), (Segments{{{0.0, 0.7}, {1.0, 0.7}}}));
}

TEST_F(ContourCellTest, ThreeCrossedEdgesGetTheTwoSegmentsSharingTheOddOne) {
    // (1,1) on the level: E1 and E3 are crossed at that node, E2 halfway, E4 not.
    cell_values(0.0, 1.0, -1.0, -1.0);
    const QPointF node{0.0, 0.0};
    EXPECT_EQ(segments(0.0), (Segments{{node, node}, {p2, node}}));
}

TEST_F(ContourCellTest, EdgesWithBothEndsOnTheLevelAreNeverCrossed) {
    cell_values(5.0, 5.0, 5.0, 5.0);
    EXPECT_TRUE(segments(5.0).empty());
    cell_values(5.0, 5.0, 7.0, 7.0);  // E3 lies on the level; E1 and E2 start on it
    EXPECT_EQ(segments(5.0), (Segments{{{0.0, 0.0}, {1.0, 0.0}}}));
    cell_values(7.0, 7.0, 5.0, 5.0);  // E1 and E2 end on it: only E4, which lies on it
    EXPECT_TRUE(segments(5.0).empty());
}

TEST_F(ContourCellTest, NodeWithoutAValueLeavesTheOtherEdgesCrossed) {
    // (1,2) holds NaN: E1 and E4 are never crossed; E3 and E2 are.
    cell_values(5.0, 1.0, std::nan(""), 5.0);
    EXPECT_EQ(segments(3.0), (Segments{{p2, p3}}));
}

// A 2 x 2 node grid (one cell of 450 x 450 pixels) whose values rise in x.
class ContourPlotTest : public test::ScalarPlotTest {
protected:
    void SetUp() override {
        make_grid(2, 2);
        set_values([](int i, int) { return i == 1 ? -5.0 : 5.0; });
    }
    PlotOutcome draw() {
        PlotContext c = context();
        return Draw_Contours(c);
    }
    int black_in_column(int x) {
        int n = 0;
        for (int y = 0; y < canvas->height(); ++y) n += pixel(x, y) == kBlack;
        return n;
    }
};

TEST_F(ContourPlotTest, NegativeLevelsAreDashedWhenBroken) {
    view().line_num = 4;  // levels -3, -1, 1, 3 at x = 115, 205, 295, 385
    view().Broken = true;
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(black_in_column(295), 450);  // from row 475 up to row 26: the end pixel is left out
    EXPECT_EQ(black_in_column(385), 450);
    EXPECT_EQ(pixel(115, 475 - 17), kBlack);  // 18 pixels on, 6 off
    EXPECT_EQ(pixel(115, 475 - 18), kWhite);
    EXPECT_EQ(pixel(205, 475 - 18), kWhite);
    EXPECT_LT(black_in_column(115), 450);
    EXPECT_EQ(canvas->pen_style(), PenStyle::Solid);

    view().Broken = false;
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(black_in_column(115), 450);
}

// Where nodes outnumber pixels, a closed level is a closed line of pixels:
// every black pixel inside the frame has two black neighbours. Drawn cell by
// cell, segments shorter than a pixel left pixels where two of them end.
class DenseContourTest : public test::ScalarPlotTest {};

TEST_F(DenseContourTest, ClosedLevelsHaveNoGapsWhereNodesOutnumberPixels) {
    make_grid(510, 510);  // 260,100 nodes on 250,000 pixels
    set_values([](int i, int j) { return std::hypot(i - 255.5, j - 240.5); });
    view().line_num = 3;
    PlotContext c = context();
    ASSERT_TRUE(Draw_Contours(c).ok());
    int ends = 0, black = 0;
    for (int y = 40; y < 460; ++y) {
        for (int x = 40; x < 460; ++x) {
            if (pixel(x, y) != kBlack) continue;
            ++black;
            int neighbours = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) neighbours += (dx != 0 || dy != 0) && pixel(x + dx, y + dy) == kBlack;
            ends += neighbours < 2;
        }
    }
    EXPECT_GT(black, 1000);
    EXPECT_EQ(ends, 0);
}

// Dashed negative levels of real samples, in colour so that their pixels can
// be told apart above the legend: the dashes leave about a quarter of them
// white (6 of every 24 pixels for thin pens).
TEST(ContourPlotSampleTest, NegativeLevelsOfASampleShowGapsAlongTheirLines) {
    for (const auto& [project, magnification, width] :
         {std::tuple{"cavity/cavity.RVP", 100, 1}, std::tuple{"cavity/cavity.RVP", 100, 3},
          std::tuple{"cylinder/cylinder.RVP", 800, 1}}) {
        auto ws = std::make_unique<Workspace>();
        load_project(*ws, test::example(project));
        const int slot = open_view(*ws, FileKind::Scalar).slot;
        View_Info& v = ws->views.at(slot);
        v.Color = true;
        v.line_width = width;
        v.magni = magnification;
        auto negative_level_pixels = [&](bool broken) {
            v.Broken = broken;
            QImage image;
            NoProgress progress;
            NoStatusBoxes status;
            EXPECT_TRUE(render_view(*ws, slot, image, progress, status).ok());
            std::vector<bool> negative(1 << 24);  // by colour: the levels below 0, which come first
            PlotState p;
            EXPECT_TRUE(set_value_range(p, view_fields(ws->store, v), v).ok());
            for (int k = 1; k <= v.line_num && contour_level(p.range_min, p.range_max, v.line_num, k) < 0; ++k)
                negative[colour_ramp()[contour_colour_index(k, v.line_num)] & 0xFFFFFF] = true;
            int n = 0;
            for (int y = 0; y < image.height() * 0.85; ++y)
                for (int x = 0; x < image.width(); ++x) n += negative[test::rgb_at(image, x, y)];
            return n;
        };
        const int solid = negative_level_pixels(false), dashed = negative_level_pixels(true);
        EXPECT_LT(dashed, 0.85 * solid) << project << width;
        EXPECT_GT(dashed, 0.6 * solid) << project << width;
    }
}

TEST_F(ContourPlotTest, ColourLevelsRiseFromEntry12ToRedWithALegendBelow) {
    set_values([](int i, int) { return i == 1 ? 0.0 : 21.0; });  // levels 1 .. 20
    view().Color = true;
    view().line_num = 20;
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(canvas->image().size(), QSize(500, 600));
    EXPECT_EQ(plot.height, 600);
    EXPECT_EQ(pixel(46, 250), colour_ramp()[12] & 0xFFFFFF);  // level 1 at 25 + 450 / 21
    EXPECT_EQ(pixel(454, 250), 0xFF0000u);                    // level 20
    EXPECT_EQ(pixel(30, 520), colour_ramp()[0] & 0xFFFFFF);   // legend cell 0
    EXPECT_EQ(pixel(490, 520), 0xFF0000u);                    // legend cell 20: 475 .. 497
}

TEST_F(ContourPlotTest, WidePensDrawWideLines) {
    view().line_num = 1;  // level 0 at x = 250
    view().line_width = 5;
    ASSERT_TRUE(draw().ok());
    for (int x = 248; x <= 252; ++x) EXPECT_EQ(pixel(x, 250), kBlack) << x;
    EXPECT_EQ(pixel(254, 250), kWhite);
}

TEST_F(ContourPlotTest, CellsOnClosedLinesAreSkippedUnlessShown) {
    make_grid(3, 2);  // two cells, values rising over each
    set_values([](int i, int) { return i == 2 ? 0.0 : (i == 1 ? -4.0 : 4.0); });
    view().line_num = 3;  // levels -2 in cell 1 at x = 137; 0 and 2 in cell 2 at x = 250, 363
    ws->store.closed_x.set(2);
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(black_in_column(137), 450);
    EXPECT_EQ(black_in_column(250), 0);
    EXPECT_EQ(black_in_column(363), 0);

    ws->store.closed_grid_show = true;
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(black_in_column(250), 450);
    EXPECT_EQ(black_in_column(363), 450);
}

TEST_F(ContourPlotTest, EqualRangeEndsDrawEveryLevelAtThatValue) {
    view().min_changed = view().max_changed = true;
    view().Scalar_min = view().Scalar_max = 0.0;
    view().line_num = 5;
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(black_in_column(250), 450);
    EXPECT_EQ(test::count_pixels(canvas->image(), kBlack), 450);

    set_values([](int, int) { return 3.0; });  // a uniform field: no edge is crossed
    view().min_changed = view().max_changed = false;
    lay_out();
    ASSERT_TRUE(draw().ok());
    EXPECT_EQ(test::count_pixels(canvas->image(), kBlack), 0);
}

TEST_F(ContourPlotTest, RangeTooWideIsReportedBeforeDrawing) {
    view().Color = true;
    view().min_changed = view().max_changed = true;
    view().Scalar_min = -1e308;
    view().Scalar_max = 1e308;
    EXPECT_EQ(draw().failure, PlotFailure::Numeric);
    EXPECT_EQ(canvas->image().size(), QSize(500, 500));

    view().min_changed = false;
    view().Scalar_max = std::numeric_limits<double>::infinity();
    EXPECT_EQ(draw().failure, PlotFailure::Numeric);
}

TEST_F(ContourPlotTest, NoLevelIsRefused) {
    view().line_num = 0;
    EXPECT_EQ(draw().failure, PlotFailure::Numeric);
}

TEST_F(ContourPlotTest, ProgressStepsOncePerLevelAndEndsAtZero) {
    view().line_num = 7;
    test::CountingProgress counting;
    PlotContext c = context(counting);
    ASSERT_TRUE(Draw_Contours(c).ok());
    EXPECT_EQ(counting.record(), (std::array{7, 1, 7, 0}));
}

}  // namespace
}  // namespace ruvo
