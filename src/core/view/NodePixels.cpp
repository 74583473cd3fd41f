#include "view/NodePixels.h"

#include <algorithm>
#include <climits>

namespace ruvo {

namespace {
// Nearest(scaled) placed at `offset` and clamped as PlotState::PixelX and
// PixelY do, without a branch, so that a column of nodes goes through it at
// the pace of memory: NaN counts as 0, and a value beyond the int range
// rounds to its end, as Nearest saturates.
double pixel_coordinate(double scaled, double offset) {
    constexpr double kRoundingShift = 6755399441055744.0;  // 1.5 x 2^52: rounds ties to even
    const double finite = scaled == scaled ? std::clamp(scaled, double(INT_MIN), double(INT_MAX)) : 0.0;
    const double rounded = (finite + kRoundingShift) - kRoundingShift;
    return std::clamp(rounded + offset, -double(kPixelLimit), double(kPixelLimit));
}

// Rows `first` to `last` of column i of a table: in place when the table
// holds all of them, otherwise copied into `copy` with 0 where it holds none.
const double* column_values(const Table& table, int i, int first, int last, std::vector<double>& copy) {
    const double* column = table.column(i);
    if (column != nullptr && first >= 1 && last <= table.j_max()) return column + (first - 1);
    copy.assign(std::size_t(last - first + 1), 0.0);
    for (int j = std::max(first, 1); column != nullptr && j <= std::min(last, table.j_max()); ++j) {
        copy[std::size_t(j - first)] = column[j - 1];
    }
    return copy.data();
}
}  // namespace

NodePixels::Source NodePixels::source_of(const ViewFields& fields, const PlotState& plot) {
    return {fields.draw, fields.grid_x.version(), fields.grid_y.version(), plot.x_scale, plot.y_scale, plot.dx,
            plot.dy};
}

bool NodePixels::fit(const ViewFields& fields, const PlotState& plot) const {
    return source_ == source_of(fields, plot);
}

const NodePixels& PlotState::node_pixels(const ViewFields& fields) const {
    if (!node_pixels_ || !node_pixels_->fit(fields, *this))
        node_pixels_ = std::make_shared<const NodePixels>(fields, *this);
    return *node_pixels_;
}

NodePixels::NodePixels(const ViewFields& store, const PlotState& plot) : source_(source_of(store, plot)) {
    const DrawRect& r = store.draw;
    if (!r.ordered()) return;
    x_start_ = r.x_start;
    y_start_ = r.y_start;
    rows_ = r.y_end - r.y_start + 1;
    pixels_.resize(std::size_t(r.x_end - r.x_start + 1) * std::size_t(rows_));
    std::vector<double> x_copy, y_copy;
    // Locals, so that the writes to the pixels cannot be taken to change
    // them and each column goes through in vector registers.
    const int rows = rows_;
    const double x_scale = plot.x_scale, y_scale = plot.y_scale;
    const double dx = plot.dx, dy = plot.dy;
    QPoint* column = pixels_.data();
    for (int i = r.x_start; i <= r.x_end; ++i, column += rows) {
        const double* xs = column_values(store.grid_x, i, r.y_start, r.y_end, x_copy);
        const double* ys = column_values(store.grid_y, i, r.y_start, r.y_end, y_copy);
        for (int k = 0; k < rows; ++k) {
            column[k] =
                QPoint(int(pixel_coordinate(x_scale * xs[k], dx)), int(-pixel_coordinate(y_scale * ys[k], -dy)));
        }
    }
}

}  // namespace ruvo
