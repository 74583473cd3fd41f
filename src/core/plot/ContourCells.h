#pragma once

#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "view/ViewFields.h"

namespace ruvo {

// Where contour lines run, in grid coordinates: the rule shared by the screen
// plot and the GRAF export, each mapping the segments to its own units.

// Level k (1..n) of n: the n levels cut the range into n + 1 equal parts, so
// neither end of the range is a level. Equal ends give n equal levels.
inline double contour_level(double range_min, double range_max, int level_count, int k) {
    return range_min + (range_max - range_min) / (level_count + 1) * k;
}

// An edge from a node of value `from` to a node of value `to` is crossed when
// the level lies in [from, to) or (to, from]: a node on the level counts only
// as the edge's from-node, so an edge with both ends on the level is never
// crossed and `to - from` is never zero when the fraction is computed.
inline bool edge_crossed(double from, double to, double level) {
    return (from <= level && level < to) || (to < level && level <= from);
}

// The cell edges, each from its first node to its second; crossing point Pn
// lies on edge En.
enum CellEdge { kE1 = 0, kE2 = 1, kE3 = 2, kE4 = 3 };

struct ContourSegment {
    QPointF a;
    QPointF b;
};
using CellSegments = std::array<ContourSegment, 4>;

// Which pairs of crossed edges are joined, tested in this order: (P1, P2) only
// when E3 and E4 are not crossed, (P1, P3), (P1, P4), (P2, P3), (P2, P4), and
// (P3, P4) only when E1 and E2 are not crossed. A saddle (all four crossed)
// gets four segments; three crossed edges get the two that share the odd one.
// Writes the pairs and returns how many (0..4).
inline int joined_edge_pairs(const std::array<bool, 4>& crossed, std::array<std::array<int, 2>, 4>& pairs) {
    const bool e1 = crossed[kE1], e2 = crossed[kE2], e3 = crossed[kE3], e4 = crossed[kE4];
    const std::array<bool, 6> joined = {e1 && e2 && !e3 && !e4, e1 && e3, e1 && e4, e2 && e3, e2 && e4,
                                        e3 && e4 && !e1 && !e2};
    static constexpr std::array<std::array<int, 2>, 6> kPairs = {
        {{kE1, kE2}, {kE1, kE3}, {kE1, kE4}, {kE2, kE3}, {kE2, kE4}, {kE3, kE4}}};
    int count = 0;
    for (std::size_t p = 0; p < kPairs.size(); ++p) {
        if (joined[p]) pairs[static_cast<std::size_t>(count++)] = kPairs[p];
    }
    return count;
}

namespace detail {
// Every edge tested, crossing points interpolated, pairs joined.
inline int cell_segments(const ViewFields& store, const Table& s, int i, int j, double level, CellSegments& out) {
    // From-node and to-node of E1..E4.
    static constexpr std::array<std::array<int, 4>, 4> kEdges = {{
        {0, 0, 0, 1},  // E1: (i, j) -> (i, j+1)
        {1, 0, 1, 1},  // E2: (i+1, j) -> (i+1, j+1)
        {0, 0, 1, 0},  // E3: (i, j) -> (i+1, j)
        {0, 1, 1, 1},  // E4: (i, j+1) -> (i+1, j+1)
    }};
    std::array<bool, 4> crossed{};
    std::array<QPointF, 4> point;
    for (std::size_t e = 0; e < kEdges.size(); ++e) {
        const int ia = i + kEdges[e][0], ja = j + kEdges[e][1], ib = i + kEdges[e][2], jb = j + kEdges[e][3];
        const double sa = s(ia, ja), sb = s(ib, jb);
        crossed[e] = edge_crossed(sa, sb, level);
        if (!crossed[e]) continue;
        const double t = (level - sa) / (sb - sa);
        const double xa = store.grid_x(ia, ja), ya = store.grid_y(ia, ja);
        point[e] = {xa + (store.grid_x(ib, jb) - xa) * t, ya + (store.grid_y(ib, jb) - ya) * t};
    }
    std::array<std::array<int, 2>, 4> pairs;
    const int count = joined_edge_pairs(crossed, pairs);
    for (int p = 0; p < count; ++p) {
        const auto& pair = pairs[static_cast<std::size_t>(p)];
        out[static_cast<std::size_t>(p)] = {point[static_cast<std::size_t>(pair[0])],
                                            point[static_cast<std::size_t>(pair[1])]};
    }
    return count;
}
}  // namespace detail

// The span of values of every cell of the drawing rectangle, taken once for
// all the levels of a plot. Every crossed edge has one end at or below the
// level and the other at or above it, so a level outside a cell's span (most
// cells for most levels) passes it over at once; the spans of runs of cells
// along a row pass over a whole run the level lies outside of. min and max
// may pass over a NaN, so a cell holding one spans everything and is left to
// the full test. A cell `skipped` names is crossed by no level.
class ContourCellSpans {
public:
    template <typename Skipped>
    ContourCellSpans(const ViewFields& store, const Table& s, Skipped skipped) : draw_(store.draw) {
        constexpr double kInfinity = std::numeric_limits<double>::infinity();
        const int columns = std::max(this->columns(), 0);
        const int rows = std::max(draw_.y_end - draw_.y_start, 0);
        spans_.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
        // Column by column, the tables' own order: a row at a time would
        // jump between columns at every value.
        for (int i = draw_.x_start; i <= draw_.x_end - 1; ++i) {
            for (int j = draw_.y_start; j <= draw_.y_end - 1; ++j) {
                const double s00 = s(i, j), s10 = s(i + 1, j), s01 = s(i, j + 1), s11 = s(i + 1, j + 1);
                Span& span = spans_[static_cast<std::size_t>(j - draw_.y_start) * static_cast<std::size_t>(columns) +
                                    static_cast<std::size_t>(i - draw_.x_start)];
                if (skipped(i, j)) {
                    span = {kInfinity, -kInfinity};
                } else if (std::isnan(s00 + s10 + s01 + s11)) {
                    span = {-kInfinity, kInfinity};
                } else {
                    span = {std::min(std::min(s00, s10), std::min(s01, s11)),
                            std::max(std::max(s00, s10), std::max(s01, s11))};
                }
            }
        }
        for (std::size_t row = 0; row < static_cast<std::size_t>(rows); ++row) {
            for (int c = 0; c < columns; ++c) {
                const Span& span = spans_[row * static_cast<std::size_t>(columns) + static_cast<std::size_t>(c)];
                if (c % kRun == 0) runs_.push_back(span);
                runs_.back() = {std::min(runs_.back().lowest, span.lowest),
                                std::max(runs_.back().highest, span.highest)};
            }
        }
    }
    // Hands `use` every cell (i, j) the level may cross, rows j outer and
    // columns i inner.
    template <typename UseCell>
    void for_each_cell_in_span(double level, UseCell use) const {
        const int columns = this->columns();
        std::size_t run = 0;
        for (int j = draw_.y_start; j <= draw_.y_end - 1; ++j) {
            const std::size_t row = static_cast<std::size_t>(j - draw_.y_start) * static_cast<std::size_t>(columns);
            for (int first = 0; first < columns; first += kRun, ++run) {
                if (!runs_[run].holds(level)) continue;
                const int last = std::min(first + kRun, columns);
                for (int c = first; c < last; ++c) {
                    if (spans_[row + static_cast<std::size_t>(c)].holds(level)) use(draw_.x_start + c, j);
                }
            }
        }
    }

private:
    static constexpr int kRun = 32;
    struct Span {
        double lowest;
        double highest;
        bool holds(double level) const { return level >= lowest && level <= highest; }
    };
    int columns() const { return draw_.x_end - draw_.x_start; }

    DrawRect draw_;
    std::vector<Span> spans_;
    std::vector<Span> runs_;  // of kRun cells along a row, the last of a row shorter
};

// Hands every segment of `level` over the drawing rectangle to `use`, cell
// by cell (rows j outer, columns i inner), in each cell in joining order;
// passes over the cells the spans rule out.
template <typename UseSegment>
void for_each_contour_segment(const ViewFields& store, const Table& s, double level, const ContourCellSpans& spans,
                              UseSegment use) {
    CellSegments segments;
    spans.for_each_cell_in_span(level, [&](int i, int j) {
        const int count = detail::cell_segments(store, s, i, j, level, segments);
        for (int n = 0; n < count; ++n) use(segments[static_cast<std::size_t>(n)]);
    });
}

}  // namespace ruvo
