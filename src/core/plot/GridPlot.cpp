#include "plot/GridPlot.h"

#include <utility>

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "view/NodePixels.h"
#include "plot/Progress.h"
#include "view/Geometry.h"

namespace ruvo {

namespace {
// A step of the pen along a grid line: a line to `to`, or a move where the
// line crosses a closed line that is not shown.
struct PenStep {
    QPoint to;
    bool draws;
    bool operator==(const PenStep&) const = default;
};

// The pen's steps along one grid line, the first a move to its first node;
// `closed` flags the line's segments by their first node. A one-pixel line
// that stays on the pen's pixel paints nothing: where many nodes fall into
// one pixel, most steps do, and they are left out.
void trace(const ViewFields& store, const NodePixels& pixels, const GridLine& line, const LineFlags& closed,
           std::vector<PenStep>& steps) {
    steps.clear();
    steps.push_back({pixels(line.i(line.first), line.j(line.first)), false});
    for (int k = line.first + 1; k <= line.last; ++k) {
        const PenStep step{pixels(line.i(k), line.j(k)), !closed[k - 1] || store.closed_grid_show};
        if (!(step.draws && step.to == steps.back().to)) steps.push_back(step);
    }
}

// Draws the lines in turn. A mask pen paints a pixel the same however often,
// so on a raster a line on the very pixels of the one before is left out.
template <typename LineOf>
void draw_lines(Canvas& canvas, const ViewFields& store, const NodePixels& pixels, int first, int last, LineOf line_of,
                const LineFlags& closed, Progress& progress) {
    std::vector<PenStep> steps, last_drawn;
    for (int n = first; n <= last; ++n) {
        trace(store, pixels, line_of(n, store.draw), closed, steps);
        if (!(canvas.leaves_out_hidden() && steps == last_drawn)) {
            canvas.move_to(steps.front().to);
            for (auto step = steps.begin() + 1; step != steps.end(); ++step) {
                step->draws ? canvas.line_to(step->to) : canvas.move_to(step->to);
            }
            std::swap(steps, last_drawn);
        }
        progress.step();
    }
}
}  // namespace

void Draw_Grid(Canvas& canvas, const ViewFields& store, const PlotState& plot, Progress& progress) {
    const DrawRect& r = store.draw;
    canvas.set_pen_colour(qRgb(192, 192, 192));
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_width(1);
    canvas.set_pen_mode(PenMode::Mask);
    progress.set_maximum((r.x_end - r.x_start) + (r.y_end - r.y_start) + 1);
    progress.set_step(1);

    // Lines of constant j, then of constant i. (The pen's final move one line
    // past the rectangle draws nothing, so it is left out rather than read
    // beyond the tables.)
    const NodePixels& pixels = plot.node_pixels(store);
    draw_lines(canvas, store, pixels, r.y_start, r.y_end, line_of_constant_j, store.closed_x, progress);
    draw_lines(canvas, store, pixels, r.x_start, r.x_end, line_of_constant_i, store.closed_y, progress);
    progress.set_position(0);
    canvas.set_pen_mode(PenMode::Copy);
}

std::vector<GridLine> area_frame_edges(const ViewFields& store) {
    const DrawRect& r = store.draw;
    const bool whole_closed_grid =
        store.closed_grid_show && r.x_start == store.fields.file_x_start + 1 && r.x_end == store.fields.file_x_end + 1;
    std::vector<GridLine> edges{line_of_constant_j(r.y_start, r)};
    if (!whole_closed_grid) edges.push_back(line_of_constant_i(r.x_end, r));
    edges.push_back(line_of_constant_j(r.y_end, r));
    if (!whole_closed_grid) edges.push_back(line_of_constant_i(r.x_start, r));
    return edges;
}

void Draw_Area_Frame(Canvas& canvas, const ViewFields& store, const PlotState& plot) {
    canvas.set_pen_colour(qRgb(0, 0, 0));
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_width(3);
    for (const GridLine& edge : area_frame_edges(store)) {
        canvas.move_to(plot.node_pixel(store, edge.i(edge.first), edge.j(edge.first)));
        for (int k = edge.first + 1; k <= edge.last; ++k) canvas.line_to(plot.node_pixel(store, edge.i(k), edge.j(k)));
    }
}

}  // namespace ruvo
