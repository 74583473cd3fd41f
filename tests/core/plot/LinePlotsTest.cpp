#include <gtest/gtest.h>

#include <vector>

#include "PlotTestSupport.h"
#include "plot/RasterCanvas.h"
#include "plot/LinePlotRules.h"
#include "plot/LinePlots.h"
#include "plot/Progress.h"

namespace ruvo {
namespace {

using test::count_pixels;
using test::rgb_at;

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreyOnWhite = 0x3F3F3F;  // the grey exclusive-or marker over white

using Texts = std::array<QString, 7>;

class RecordingStatus final : public StatusBoxes {
public:
    void show(const Texts& texts) override { shown.push_back(texts); }
    std::vector<Texts> shown;
};

class RecordingProgress final : public Progress {
public:
    void set_maximum(int m) override { maxima.push_back(m); }
    void set_step(int s) override { step_sizes.push_back(s); }
    void step() override { ++steps; }
    void set_position(int p) override { positions.push_back(p); }
    std::vector<int> maxima, step_sizes, positions;
    int steps = 0;
};

// A unit square of 11 x 11 nodes, shown at 500 x 500 pixels: node (i, j) lies
// at column 25 + 45 (i - 1) and row 475 - 45 (j - 1); dx = 25, dy = 475.
class LinePlotsTest : public ::testing::Test {
protected:
    LinePlotsTest() {
        ws_->store.scalar_count = 1;
        view().FileType = kScalarView;
    }

    View_Info& view() { return ws_->views.at(1); }
    Table& values() { return ws_->store.scalar_data[1].value; }
    template <typename F>
    void fill(F value_of) {
        for (int i = 1; i <= 11; ++i)
            for (int j = 1; j <= 11; ++j) values().at(i, j) = value_of(i, j);
    }

