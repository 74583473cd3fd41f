#include <gtest/gtest.h>

#include <cmath>
#include <climits>

#include "../plot/PlotTestSupport.h"
#include "data/Nearest.h"
#include "view/Geometry.h"

namespace ruvo {
namespace {

TEST(Nearest, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(1.5), 2);
    EXPECT_EQ(Nearest(2.5), 2);
    EXPECT_EQ(Nearest(-0.5), 0);
    EXPECT_EQ(Nearest(-1.5), -2);
    EXPECT_EQ(Nearest(2.4999), 2);
    EXPECT_EQ(Nearest(1e300), INT_MAX);
    EXPECT_EQ(Nearest(-1e300), INT_MIN);
    EXPECT_EQ(Nearest(std::nan("")), 0);
    // The quick path agrees with nearbyint up to the ends of the int range.
    for (const double edge : {0.0, 1.0, 4e6, double(INT_MAX) - 1.0, double(INT_MAX)}) {
        for (const double offset : {-0.5, -0.25, 0.0, 0.25, 0.5}) {
            for (const double x : {edge + offset, -(edge + offset)}) {
                if (std::abs(x) < double(INT_MAX)) {
                    EXPECT_EQ(Nearest(x), int(std::nearbyint(x))) << x;
                }
            }
        }
    }
    EXPECT_EQ(Nearest(double(INT_MAX) + 0.5), INT_MAX);
    EXPECT_EQ(Nearest(double(INT_MIN) - 0.5), INT_MIN);
    EXPECT_EQ(Truncate(-2.7), -2);
    EXPECT_EQ(Truncate(255.0 / 20 * 1), 12);
}

TEST(ArrayExtremes, FirstInScanOrderWinsAndEmptyAreaKeepsIndices) {
    auto ws = test::grid_workspace(4, 4);
    PlotState plot;
    Table t;
    t.at(3, 1) = 5.0;
    t.at(1, 2) = 5.0;  // later in scan order (j outer)
    t.at(2, 4) = -2.0;
    t.at(4, 4) = -2.0;
    const DrawRect all{1, 1, 4, 4};
    EXPECT_EQ(plot.Array_Max(t, all), 5.0);
    EXPECT_EQ(plot.max_i, 3);
    EXPECT_EQ(plot.max_j, 1);
    EXPECT_EQ(plot.Array_Min(t, all), -2.0);
    EXPECT_EQ(plot.min_i, 2);
    EXPECT_EQ(plot.min_j, 4);

    const DrawRect empty{3, 3, 2, 2};
    EXPECT_EQ(plot.Array_Min(t, empty), kArrayMinStart);
    EXPECT_EQ(plot.min_i, 2);
    Table huge;
    huge.at(1, 1) = 2e38;
    EXPECT_EQ(plot.Array_Min(huge, DrawRect{1, 1, 1, 1}), 2e38);  // any finite value is found
}

// The scans read tables through memory; they must find exactly what one
// walk with j outer and i inner, keeping strictly better values and equal
// ones of a smaller j, finds: over few distinct values (many ties), signed
// zeros, NaN and infinities, and rectangles reaching past the table.
TEST(ArrayExtremes, MatchAWalkInScanOrderOnEveryRectangle) {
    const auto walk = [](const Table& t, const DrawRect& r, double start, auto better) {
        Extreme found{start, 0, 0, false};
        for (int j = r.y_start; j <= r.y_end; ++j) {
            for (int i = r.x_start; i <= r.x_end; ++i) {
                if (better(t(i, j), found.value)) found = {t(i, j), i, j, true};
            }
        }
        return found;
    };
    const auto same = [](const Extreme& a, const Extreme& b) {
        return a.found == b.found && a.i == b.i && a.j == b.j && std::signbit(a.value) == std::signbit(b.value) &&
               (a.value == b.value || (std::isnan(a.value) && std::isnan(b.value)));
    };
    const double kValues[] = {-0.0, 0.0, 1.0, -1.0, 2.5, std::nan(""), HUGE_VAL, -HUGE_VAL, 1.0};
    unsigned seed = 7;
    for (int round = 0; round < 40; ++round) {
        Table t;
        t.reset(9 + round % 5, 11 + round % 3);
        for (int i = 1; i <= t.i_max(); ++i) {
            for (int j = 1; j <= t.j_max(); ++j) {
                seed = seed * 1103515245U + 12345U;
                t.at(i, j) = kValues[(seed >> 16) % (round % 2 == 0 ? 9 : 3)];
            }
        }
        const double floor = kValues[round % 5];
        const double ceiling = kValues[(round + 2) % 5];
        for (const DrawRect r : {DrawRect{1, 1, t.i_max(), t.j_max()}, DrawRect{2, 3, 5, 7}, DrawRect{4, 9, 16, 18},
                                 DrawRect{1, 1, 1, 1}, DrawRect{3, 4, 2, 4}}) {
            const ExtremePair both = array_extremes(t, r);
            const auto greater = [](double a, double b) { return a > b; };
            const auto less = [](double a, double b) { return a < b; };
            const auto above = [&](double a, double b) { return a > floor && a < b; };
            const auto below = [&](double a, double b) { return a < ceiling && a > b; };
            const std::pair<Extreme, Extreme> found_and_walked[] = {
                {array_max(t, r), walk(t, r, kArrayMaxStart, greater)},
                {both.max, walk(t, r, kArrayMaxStart, greater)},
                {array_min(t, r), walk(t, r, kArrayMinStart, less)},
                {both.min, walk(t, r, kArrayMinStart, less)},
                {array_min_above(t, r, floor), walk(t, r, kArrayMinStart, above)},
                {array_max_below(t, r, ceiling), walk(t, r, kArrayMaxStart, below)}};
            for (const auto& [found, walked] : found_and_walked) EXPECT_TRUE(same(found, walked)) << round;
        }
    }
}

struct Layout {
    std::unique_ptr<Workspace> ws;
    PlotState plot{};
    View_Info& view() { return ws->views.at(1); }
    GeometryFailure lay_out(int magnification = 100) {
        return Set_View_Geometry(plot, view_fields(ws->store, view()), view(), magnification);
    }
};

TEST(ViewGeometry, SquareGridAtHundredAndEightHundredPercent) {
    Layout l{test::grid_workspace(3, 3)};
    ASSERT_EQ(l.lay_out(100), GeometryFailure::None);
    const PlotState& p = l.plot;
    EXPECT_EQ(p.width, 500);
    EXPECT_EQ(p.height, 500);
    EXPECT_EQ(p.PixelX(0.0), 25);
    EXPECT_EQ(p.PixelX(1.0), 475);
    EXPECT_EQ(p.PixelY(0.0), 475);
    EXPECT_EQ(p.PixelY(1.0), 25);
    EXPECT_EQ(l.view().ratio, 1.0);
    EXPECT_EQ(l.view().x_scale, 450.0);
    EXPECT_EQ(l.view().dx, 25);
    EXPECT_EQ(l.view().dy, 475);

    ASSERT_EQ(l.lay_out(800), GeometryFailure::None);
    EXPECT_EQ(p.width, 4000);
    EXPECT_EQ(p.height, 4000);
    EXPECT_EQ(p.PixelX(1.0), 3800);
}

TEST(ViewGeometry, TallGridAndUserRatio) {
    Layout l{test::grid_workspace(3, 3, 1.0, 2.0)};
    ASSERT_EQ(l.lay_out(), GeometryFailure::None);
    EXPECT_EQ(l.plot.height, 1000);
    EXPECT_EQ(l.plot.x_scale, l.plot.y_scale);

    l.view().ratio_fixed = true;
    l.view().ratio = 0.5;
    ASSERT_EQ(l.lay_out(), GeometryFailure::None);
    EXPECT_EQ(l.plot.height, 250);
    EXPECT_DOUBLE_EQ(l.plot.y_scale, l.plot.x_scale / 4);
    EXPECT_EQ(l.view().ratio, 0.5);
}

TEST(ViewGeometry, NegativeCoordinatesStillSpanFiveToNinetyFivePercent) {
    Layout l{test::grid_workspace(4, 4, 3.0, 3.0, -7.0, -5.0)};
    ASSERT_EQ(l.lay_out(), GeometryFailure::None);
    EXPECT_EQ(l.plot.PixelX(-7.0), 25);
    EXPECT_EQ(l.plot.PixelX(-4.0), 475);
    EXPECT_EQ(l.plot.PixelY(-5.0), 475);
    EXPECT_EQ(l.plot.PixelY(-2.0), 25);
}

TEST(ViewGeometry, DiagnosticLinesDescribeTheLayout) {
    Layout l{test::grid_workspace(3, 3)};
    l.lay_out();
    const QStringList& lines = l.plot.memo2.lines();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "Width=500");
    EXPECT_EQ(lines[2], "differ_x=1 differ_y=1");
    EXPECT_EQ(lines[4], "dx      =25 dy      =475");
    EXPECT_EQ(lines[5], "x_scale=450 y_scale=450");
}

