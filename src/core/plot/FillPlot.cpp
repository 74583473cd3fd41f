#include "plot/FillPlot.h"

#include <span>
#include <vector>

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "plot/ColourScale.h"
#include "view/NodePixels.h"
#include "plot/Progress.h"
#include "view/Geometry.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
int band_legend_index(int k, int) { return k; }

// The pixels of the nodes of a row over the drawing rectangle, from x_start on.
using PixelRow = std::span<const QPoint>;

// Whether every cell between two rows of nodes is upright in pixels: each
// node right above (or below) the one of the other row, each row level.
bool upright_cells(PixelRow lower, PixelRow upper) {
    for (std::size_t k = 0; k < lower.size(); ++k) {
        if (lower[k].x() != upper[k].x() || lower[k].y() != lower[0].y() || upper[k].y() != upper[0].y()) return false;
    }
    return true;
}

// Which cells of a row a raster would show nothing of. There an upright cell
// paints exactly its box, corners included, and the last paint of a pixel is
// what it shows; so a cell whose box lies in the box of a cell drawn after
// it can be left out. With many cells to a pixel that is most of them: a row
// no higher than a line of pixels lies in the row drawn after it, and a cell
// no wider than a column in the next cell of its row.
class HiddenCells {
public:
    HiddenCells(const ViewFields& store, bool raster) : store_(store), raster_(raster) {
        for (int i = store.draw.x_start; i <= store.draw.x_end - 1; ++i) {
            if (store.closed_x[i] && !store.closed_grid_show) skipped_column_ = true;
        }
    }

    // The row of cells j between node rows `lower` and `upper`; `above` is
    // the next row's upper edge, empty when j is the last row.
    void start_row(int j, PixelRow lower, PixelRow upper, PixelRow above) {
        j_ = j;
        lower_ = lower;
        upright_ = raster_ && upright_cells(lower, upper);
        covered_by_next_row_ =
            upright_ && lower[0].y() == upper[0].y() && !above.empty() && upright_cells(upper, above);
    }
    // Whether the row's cells are upright boxes on a raster.
    bool upright() const { return upright_; }
    // Whether every cell of the row is hidden: the next row covers it and
    // draws all its cells.
    bool row_hidden() const {
        return covered_by_next_row_ && !skipped_column_ && !store_.cell_skipped(store_.draw.x_start, j_ + 1);
    }
    // Cell (i, j), whose left corners are node k of the rows.
    bool hidden(int i, std::size_t k) const {
        if (!upright_) return false;
        if (covered_by_next_row_ && !store_.cell_skipped(i, j_ + 1)) return true;
        return lower_[k].x() == lower_[k + 1].x() && i + 1 < store_.draw.x_end && !store_.cell_skipped(i + 1, j_);
    }

private:
    const ViewFields& store_;
    const bool raster_;
    int j_ = 0;
    PixelRow lower_;
    bool upright_ = false;
    bool covered_by_next_row_ = false;
    bool skipped_column_ = false;  // a column of cells left out in every row
};

// The cells of an upright row on a raster, drawn in turn, in one colour and
// with no cell left out for good between them, paint one box: their own,
// side by side, and those of the hidden cells between them, which later
// cells paint over anyway. They are drawn as that box.
class CellRun {
public:
    CellRun(Canvas& canvas, PixelRow lower, PixelRow upper) : canvas_(canvas), lower_(lower), upper_(upper) {}

    void add(std::size_t k, QRgb colour) {
        if (open_ && colour == colour_) {
            last_ = k;
            return;
        }
        end();
        first_ = last_ = k;
        colour_ = colour;
        open_ = true;
    }
    void end() {
        if (open_) draw(first_, last_, colour_);
        open_ = false;
    }
    // Cells `first` to `last` as one quadrilateral.
    void draw(std::size_t first, std::size_t last, QRgb colour) {
        const QPoint corners[4] = {lower_[first], lower_[last + 1], upper_[last + 1], upper_[first]};
        canvas_.solid_quad(corners, colour);
    }

private:
    Canvas& canvas_;
    PixelRow lower_;
    PixelRow upper_;
    bool open_ = false;
    std::size_t first_ = 0;
    std::size_t last_ = 0;
    QRgb colour_ = 0;
};
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
    const NodePixels& pixels = plot.node_pixels(store);
    const auto row_of = [&](int j) { return PixelRow(pixels.row(j), std::size_t(r.x_end - r.x_start + 1)); };
    HiddenCells cells(store, canvas.leaves_out_hidden());
    for (int j = r.y_start; j <= r.y_end - 1; ++j) {
        const PixelRow lower = row_of(j), upper = row_of(j + 1);
        const PixelRow above = j + 1 < r.y_end ? row_of(j + 2) : PixelRow();
        cells.start_row(j, lower, upper, above);
        const bool row_hidden = cells.row_hidden();
        CellRun run(canvas, lower, upper);
        for (int i = r.x_start; !row_hidden && i <= r.x_end - 1; ++i) {
            const auto k = static_cast<std::size_t>(i - r.x_start);
            if (store.cell_skipped(i, j)) run.end();
            if (store.cell_skipped(i, j) || cells.hidden(i, k)) continue;
            const QRgb colour =
                ramp_colour(ramp, fill_colour_index(s(i, j), plot.range_min, plot.range_max, band_count));
            cells.upright() ? run.add(k, colour) : run.draw(k, k, colour);
        }
        run.end();
        context.progress.step();
    }
    context.progress.set_position(0);
    return {};
}

}  // namespace ruvo