    // Lays the view out on a new white image of its size.
    void layout() {
        ASSERT_EQ(Set_View_Geometry(plot_, fields(), view(), 100), GeometryFailure::None);
        image_ = QImage(plot_.width, plot_.height, QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    template <typename Routine>
    auto on_canvas(Routine routine) {
        RasterCanvas canvas(image_);
        PlotContext context{canvas, fields(), plot_, view(), progress_, status_};
        return routine(context);
    }
    PlotOutcome draw(PlotOutcome (*plot)(PlotContext&)) {
        layout();
        return on_canvas(plot);
    }
    const Texts& last_status() {
        static const Texts none;
        return status_.shown.empty() ? none : status_.shown.back();
    }

    std::unique_ptr<Workspace> ws_ = test::grid_workspace(11, 11);

    PlotState plot_;  // the mapping of the view's last layout
    int data_slot_ = 1;
    ViewFields fields() { return {ws_->store, area_of(view()), data_slot_}; }
    QImage image_;
    RecordingProgress progress_;
    RecordingStatus status_;
};

int non_white_pixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += rgb_at(image, x, y) != kWhite;
    return n;
}

// --- selection and scaling rules ---

TEST(LinePlotRules, KEpsilonLinesLieStepPlusOneApart) {
    EXPECT_EQ(ke_lines(1, 10, 1), (std::vector<int>{1, 3, 5, 7, 9}));
    EXPECT_EQ(ke_lines(1, 10, 2), (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(ke_lines(3, 7, 0), (std::vector<int>{3, 4, 5, 6, 7}));
    EXPECT_EQ(ke_lines(4, 4, 20), (std::vector<int>{4}));
    EXPECT_EQ(ke_lines(1, 150, 1000000), (std::vector<int>{1}));
    EXPECT_EQ(ke_lines(2, 6, -3), (std::vector<int>{2, 3, 4, 5, 6}));  // never steps backwards
    EXPECT_TRUE(ke_lines(5, 4, 1).empty());
}

TEST(LinePlotRules, ProfileScaleFollowsLengthExtentAndLargestValue) {
    EXPECT_DOUBLE_EQ(*profile_scale(5, 1.0, 2.0, kKEpsilonProfileFactor), 0.1);
    EXPECT_DOUBLE_EQ(*profile_scale(5, 1.0, 2.0, kRowProfileFactor), 0.1);
    EXPECT_DOUBLE_EQ(*profile_scale(5, 1.0, 2.0, kColumnProfileFactor), 0.25);
    EXPECT_DOUBLE_EQ(*profile_scale(5, 1.0, -2.0, kColumnProfileFactor), -0.25);  // displaced the other way
    EXPECT_FALSE(profile_scale(5, 1.0, 0.0, kColumnProfileFactor).has_value());
    EXPECT_FALSE(profile_scale(5, 1.0, 1e-320, kColumnProfileFactor).has_value());  // would be infinite
}

// A line of values beyond 1E38 has its own extremes.
TEST(LinePlotRules, LineRangeFindsAnyFiniteValue) {
    Table s;
    s.at(1, 1) = 3e300;
    s.at(1, 2) = 2e300;
    const ValueRange r = line_range(s, line_of_constant_i(1, {1, 1, 1, 2}));
    EXPECT_EQ(std::pair(r.hi, r.lo), std::pair(3e300, 2e300));
}

TEST(LinePlotRules, DetailRangeWithoutAutoScaleStartsOneSignedDataAtZero) {
    auto range = [](double max_s, double min_s) {
        const ValueRange r = detail_fixed_range(max_s, min_s);
        return std::pair{r.hi, r.lo};
    };
    EXPECT_EQ(range(3.0, 1.0), std::pair(3.0, 0.0));
    EXPECT_EQ(range(-1.0, -3.0), std::pair(0.0, -3.0));
    EXPECT_EQ(range(2.0, -1.0), std::pair(2.0, -1.0));
    EXPECT_EQ(range(0.0, -1.0), std::pair(0.0, -1.0));
    EXPECT_EQ(range(2.0, 0.0), std::pair(2.0, 0.0));
    EXPECT_EQ(range(0.0, 0.0), std::pair(0.0, 0.0));
    EXPECT_EQ(range(3e-200, 1e-200), std::pair(3e-200, 0.0));  // a product would underflow to 0
}

TEST(LinePlotRules, LaddersFollowTheSignsOfTheData) {
    auto ladders = [](bool auto_scale, double max_s, double min_s, double lo) {
        const TickLadders l = detail_ladders(auto_scale, max_s, min_s, lo);
        return std::pair{l.upper, l.lower};
    };
    EXPECT_EQ(ladders(true, 2.0, -1.0, -1.0), std::pair(true, false));
    EXPECT_EQ(ladders(false, 3.0, 1.0, 0.0), std::pair(true, true));  // the lower one collapses
    EXPECT_EQ(ladders(false, -1.0, -3.0, -3.0), std::pair(false, true));
    EXPECT_EQ(ladders(false, 2.0, -1.0, -1.0), std::pair(true, true));
    EXPECT_EQ(ladders(false, 0.0, -1.0, -1.0), std::pair(false, true));
    EXPECT_EQ(ladders(false, 2.0, 0.0, 0.0), std::pair(true, true));
}

TEST(LinePlotRules, LadderRowsDivideTheRestTruncatingTowardZero) {
    EXPECT_EQ(upper_ladder(475, 25), (std::vector<int>{25, 425, 375, 325, 275, 225, 175, 125, 75, 25}));
    EXPECT_EQ(upper_ladder(100, 0), (std::vector<int>{0, 89, 78, 67, 56, 45, 34, 23, 12, 0}));
    // Upwards in value but downwards on screen: -100 div 9 is -11, not -12.
    EXPECT_EQ(upper_ladder(0, 100), (std::vector<int>{100, 11, 22, 33, 44, 55, 66, 77, 88, 100}));
    EXPECT_EQ(lower_ladder(475, 445), (std::vector<int>{475, 472, 469, 466, 463, 460, 457, 454, 451, 448, 445}));
    EXPECT_EQ(lower_ladder(475, 475), std::vector<int>(11, 475));
}

// --- K-e, Row and Column views ---

TEST_F(LinePlotsTest, KEpsilonDrawsTheSelectedLinesAndTheirProfiles) {
    fill([](int, int) { return 2.0; });  // largest 2, length 5: 0.1 grid units per unit, 0.2 = 90 pixels
    view().x_grid_step = 2;              // lines 1, 4, 7, 10
    ASSERT_TRUE(draw(Draw_KEpsilon).ok());
    const std::vector<std::pair<int, QRgb>> row_250{{25, kRed},    {70, kWhite},  {115, kBlack}, {160, kRed},
                                                    {205, kWhite}, {250, kBlack}, {295, kRed},   {385, kBlack},
                                                    {430, kRed},   {475, kWhite}};
    for (const auto& [x, colour] : row_250) EXPECT_EQ(rgb_at(image_, x, 250), colour) << x;
    EXPECT_EQ(progress_.maxima, std::vector<int>{10});
    EXPECT_EQ(progress_.step_sizes, std::vector<int>{2});
    EXPECT_EQ(progress_.steps, 4);
    EXPECT_EQ(progress_.positions, std::vector<int>{0});
}

TEST_F(LinePlotsTest, RowAndColumnProfilesAreDisplacedByTheScaledValue) {
    fill([](int, int) { return 2.0; });  // largest 2: Row 0.2 grid units (90 pixels), Column 0.5 (225)
    struct Case {
        PlotOutcome (*plot)(PlotContext&);
        QPoint on_line, on_profile;
    };
    for (const Case& c : {Case{Draw_Row, {250, 475}, {250, 385}}, Case{Draw_Column, {25, 250}, {250, 250}}}) {
        progress_ = {};
        ASSERT_TRUE(draw(c.plot).ok());
        EXPECT_EQ(rgb_at(image_, c.on_line.x(), c.on_line.y()), kRed);
        EXPECT_EQ(rgb_at(image_, c.on_profile.x(), c.on_profile.y()), kBlack);
        EXPECT_EQ(count_pixels(image_, kBlack), 450);
        EXPECT_EQ(progress_.maxima, std::vector<int>{11});
        EXPECT_EQ(progress_.steps, 11);
        EXPECT_EQ(progress_.positions, std::vector<int>{0});
    }
}

TEST_F(LinePlotsTest, LargestValueZeroDrawsOnlyTheReferenceLinesAndFails) {
    fill([](int i, int) { return i == 5 ? -1.0 : 0.0; });
    for (auto* plot : {Draw_KEpsilon, Draw_Row, Draw_Column}) {
        const PlotOutcome outcome = draw(plot);
        EXPECT_EQ(outcome.failure, PlotFailure::Numeric);
        EXPECT_FALSE(outcome.reason.isEmpty());
        EXPECT_GT(count_pixels(image_, kRed), 0);
        EXPECT_EQ(count_pixels(image_, kBlack), 0);
    }
}

TEST_F(LinePlotsTest, RowAndColumnReadOutTheFocusNode) {
    fill([](int, int) { return 1.0; });
    values().at(3, 4) = 2.5;
    ws_->store.vector_data[1].u.at(3, 4) = 1.5;
    ws_->store.vector_data[1].v.at(3, 4) = -0.25;
    view().XPos = 3;
    view().YPos = 4;
    const Texts expected{"i=2",          "j=3",           "grid_x=0.2000000", "grid_y=0.3000000",
                         "Vx=1.5000000", "Vy=-0.2500000", "S=2.5000000"};
    for (auto* plot : {Draw_Row, Draw_Column}) {
        status_.shown.clear();
        ASSERT_TRUE(draw(plot).ok());
        ASSERT_EQ(status_.shown.size(), 1u);
        EXPECT_EQ(last_status(), expected);
    }
    status_.shown.clear();
    on_canvas(Draw_Row_Neglect);
    EXPECT_EQ(last_status(), expected);
}

TEST_F(LinePlotsTest, YAxisAddsTheMarkerAcrossTheLine) {
    fill([](int, int) { return 2.0; });
    view().XPos = 6;  // marker along i = 6, column 250
    view().YPos = 3;  // line j = 3, row 385
    view().YAxis = true;
    ASSERT_TRUE(draw(Draw_Row).ok());
    EXPECT_EQ(rgb_at(image_, 250, 450), kGreyOnWhite);
    EXPECT_EQ(rgb_at(image_, 250, 30), kGreyOnWhite);
    EXPECT_EQ(last_status()[0], "i=5");
}

TEST_F(LinePlotsTest, MarkersDrawnTwiceLeaveTheImageAsItWas) {
    fill([](int i, int j) { return 1.0 + i + 0.5 * j; });
    view().XPos = 6;
    view().YPos = 4;
    struct Case {
        PlotOutcome (*plot)(PlotContext&);
        void (*marker)(PlotContext&);
        bool detail_axis;
    };
    for (const Case& c :
         {Case{Draw_Row, Draw_Row_Neglect, true}, Case{Draw_Column, Draw_Column_Neglect, true},
          Case{Draw_Detail, Draw_Detail_Neglect, true}, Case{Draw_Detail, Draw_Detail_Neglect, false}}) {
        view().Detail_Axis = c.detail_axis;
        ASSERT_TRUE(draw(c.plot).ok());
        const QImage before = image_.copy();
        on_canvas(c.marker);
        EXPECT_NE(image_, before);
        EXPECT_GT(count_pixels(image_, kGreyOnWhite), 0);
        on_canvas(c.marker);
        EXPECT_EQ(image_, before);
    }
}

TEST_F(LinePlotsTest, SlotsAndPositionsOutsideTheTablesReadNothingBeyondThem) {
    fill([](int, int) { return 1.0; });
    view().XPos = 500;
    view().YPos = -3;
    for (const int slot : {0, 42, -1}) {
        data_slot_ = slot;
        EXPECT_EQ(draw(Draw_Column).failure, PlotFailure::Numeric);  // no data in such a slot
        status_.shown.clear();
        on_canvas(Draw_Column_Neglect);
        EXPECT_EQ(last_status(), (Texts{"i=149", "j=0", "grid_x=0.0000000", "grid_y=0.0000000", "Vx=0.0000000",
                                        "Vy=0.0000000", "S=0.0000000"}));
        EXPECT_TRUE(draw(Draw_Detail).ok());
    }
}

// --- Detail view ---

TEST_F(LinePlotsTest, DetailZeroLineSitsWhereTheValueZeroIs) {
    struct Case {
        double offset;  // values j + offset along every line
        int zero_row;
        QString hi, lo;
    };
    // Value axis 90 pixels high at length 5: all positive (1..11) from 0 at the bottom,
    // all negative (-11..-1) up to 0 at its top, mixed (-3..7) in between.
    for (const Case& c :
         {Case{0.0, 475, "縦大11.0000000", "縦小0.0000000"}, Case{-12.0, 385, "縦大0.0000000", "縦小-11.0000000"},
          Case{-4.0, 448, "縦大7.0000000", "縦小-3.0000000"}}) {
        fill([&](int, int j) { return j + c.offset; });
        ASSERT_TRUE(draw(Draw_Detail).ok());
        for (const int x : {22, 100, 250, 477}) EXPECT_EQ(rgb_at(image_, x, c.zero_row), kBlue) << x;
        EXPECT_EQ(rgb_at(image_, 478, c.zero_row), kWhite);
        EXPECT_EQ(rgb_at(image_, 100, c.zero_row - 1), kWhite);
        EXPECT_EQ(last_status()[2], c.hi);
        EXPECT_EQ(last_status()[3], c.lo);
    }
}

TEST_F(LinePlotsTest, DetailAutoScaleSpansTheShownLineOnly) {
    fill([](int, int j) { return double(j); });
    values().at(5, 5) = 100.0;  // off the shown line i = 1
    view().AutoScale = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    // Values 1..11 fill the whole axis: node j lands on row 475 - 45 (j - 1).
    EXPECT_EQ(rgb_at(image_, 250, 250), kBlack);
    EXPECT_EQ(rgb_at(image_, 160, 340), kBlack);
    EXPECT_EQ(rgb_at(image_, 100, 475), kBlue);
    EXPECT_EQ(last_status(), (Texts{"i=0", "j=0", "縦大11.0000000", "縦小1.0000000", "S大100.0000000", "S小1.0000000",
                                    "S=1.0000000"}));

    fill([](int i, int) { return double(i); });  // along the row j = YPos instead
    view().Detail_Axis = false;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    EXPECT_EQ(rgb_at(image_, 250, 250), kBlack);
}

TEST_F(LinePlotsTest, DetailOfAGridAwayFromZeroKeepsToThePlotArea) {
    for (int i = 1; i <= 11; ++i) {  // the square moved to x 3 .. 4 and y -0.5 .. 0.5
        for (int j = 1; j <= 11; ++j) ws_->store.grid_x.at(i, j) += 3.0, ws_->store.grid_y.at(i, j) -= 0.5;
    }
    fill([](int, int j) { return double(j); });
    view().AutoScale = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    // Values 1..11 fill the whole axis, as for the square at 0: node j at row
    // 475 - 45 (j - 1) and column 25 + 45 (j - 1), the zero line along row 475.
    EXPECT_EQ(rgb_at(image_, 250, 250), kBlack);
    EXPECT_EQ(rgb_at(image_, 160, 340), kBlack);
    EXPECT_EQ(rgb_at(image_, 22, 475), kBlue);
    EXPECT_EQ(rgb_at(image_, 477, 475), kBlue);
}

TEST_F(LinePlotsTest, DetailFlatRangeLiesOnTheZeroLineAndATooNarrowOneFails) {
    fill([](int i, int j) { return i == 1 ? 5.0 : double(i + j); });
    view().AutoScale = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    EXPECT_EQ(rgb_at(image_, 250, 475), kBlue);
    EXPECT_EQ(count_pixels(image_, kBlack), 0);
    EXPECT_EQ(last_status()[2], "縦大5.0000000");
    EXPECT_EQ(last_status()[3], "縦小5.0000000");

    fill([](int, int) { return 0.0; });  // without AutoScale: an all-zero field
    view().AutoScale = false;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    EXPECT_EQ(count_pixels(image_, kBlack), 0);

    view().AutoScale = true;  // a span so small that the scale is infinite
    values().at(1, 1) = 1e-310;
    EXPECT_EQ(draw(Draw_Detail).failure, PlotFailure::Numeric);
}

TEST_F(LinePlotsTest, DetailScaleGrowsTheImageAndDrawsTheLadders) {
    fill([](int, int j) { return double(j); });
    view().YScale = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    ASSERT_EQ(image_.size(), QSize(500, 525));
    EXPECT_EQ(plot_.height, 525);
    // t = 25 div 8 = 3: ticks over columns 10..15 and 485..490; the value axis
    // runs from row 475 up to 525 - 475 = 50.
    for (const int row : upper_ladder(475, 50)) {
        EXPECT_EQ(rgb_at(image_, 10, row), kBlue) << row;
        EXPECT_EQ(rgb_at(image_, 15, row), kBlue) << row;
        EXPECT_EQ(rgb_at(image_, 16, row), kWhite) << row;
        EXPECT_EQ(rgb_at(image_, 487, row), kBlue) << row;
    }
    EXPECT_EQ(rgb_at(image_, 12, 470), kWhite);
    // Range texts: lo at (10, 475 + 6), hi at (10, 6).
    EXPECT_GT(non_white_pixels(image_, QRect(10, 481, 80, 20)), 20);
    EXPECT_GT(non_white_pixels(image_, QRect(10, 6, 80, 20)), 20);
    // The curve steps 11 times, the upper ladder 9 and the collapsed lower one 10.
    EXPECT_EQ(progress_.maxima, (std::vector<int>{11, 9, 9}));
    EXPECT_EQ(progress_.steps, 30);
    EXPECT_EQ(progress_.positions.back(), 0);
}

TEST_F(LinePlotsTest, DetailPointsRingEveryNodeAndTwiceTheMaximum) {
    fill([](int, int j) { return double(j); });
    view().Detail_Point = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    auto red_in = [&](QPoint centre, int inner, int outer) {
        int n = 0;
        for (int y = centre.y() - outer; y <= centre.y() + outer; ++y)
            for (int x = centre.x() - outer; x <= centre.x() + outer; ++x) {
                const bool in_ring = std::max(std::abs(x - centre.x()), std::abs(y - centre.y())) >= inner;
                n += in_ring && rgb_at(image_, x, y) == kRed;
            }
        return n;
    };
    // Values 1..11 at length 5 rise 90 / 11 rows per unit from row 475.
    const QPoint middle(250, 475 - Nearest(6 * 90.0 / 11));  // j = 6
    const QPoint top(475, 385);                              // j = 11, the maximum
    EXPECT_GT(red_in(middle, 0, 3), 0);
    EXPECT_EQ(red_in(middle, 4, 6), 0);
    EXPECT_GT(red_in(top, 4, 6), 0);
}

TEST_F(LinePlotsTest, DetailReadOutsAndMarkerReadOuts) {
    fill([](int, int) { return 1.0; });
    values().at(3, 4) = 2.5;
    view().XPos = 3;
    view().YPos = 4;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    EXPECT_EQ(last_status(),
              (Texts{"i=2", "j=3", "縦大2.5000000", "縦小0.0000000", "S大2.5000000", "S小1.0000000", "S=2.5000000"}));
    status_.shown.clear();
    view().YAxis = true;
    ASSERT_TRUE(draw(Draw_Detail).ok());
    ASSERT_EQ(status_.shown.size(), 1u);
    EXPECT_EQ(last_status(), (Texts{"i=2", "j=3", "軸大=2.5000000", "軸小=0.0000000", "S大=2.5000000", "S小1.0000000",
                                    "S=2.5000000"}));
    // The marker: node j = 4 at column 25 + 135, from row 475 up to 25 - 4.
    EXPECT_EQ(rgb_at(image_, 160, 300), kGreyOnWhite);
    EXPECT_EQ(rgb_at(image_, 160, 22), kGreyOnWhite);
    EXPECT_EQ(rgb_at(image_, 160, 21), kWhite);
}

}  // namespace
}  // namespace ruvo