TEST(ViewGeometry, DegenerateAreasAreReportedNotDividedBy) {
    Layout line{test::grid_workspace(1, 5)};
    EXPECT_EQ(line.lay_out(), GeometryFailure::ZeroExtent);
    Layout flat{test::grid_workspace(5, 5, 1.0, 0.0)};
    EXPECT_EQ(flat.lay_out(), GeometryFailure::ZeroExtent);
    Layout empty{test::grid_workspace(5, 5)};
    set_area(empty.view(), {4, 1, 2, 5});
    EXPECT_EQ(empty.lay_out(), GeometryFailure::EmptyArea);
    Layout huge{test::grid_workspace(3, 3)};
    huge.ws->store.grid_y.at(1, 1) = -1.5e308;  // finite values whose extent is not
    huge.ws->store.grid_y.at(3, 3) = 1.5e308;
    EXPECT_EQ(huge.lay_out(), GeometryFailure::BadExtent);
    Layout thin{test::grid_workspace(3, 3, 1.0, 1e-4)};
    EXPECT_EQ(thin.lay_out(), GeometryFailure::ImageTooSmall);
    Layout tall{test::grid_workspace(3, 3, 1.0, 1e4)};
    EXPECT_EQ(tall.lay_out(), GeometryFailure::ImageTooLarge);
}

