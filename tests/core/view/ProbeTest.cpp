#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <optional>

#include "TestSupport.h"
#include "core/plot/PlotTestSupport.h"
#include "plot/PlotContext.h"
#include "plot/ProbeMarks.h"
#include "plot/Renderer.h"
#include "view/DisplaySwitches.h"
#include "view/Probe.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// A pixel mapping so fine that a pixel is a millionth of a grid unit.
void map_finely(View_Info& view) {
    view.x_scale = view.y_scale = 1e5;
    view.dx = view.dy = 2'000'000;
}

// The pixel at the cell's own coordinates (s, t) in 0..1: the bilinear blend
// of its corners. (0.25, 0.25) lies in its lower-left quarter.
QPoint in_cell(const Workspace& ws, int i, int j, double s, double t) {
    const auto blend = [&](const Table& c) {
        return (1 - s) * (1 - t) * c(i, j) + s * (1 - t) * c(i + 1, j) + (1 - s) * t * c(i, j + 1) +
               s * t * c(i + 1, j + 1);
    };
    return mapping_of(ws.views.current()).pixel({blend(ws.store.grid_x), blend(ws.store.grid_y)});
}

std::optional<ProbeNode> found_at(Workspace& ws, QPoint pixel) {
    ws.probe = {};
    if (!Find_Probe_Node(ws, pixel)) return std::nullopt;
    return ws.probe.probe();
}

// The quarter tests as first written, for cells whose x grows with i and y with j.
std::optional<ProbeNode> written_rule(const FieldStore& s, const DrawRect& area, double wx, double wy) {
    std::optional<ProbeNode> found;
    for (int j = area.y_start; j < area.y_end; ++j) {
        for (int i = area.x_start; i < area.x_end; ++i) {
            const double x0 = s.grid_x(i, j), x1 = s.grid_x(i + 1, j), y0 = s.grid_y(i, j), y1 = s.grid_y(i, j + 1);
            const double xm = x0 + 0.5 * (x1 - x0), ym = y0 + 0.5 * (y1 - y0);
            const bool lower_left = y0 <= wy && wy < ym && x0 <= wx && wx < xm;
            const bool upper_right = ym <= wy && wy < y1 && xm <= wx && wx < x1;
            if (lower_left || upper_right) {
                found = lower_left ? ProbeNode{i, j} : ProbeNode{i + 1, j + 1};
                break;
            }
        }
    }
    return found;
}

TEST(FindProbeNode, RectangularCellsKeepTheWrittenHalfOpenQuarters) {
    // Uneven spacings with whole midpoints, one grid unit to the pixel, so
    // that pixels fall on every edge of every quarter.
    const double xs[] = {0, 4, 10, 16};
    const double ys[] = {0, 6, 8};
    auto ws = test::grid_workspace(4, 3);
    for (int n = 0; n < 12; ++n) {
        ws->store.grid_x.at(n % 4 + 1, n / 4 + 1) = xs[n % 4];
        ws->store.grid_y.at(n % 4 + 1, n / 4 + 1) = ys[n / 4];
    }
    ws->views.current().x_scale = ws->views.current().y_scale = 1.0;
    ws->views.current().dy = 100;
    int found = 0;
    for (int x = -1; x <= 17; ++x) {
        for (int y = 100 - 9; y <= 101; ++y) {
            const std::optional<ProbeNode> expected = written_rule(ws->store, area_of(ws->views.current()), x, 100 - y);
            EXPECT_EQ(found_at(*ws, {x, y}), expected) << x << ", " << 100 - y;
            found += expected.has_value();
        }
    }
    EXPECT_EQ(found, 16 * 8 / 2);  // half of every cell
}

