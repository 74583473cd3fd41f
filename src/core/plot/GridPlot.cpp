#include "plot/GridPlot.h"

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "plot/Progress.h"
#include "view/Geometry.h"

namespace ruvo {

void Draw_Grid(Canvas& canvas, const ViewFields& store, const PlotState& plot, Progress& progress) {
    const DrawRect& r = store.draw;
    canvas.set_pen_colour(qRgb(192, 192, 192));
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_width(1);
    canvas.set_pen_mode(PenMode::Mask);
    progress.set_maximum((r.x_end - r.x_start) + (r.y_end - r.y_start) + 1);
    progress.set_step(1);

    // Lines of constant j. (The pen's final move one line past the rectangle
    // draws nothing, so it is left out rather than read beyond the tables.)
    for (int j = r.y_start; j <= r.y_end; ++j) {
        canvas.move_to(plot.node_pixel(store, r.x_start, j));
        for (int i = r.x_start + 1; i <= r.x_end; ++i) {
            const QPoint p = plot.node_pixel(store, i, j);
            if (!store.closed_x[i - 1] || store.closed_grid_show) {
                canvas.line_to(p);
            } else {
                canvas.move_to(p);
            }
        }
        progress.step();
    }
    // Lines of constant i.
    for (int i = r.x_start; i <= r.x_end; ++i) {
        canvas.move_to(plot.node_pixel(store, i, r.y_start));
        for (int j = r.y_start + 1; j <= r.y_end; ++j) {
            const QPoint p = plot.node_pixel(store, i, j);
            if (!store.closed_y[j - 1] || store.closed_grid_show) {
                canvas.line_to(p);
            } else {
                canvas.move_to(p);
            }
        }
        progress.step();
    }
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
