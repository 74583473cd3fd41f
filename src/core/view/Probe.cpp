#include "view/Probe.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "Texts.h"
#include "Workspace.h"
#include "view/DisplaySwitches.h"
#include "view/GridIndex.h"
#include "view/NodeReadout.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

using Point = GridPoint;

// a + (b - a) / 2, written so that on an axis-parallel cell every midpoint
// and the centre are exactly the values x0 + 0.5 (x1 - x0) and
// y0 + 0.5 (y1 - y0) that bound its quarters.
Point midpoint(Point a, Point b) { return {a.x + 0.5 * (b.x - a.x), a.y + 0.5 * (b.y - a.y)}; }

// Crossings of a ray towards +x with the edges (even-odd). An edge holds the
// points from its lower end up to, but not including, its upper one, and a
// point on an edge belongs to the side of larger x: an axis-parallel
// quadrilateral holds x0 <= x < x1 and y0 <= y < y1.
bool inside(const std::array<Point, 4>& corners, Point p) {
    bool in = false;
    for (std::size_t k = 0, m = 3; k < 4; m = k++) {
        const Point a = corners[k];
        const Point b = corners[m];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

Point node(const FieldStore& store, int i, int j) { return {store.grid_x(i, j), store.grid_y(i, j)}; }

// The node that the point finds in cell (i, j), if any.
std::optional<ProbeNode> node_in_cell(const FieldStore& store, int i, int j, Point p) {
    const Point p00 = node(store, i, j);
    const Point p10 = node(store, i + 1, j);
    const Point p01 = node(store, i, j + 1);
    const Point p11 = node(store, i + 1, j + 1);
    const Point lower = midpoint(p00, p10);
    const Point upper = midpoint(p01, p11);
    const Point left = midpoint(p00, p01);
    const Point right = midpoint(p10, p11);
    const Point centre = midpoint(lower, upper);
    if (inside({p00, lower, centre, left}, p)) return ProbeNode{i, j};
    if (inside({p11, upper, centre, right}, p)) return ProbeNode{i + 1, j + 1};
    return std::nullopt;
}

// The sides of the point a node lies on, one bit each: left, right, below,
// above. A cell whose four corners share a side lies wholly beside the
// point, outside the box of its corners.
using Sides = std::vector<std::uint8_t>;

void sides_of_column(const FieldStore& store, int i, int j_first, int j_last, Point p, Sides& sides) {
    for (int j = j_first; j <= j_last; ++j) {
        const Point n = node(store, i, j);
        sides[static_cast<std::size_t>(j)] =
            static_cast<std::uint8_t>((n.x < p.x) | (n.x > p.x) << 1 | (n.y < p.y) << 2 | (n.y > p.y) << 3);
    }
}

// The quarter rule of Find_Probe_Node. The cells are visited column by
// column, as the tables lie in memory; the find that counts is that of the
// highest row, and within it that of the first cell.
std::optional<ProbeNode> quarter_node(const FieldStore& store, const NodeBounds& nodes, Point p) {
    std::optional<ProbeNode> found;
    int found_row = 0;
    Sides left(static_cast<std::size_t>(nodes.j_last) + 1), right(left.size());
    sides_of_column(store, nodes.i_first, nodes.j_first, nodes.j_last, p, left);
    for (int i = nodes.i_first; i < nodes.i_last; ++i) {
        sides_of_column(store, i + 1, nodes.j_first, nodes.j_last, p, right);
        for (int j = std::max(nodes.j_first, found_row + 1); j < nodes.j_last; ++j) {
            const auto k = static_cast<std::size_t>(j);
            if ((left[k] & left[k + 1] & right[k] & right[k + 1]) != 0) continue;
            if (const std::optional<ProbeNode> in_cell = node_in_cell(store, i, j, p)) {
                found = in_cell;
                found_row = j;
            }
        }
        std::swap(left, right);
    }
    return found;
}

// The quarter rule over the cells around the point only: the cells beside
// it, which the walk passes over, find nothing.
std::optional<ProbeNode> indexed_quarter_node(const FieldStore& store, const GridIndex& index, const NodeBounds& nodes,
                                              Point p) {
    std::optional<ProbeNode> found;
    GridIndex::Cell found_cell{0, 0};
    for (const GridIndex::Cell cell : index.cells_around(store, nodes, p)) {
        const bool counts_before = cell.j > found_cell.j || (cell.j == found_cell.j && cell.i < found_cell.i);
        if (!counts_before) continue;
        if (const std::optional<ProbeNode> in_cell = node_in_cell(store, cell.i, cell.j, p)) {
            found = in_cell;
            found_cell = cell;
        }
    }
    return found;
}

// Whether the point lies in cell (i, j).
bool cell_holds(const FieldStore& store, int i, int j, Point p) {
    const std::array<Point, 4> corners{node(store, i, j), node(store, i + 1, j), node(store, i + 1, j + 1),
                                       node(store, i, j + 1)};
    const auto [x_low, x_high] = std::minmax({corners[0].x, corners[1].x, corners[2].x, corners[3].x});
    const auto [y_low, y_high] = std::minmax({corners[0].y, corners[1].y, corners[2].y, corners[3].y});
    if (p.x < x_low || p.x > x_high || p.y < y_low || p.y > y_high) return false;
    return inside(corners, p);
}

// Whether the point lies in a cell of the drawing area: the grid as drawn,
// without the holes and the outside of a grid that is no rectangle.
bool in_cells(const FieldStore& store, const NodeBounds& nodes, Point p) {
    for (int i = nodes.i_first; i < nodes.i_last; ++i) {
        for (int j = nodes.j_first; j < nodes.j_last; ++j) {
            if (cell_holds(store, i, j, p)) return true;
        }
    }
    return false;
}

bool indexed_in_cells(const FieldStore& store, const GridIndex& index, const NodeBounds& nodes, Point p) {
    const std::vector<GridIndex::Cell> around = index.cells_around(store, nodes, p);
    return std::any_of(around.begin(), around.end(),
                       [&](const GridIndex::Cell& cell) { return cell_holds(store, cell.i, cell.j, p); });
}

// The node of the drawing area nearest to the point on the picture: the
// distance is measured in pixels, since the two axes may be scaled apart.
// Of nodes equally near, the first in memory order counts.
ProbeNode nearest_node(const FieldStore& store, const NodeBounds& nodes, Point p, const PlotState& plot) {
    ProbeNode nearest{nodes.i_first, nodes.j_first};
    double nearest_distance = std::numeric_limits<double>::infinity();
    for (int i = nodes.i_first; i <= nodes.i_last; ++i) {
        for (int j = nodes.j_first; j <= nodes.j_last; ++j) {
            const double distance = picture_distance(node(store, i, j), p, plot.x_scale, plot.y_scale);
            if (distance < nearest_distance) {
                nearest_distance = distance;
                nearest = {i, j};
            }
        }
    }
    return nearest;
}

// The node the point finds by the view's probe rule: through the index when
// there is one, otherwise by walking every cell.
std::optional<ProbeNode> node_found(const FieldStore& store, const GridIndex* index, const NodeBounds& nodes, Point p,
                                    const PlotState& plot, bool nearest_probe) {
    if (!nearest_probe) return index ? indexed_quarter_node(store, *index, nodes, p) : quarter_node(store, nodes, p);
    if (!(index ? indexed_in_cells(store, *index, nodes, p) : in_cells(store, nodes, p))) return std::nullopt;
    if (index) {
        if (const std::optional<ProbeNode> nearest = index->nearest_node(store, nodes, p, plot.x_scale, plot.y_scale))
            return nearest;
    }
    return nearest_node(store, nodes, p, plot);
}

DrawRect previous_area_of(const View_Info& view) {
    return {view.pre_x_start, view.pre_y_start, view.pre_x_end, view.pre_y_end};
}

void set_previous_area(View_Info& view, const DrawRect& area) {
    view.pre_x_start = area.x_start;
    view.pre_y_start = area.y_start;
    view.pre_x_end = area.x_end;
    view.pre_y_end = area.y_end;
}

// The marker dot goes, if it is on the picture: a redraw or an activation
// since the last probe step left none, and a click left it as the anchor's mark.
void erase_marker(ProbeState& p, ProbeEffect& effect) {
    if (!p.skip_erase) effect.toggle_dot(p.marker());
    p.skip_erase = true;
}

}  // namespace

void ProbeEffect::toggle_dot(ProbeNode node) {
    if (node.is_set()) toggle({ProbeMark::Kind::Dot, node, {}});
}

void ProbeEffect::toggle_band(ProbeNode a, ProbeNode b) {
    if (!a.is_set() || !b.is_set() || a == b) return;  // the band of one node draws nothing
    toggle({ProbeMark::Kind::Band, {std::min(a.i, b.i), std::min(a.j, b.j)}, {std::max(a.i, b.i), std::max(a.j, b.j)}});
}

void ProbeEffect::toggle(const ProbeMark& mark) {
    const auto twin = std::find(marks_.begin(), marks_.end(), mark);
    if (twin != marks_.end())
        marks_.erase(twin);
    else
        marks_.push_back(mark);
}

bool Find_Probe_Node(Workspace& ws, QPoint pixel) {
    const View_Info& view = ws.views.current();
    const PlotState plot = mapping_of(view);
    if (plot.x_scale == 0.0 || plot.y_scale == 0.0) return false;  // no layout yet
    const QPointF at = grid_point_at(plot, pixel);
    const Point p{at.x(), at.y()};
    const DrawRect area = area_of(view);
    const NodeRange range = ws.store.node_range();
    const NodeBounds nodes{std::max(area.x_start, 1), std::min(area.x_end, range.i_max), std::max(area.y_start, 1),
                           std::min(area.y_end, range.j_max)};
    // The index answers as the walks do; they remain for grids it cannot hold.
    const bool indexed = ws.grid_index.refresh(ws.store) && std::isfinite(p.x) && std::isfinite(p.y);
    const std::optional<ProbeNode> found =
        node_found(ws.store, indexed ? &ws.grid_index : nullptr, nodes, p, plot, view.nearest_probe);
    if (!found) return false;
    ws.probe.probe_i = found->i;
    ws.probe.probe_j = found->j;
    return true;
}

ProbeEffect marks_follow_probe(ProbeState& p, bool moved) {
    ProbeEffect effect;
    if (p.skip_erase)
        p.skip_erase = false;
    else
        effect.toggle_dot(p.marker());
    effect.toggle_dot(p.probe());
    p.marker_i = p.probe_i;
    p.marker_j = p.probe_j;
    if (p.selecting && moved) {
        effect.toggle_band(p.anchor(), p.band());
        effect.toggle_band(p.anchor(), p.probe());
        p.band_i = p.probe_i;
        p.band_j = p.probe_j;
    }
    effect.show_values = p.probe().is_set();
    return effect;
}

ProbeEffect probe_mouse_move(Workspace& ws, QPoint pixel) {
    const bool found = Find_Probe_Node(ws, pixel);
    return marks_follow_probe(ws.probe, found);
}

void start_selection(ProbeState& p) {
    if (!p.probe().is_set()) return;
    p.anchor_i = p.band_i = p.marker_i = p.probe_i;
    p.anchor_j = p.band_j = p.marker_j = p.probe_j;
    p.selecting = true;
}

ProbeEffect probe_mouse_down(Workspace& ws, ProbeButton button) {
    ProbeState& p = ws.probe;
    ProbeEffect effect;
    effect.refresh_status = true;
    if (button == ProbeButton::Left && !p.selecting) {
        start_selection(p);
    } else if (button == ProbeButton::Left) {
        effect.redraw = finish_selection(ws);
    } else if (button == ProbeButton::Right && p.selecting) {
        effect.toggle_dot(p.probe());
        effect.toggle_dot(p.anchor());
        // The band is removed where it was drawn last.
        effect.toggle_band(p.anchor(), p.band());
        p.selecting = false;
    } else if (button == ProbeButton::Right) {
        // No selection runs: its anchor is that of an old one, long redrawn.
        erase_marker(p, effect);
    }
    return effect;
}

ProbeEffect probe_view_left(Workspace& ws) {
    ProbeEffect effect;
    if (is_line_plot(ws.views.current())) return effect;
    erase_marker(ws.probe, effect);
    ws.probe.selecting = false;
    return effect;
}

bool finish_selection(Workspace& ws) {
    ProbeState& p = ws.probe;
    if (p.anchor_i == p.probe_i || p.anchor_j == p.probe_j) return false;
    View_Info& view = ws.views.current();
    set_previous_area(view, area_of(view));
    set_area(view, {std::min(p.anchor_i, p.probe_i), std::min(p.anchor_j, p.probe_j), std::max(p.anchor_i, p.probe_i),
                    std::max(p.anchor_j, p.probe_j)});
    p.selecting = false;
    return true;
}

SwitchEffect Pre_AreaClick(View_Info& view) {
    const DrawRect shown = area_of(view);
    set_area(view, previous_area_of(view));
    set_previous_area(view, shown);
    SwitchEffect effect;
    effect.redraw = true;
    return effect;
}

std::array<QString, 7> probe_readout(const Workspace& ws) {
    const ProbeNode node = ws.probe.probe();
    if (!node.is_set()) return {};
    return node_readout(view_fields(ws.store, ws.views.current()), node.i, node.j, messages::kProbeReadoutI,
                        messages::kProbeReadoutJ);
}

}  // namespace ruvo