// Through the index of the grid's cells and by the walk over every cell of
// the area, every point finds the same node by both rules, on a curvilinear
// grid and on degenerate ones. A coordinate that is not finite, outside the
// area, makes the probe walk.
TEST(FindProbeNode, TheIndexAnswersAsTheWalkOverEveryCell) {
    using Node = std::complex<double>;
    struct Case {
        int ni, nj;
        DrawRect area;
        double x_scale, y_scale;  // pixels to a grid unit, the origin at pixel (300, 300)
        QRect pixels;             // where the points tried lie, `step` apart
        int step;
        Node (*node)(int i, int j);
    };
    const auto half_ring = [](int i, int j) { return std::polar(1.0 + j / 200.0, std::numbers::pi * (i - 1) / 299); };
    const auto ring = [](int i, int j) { return std::polar(1.0 + j / 10.0, std::numbers::pi * ((i - 1) % 40) / 20); };
    const auto folded = [](int i, int j) { return Node(i > 6 ? i - 3 : i, j == 6 ? 5 : j); };
    const auto one_point = [](int, int) { return Node(1, 1); };
    const auto column = [](int, int j) { return Node(0, j); };
    const auto not_finite = [](int i, int j) { return i * j == 25 ? Node(std::nan(""), HUGE_VAL) : Node(i, j); };
    const Case cases[] = {
        {300, 200, {1, 1, 300, 200}, 100, 150, {95, -5, 410, 310}, 29, half_ring},
        {41, 11, {5, 2, 30, 11}, 40, 40, {212, 212, 176, 176}, 7, ring},  // closed, part of it shown
        {12, 12, {1, 1, 12, 12}, 2, 3, {298, 260, 24, 42}, 1, folded},    // a row collapsed too
        {20, 20, {1, 1, 20, 20}, 10, 10, {300, 280, 20, 20}, 1, one_point},
        {1, 30, {1, 1, 1, 30}, 10, 10, {295, 0, 10, 300}, 2, column},
        {10, 10, {1, 1, 10, 10}, 10, 10, {305, 195, 100, 100}, 2, not_finite},
    };
    for (const Case& c : cases) {
        auto ws = test::grid_workspace(c.ni, c.nj);
        for (int n = 0; n < c.ni * c.nj; ++n) {
            const Node node = c.node(n % c.ni + 1, n / c.ni + 1);
            ws->store.grid_x.at(n % c.ni + 1, n / c.ni + 1) = node.real();
            ws->store.grid_y.at(n % c.ni + 1, n / c.ni + 1) = node.imag();
        }
        View_Info& view = ws->views.current();
        set_area(view, c.area);
        view.x_scale = c.x_scale;
        view.y_scale = c.y_scale;
        view.dx = view.dy = 300;
        const auto answers = [&] {
            std::vector<std::optional<ProbeNode>> found;
            for (const bool nearest : {false, true}) {
                view.nearest_probe = nearest;
                for (int x = c.pixels.left(); x <= c.pixels.right(); x += c.step)
                    for (int y = c.pixels.top(); y <= c.pixels.bottom(); y += c.step)
                        found.push_back(found_at(*ws, {x, y}));
            }
            return found;
        };
        const std::vector<std::optional<ProbeNode>> indexed = answers();
        ws->store.grid_x.at(c.ni + 1, c.nj + 1) = std::nan("");
        EXPECT_EQ(answers(), indexed) << c.ni << " x " << c.nj;
    }
}

// The cylinder sample (an O-grid of 121 x 41 nodes) in a contour view of its pressure.
class CylinderProbe : public ::testing::Test {
protected:
    CylinderProbe() {
        load_project(*ws_, test::example(QStringLiteral("cylinder/cylinder.RVP")));
        slot_ = open_view(*ws_, FileKind::Scalar, 0).slot;
        NoProgress progress;
        NoStatusBoxes status;
        EXPECT_TRUE(render_view(*ws_, slot_, picture_, progress, status).ok());
    }
    std::unique_ptr<Workspace> ws_ = std::make_unique<Workspace>();
    int slot_ = 0;
    QImage picture_;
};

ProbeMark dot(int i, int j) { return {ProbeMark::Kind::Dot, {i, j}, {}}; }
ProbeMark band(ProbeNode low, ProbeNode high) { return {ProbeMark::Kind::Band, low, high}; }

// The cells of the O-grid face every way: curved, turned, reversed in x, in
// y or in both as they go round.
TEST_F(CylinderProbe, TheQuartersOfEveryCellAllAroundTheCylinder) {
    map_finely(ws_->views.current());
    for (const int j : {1, 20, 40}) {
        for (int i = 1; i < 121; ++i) {
            EXPECT_EQ(found_at(*ws_, in_cell(*ws_, i, j, 0.25, 0.25)), (ProbeNode{i, j})) << i << ", " << j;
            EXPECT_EQ(found_at(*ws_, in_cell(*ws_, i, j, 0.75, 0.75)), (ProbeNode{i + 1, j + 1})) << i << ", " << j;
            EXPECT_EQ(found_at(*ws_, in_cell(*ws_, i, j, 0.75, 0.25)), std::nullopt) << i << ", " << j;
            EXPECT_EQ(found_at(*ws_, in_cell(*ws_, i, j, 0.25, 0.75)), std::nullopt) << i << ", " << j;
        }
    }
}

