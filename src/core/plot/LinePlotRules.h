#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "data/Table.h"
#include "plot/GridLine.h"
#include "view/ViewFields.h"
#include "view/ViewTable.h"

namespace ruvo {

// The rules of the line plots in grid indices and values, written once for
// the screen plots and the GRAF export alike.

// Grid units of profile displacement per unit of value, before the largest
// value and the length setting are applied.
inline constexpr double kKEpsilonProfileFactor = 0.04;
inline constexpr double kRowProfileFactor = 0.04;
inline constexpr double kColumnProfileFactor = 0.1;

// The node (XPos, YPos) the line plots focus on, as table indices.
struct FocusNode {
    int i = 1;
    int j = 1;
};

// Positions outside the tables' range read its nearest node.
inline FocusNode focus_node(const View_Info& view, const ViewFields& store) {
    const NodeRange range = store.fields.node_range();
    return {std::clamp(int{view.XPos}, 1, range.i_max), std::clamp(int{view.YPos}, 1, range.j_max)};
}

// The line the Detail graph shows: of constant i with Detail_Axis, else of constant j.
inline GridLine detail_line(const View_Info& view, const ViewFields& store) {
    const FocusNode n = focus_node(view, store);
    return view.Detail_Axis ? line_of_constant_i(n.i, store.draw) : line_of_constant_j(n.j, store.draw);
}

// Lines of constant i the K-e view draws. Its counter i runs from x_start and
// draws line i + (i - x_start) x step, so successive lines lie step + 1 apart
// (step 1 draws every second line); it stops once a line passes x_end.
inline std::vector<int> ke_lines(int draw_x_start, int draw_x_end, int x_grid_step) {
    const int spacing = std::clamp(x_grid_step, 0, std::max(draw_x_end - draw_x_start, 0)) + 1;
    std::vector<int> lines;
    for (int ii = draw_x_start; ii <= draw_x_end; ii += spacing) lines.push_back(ii);
    return lines;
}

// Displacement per unit of value: length x (grid extent / largest value) x
// factor. Nothing when the largest value is 0, or so close to 0 that the
// scale is no finite number.
inline std::optional<double> profile_scale(int length, double grid_max_extent, double largest, double factor) {
    if (largest == 0.0) return std::nullopt;
    const double scale = length * (grid_max_extent / largest) * factor;
    if (!std::isfinite(scale)) return std::nullopt;
    return scale;
}

// Sign of a x b, found without multiplying: tiny extremes would underflow to 0.
inline int product_sign(double a, double b) {
    if (a == 0.0 || b == 0.0) return 0;
    return (a > 0.0) == (b > 0.0) ? 1 : -1;
}

struct ValueRange {
    double hi = 0.0;
    double lo = 0.0;
};

// Value axis of the Detail graph without AutoScale: data of one sign is shown
// from 0 (all positive: lo = 0; all negative: hi = 0), mixed data between its
// extremes.
inline ValueRange detail_fixed_range(double max_s, double min_s) {
    if (product_sign(max_s, min_s) > 0) return min_s > 0.0 ? ValueRange{max_s, 0.0} : ValueRange{0.0, min_s};
    return {max_s, min_s};
}

// Extremes along one line, starting beyond every finite value, so that any
// value a reader accepts is found.
inline ValueRange line_range(const Table& s, const GridLine& line) {
    ValueRange range{-std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (int k = line.first; k <= line.last; ++k) {
        const double v = s(line.i(k), line.j(k));
        if (v > range.hi) range.hi = v;
        if (v < range.lo) range.lo = v;
    }
    return range;
}

// What the Detail graph shows: the extremes over the drawing rectangle and
// the ends of its value axis (the line's own extremes with AutoScale).
struct DetailScale {
    double max_s = 0.0;
    double min_s = 0.0;
    ValueRange axis;
};

// Units per unit of value above the axis's lower end, for a value axis
// `axis_height` units high. An axis whose ends are equal (a constant line, or
// all values 0) has no height: its values all lie on the bottom row, which is
// also the zero line then. Nothing when too large to draw.
inline std::optional<double> detail_vertical_scale(const View_Info& view, const ValueRange& axis, double axis_height) {
    const double span = axis.hi - axis.lo;
    if (span == 0.0) return 0.0;
    const double vs = view.AutoScale ? axis_height / span : view.length * axis_height / span * 0.04;
    if (!std::isfinite(vs)) return std::nullopt;
    return vs;
}

struct TickLadders {
    bool upper = false;  // from the zero line up to the top of the value axis
    bool lower = false;  // from the bottom of the value axis up to the zero line
};

// Which tick ladders the Detail graph's scale draws. With lo = 0 both are
// drawn and the lower one collapses onto the zero line.
inline TickLadders detail_ladders(bool auto_scale, double max_s, double min_s, double lo) {
    if (auto_scale) return {true, false};
    const bool mixed = product_sign(max_s, min_s) < 0;
    return {mixed || lo >= 0.0, mixed || lo <= 0.0};
}

namespace detail {
// Rows of a ladder's stepped ticks: for k = first_k..9 the row moves on by
// (row - target) div (10 - k), integer division truncating toward zero, so
// the last one lands on the target.
inline std::vector<int> ladder_steps(int start, int target, int first_k) {
    std::vector<int> rows;
    int y = start;
    for (int k = first_k; k <= 9; ++k) {
        y -= (y - target) / (10 - k);
        rows.push_back(y);
    }
    return rows;
}
}  // namespace detail

// Tick rows of the upper ladder: one at the top row, then nine stepping from
// `start` up to it. Each tick after the first steps the progress bar.
inline std::vector<int> upper_ladder(int start, int top) {
    std::vector<int> rows{top};
    const std::vector<int> steps = detail::ladder_steps(start, top, 1);
    rows.insert(rows.end(), steps.begin(), steps.end());
    return rows;
}

// Tick rows of the lower ladder: one at the bottom row, then ten stepping
// from it to `target`. Each tick after the first steps the progress bar.
inline std::vector<int> lower_ladder(int bottom, int target) {
    std::vector<int> rows{bottom};
    const std::vector<int> steps = detail::ladder_steps(bottom, target, 0);
    rows.insert(rows.end(), steps.begin(), steps.end());
    return rows;
}

}  // namespace ruvo
