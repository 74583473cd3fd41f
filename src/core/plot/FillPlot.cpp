#include "plot/FillPlot.h"

#include <utility>
#include <vector>

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "plot/ColourScale.h"
#include "plot/Progress.h"
#include "view/Geometry.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
int band_legend_index(int k, int) { return k; }

// The pixels of the nodes of row j over the drawing rectangle, from x_start on.
void node_pixel_row(const ViewFields& store, const PlotState& plot, int j, std::vector<QPoint>& row) {
    row.clear();
    for (int i = store.draw.x_start; i <= store.draw.x_end; ++i) row.push_back(plot.node_pixel(store, i, j));
}
}  // namespace

PlotOutcome Draw_Beta(PlotContext& context) {
    const View_Info& view = context.view;
    const int band_count = view.divided_number;
    if (band_count < 1) return {PlotFailure::Numeric, QStringLiteral("the view asks for no fill band")};
    if (const PlotOutcome range = set_value_range(context); !range.ok()) return range;
    const ColourTable& ramp = view.Gray ? grey_ramp() : colour_ramp();
    if (const PlotOutcome raster = set_up_colour_raster(context, !context.fixed_size_mode); !raster.ok()) {
        return raster;
    }
    Canvas& canvas = context.canvas;
    draw_legend_bar(canvas, ramp, band_count, band_legend_index);
    draw_range_labels(canvas, context.plot);
    note_legend_row(context.plot, canvas, band_count);
    if (view.numbers_on_plot) draw_fill_legend_ticks(canvas, context.plot, band_count);

    const ViewFields& store = context.store;
    const PlotState& plot = context.plot;
    const Table& s = store.current_scalars().value;
    const DrawRect& r = store.draw;
    canvas.set_pen_width(1);
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_mode(PenMode::Copy);
    context.progress.set_maximum(r.y_end - 1);
    context.progress.set_step(1);
    // A node is a corner of up to four cells: its pixel is taken once.
    std::vector<QPoint> lower;
    std::vector<QPoint> upper;
    node_pixel_row(store, plot, r.y_start, lower);
    for (int j = r.y_start; j <= r.y_end - 1; ++j) {
        node_pixel_row(store, plot, j + 1, upper);
        for (int i = r.x_start; i <= r.x_end - 1; ++i) {
            if (store.cell_skipped(i, j)) continue;
            const QRgb colour =
                ramp_colour(ramp, fill_colour_index(s(i, j), plot.range_min, plot.range_max, band_count));
            const auto k = static_cast<std::size_t>(i - r.x_start);
            const QPoint corners[4] = {lower[k], lower[k + 1], upper[k + 1], upper[k]};
            canvas.solid_quad(corners, colour);
        }
        std::swap(lower, upper);
        context.progress.step();
    }
    context.progress.set_position(0);
    return {};
}

}  // namespace ruvo