// A grid of extent 1 a million units from the origin has offsets of 4.5E8
// pixels, within the mapping's integers; five million away they overflow.
TEST(ViewGeometry, GridFarFromTheOriginDrawsUntilItsOffsetsOverflow) {
    Layout near{test::grid_workspace(3, 3, 1.0, 1.0, -1e6, 1e6)};
    ASSERT_EQ(near.lay_out(), GeometryFailure::None);
    EXPECT_EQ(near.plot.pixel({-1e6 + 1, 1e6}), QPoint(475, 475));
    Layout far{test::grid_workspace(3, 3, 1.0, 1.0, 0.0, 5e6)};
    EXPECT_EQ(far.lay_out(), GeometryFailure::FarFromOrigin);
    EXPECT_EQ(Set_Fixed_Geometry(far.plot, view_fields(far.ws->store, far.view()), far.view()),
              GeometryFailure::FarFromOrigin);
}

TEST(FixedGeometry, WideGridFillsTheWidthTallGridTheHeight) {
    Layout wide{test::grid_workspace(3, 3, 2.0, 1.0)};
    wide.view().ratio = 7.0;  // neither read nor written
    ASSERT_EQ(Set_Fixed_Geometry(wide.plot, view_fields(wide.ws->store, wide.view()), wide.view()),
              GeometryFailure::None);
    const PlotState& p = wide.plot;
    EXPECT_EQ(p.width, 640);
    EXPECT_EQ(p.height, 480);
    EXPECT_EQ(p.PixelX(0.0), 64);
    EXPECT_EQ(p.PixelX(2.0), 576);
    EXPECT_EQ(p.PixelY(0.0), 384);
    EXPECT_EQ(p.PixelY(1.0), 128);
    EXPECT_EQ(wide.view().ratio, 7.0);

    Layout tall{test::grid_workspace(3, 3, 1.0, 2.0)};
    ASSERT_EQ(Set_Fixed_Geometry(tall.plot, view_fields(tall.ws->store, tall.view()), tall.view()),
              GeometryFailure::None);
    EXPECT_EQ(tall.plot.PixelY(0.0), 384);
    EXPECT_EQ(tall.plot.PixelY(2.0), 0);
    EXPECT_EQ(tall.plot.PixelX(1.0) - tall.plot.PixelX(0.0), 192);
}

}  // namespace
}  // namespace ruvo