TEST_F(CylinderProbe, MarkerAndBandFollowTheProbeAndDrawnTwiceLeaveNoTrace) {
    const QImage plot = picture_;
    ProbeState& p = ws_->probe;
    // Nothing is marked or shown before the probe has found a node.
    ProbeEffect effect = probe_mouse_move(*ws_, {0, 0});
    EXPECT_TRUE(effect.marks().empty());
    EXPECT_FALSE(effect.show_values);

    const QPoint near_node = in_cell(*ws_, 100, 25, 0.25, 0.25);
    effect = probe_mouse_move(*ws_, near_node);
    EXPECT_EQ(effect.marks(), std::vector{dot(100, 25)});
    EXPECT_TRUE(effect.show_values);
    EXPECT_TRUE(probe_mouse_move(*ws_, near_node).marks().empty());  // erased and drawn again: nothing to do

    probe_mouse_down(*ws_, ProbeButton::Left);
    p.skip_erase = false;                                                // no status refresh here
    effect = probe_mouse_move(*ws_, in_cell(*ws_, 20, 38, 0.25, 0.25));  // across the seam of the O-grid
    // The old dot goes, the new one comes, the band grows from the anchor.
    EXPECT_EQ(effect.marks(), (std::vector{dot(100, 25), dot(20, 38), band({20, 25}, {100, 38})}));

    // Every pixel that changes lies in the rectangles returned.
    const std::vector<QRect> changed =
        draw_probe_marks(picture_, ws_->store, mapping_of(ws_->views.current()), effect.marks());
    int differing = 0;
    for (int y = 0; y < plot.height(); ++y) {
        for (int x = 0; x < plot.width(); ++x) {
            if (picture_.pixel(x, y) == plot.pixel(x, y)) continue;
            ++differing;
            EXPECT_TRUE(std::any_of(changed.begin(), changed.end(), [&](QRect r) { return r.contains(x, y); }));
        }
    }
    EXPECT_GT(differing, 200);
    draw_probe_marks(picture_, ws_->store, mapping_of(ws_->views.current()), effect.marks());
    EXPECT_EQ(picture_, plot);

    // The right button cancels: both dots and the band go.
    effect = probe_mouse_down(*ws_, ProbeButton::Right);
    EXPECT_EQ(effect.marks(), (std::vector{dot(20, 38), dot(100, 25), band({20, 25}, {100, 38})}));
    EXPECT_FALSE(p.selecting);
}

TEST_F(CylinderProbe, ReadOutOfTheFirstNodeCountsFromZero) {
    ws_->probe.probe_i = ws_->probe.probe_j = 1;
    const std::array<QString, 7> texts = probe_readout(*ws_);
    EXPECT_EQ(QStringList(texts.begin(), texts.begin() + 4),
              (QStringList{" i=0", " j= 0", "grid_x=0.5000000", "grid_y=0.0000000"}));
    const ViewFields shown = view_fields(ws_->store, ws_->views.at(slot_));
    EXPECT_EQ(texts[6], "S=" + QString::number(shown.current_scalars().value(1, 1), 'f', 7));
}

// Two clicks select an area; Pre_Area swaps it with the one shown before;
// All_Area shows the whole grid and keeps the previous area.
TEST_F(CylinderProbe, SelectionPreviousAreaAndWholeArea) {
    View_Info& view = ws_->views.at(slot_);
    ProbeState& p = ws_->probe;
    const auto area = [&] { return std::array{view.x_start, view.y_start, view.x_end, view.y_end}; };
    const auto previous = [&] {
        return std::array{view.pre_x_start, view.pre_y_start, view.pre_x_end, view.pre_y_end};
    };
    const auto click_at = [&](int i, int j) {
        p.probe_i = i;
        p.probe_j = j;
        return probe_mouse_down(*ws_, ProbeButton::Left);
    };
    const std::array whole{1, 1, 121, 41};

    click_at(30, 10);
    for (const auto& [i, j] : {std::pair{30, 20}, {60, 10}}) {  // the anchor's column, then its row
        EXPECT_FALSE(click_at(i, j).redraw);
        EXPECT_TRUE(p.selecting);
        EXPECT_EQ(area(), whole);
    }
    EXPECT_TRUE(click_at(20, 25).redraw);
    EXPECT_FALSE(p.selecting);
    const std::array first{20, 10, 30, 25};
    EXPECT_EQ(area(), first);
    EXPECT_EQ(previous(), whole);

    Pre_AreaClick(view);
    EXPECT_EQ(area(), whole);
    Pre_AreaClick(view);
    EXPECT_EQ(area(), first);

    click_at(22, 12);
    click_at(25, 14);
    Show_AllClick(view, ws_->store);
    EXPECT_EQ(area(), whole);
    EXPECT_EQ(previous(), first);
}

}  // namespace
}  // namespace ruvo
