#include "plot/NodePixels.h"

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

NodePixels::NodePixels(const ViewFields& store, const PlotState& plot) {
    const DrawRect& r = store.draw;
    if (!r.ordered()) return;
    x_start_ = r.x_start;
    y_start_ = r.y_start;
    rows_ = r.y_end - r.y_start + 1;
    pixels_.resize(std::size_t(r.x_end - r.x_start + 1) * std::size_t(rows_));
    std::vector<double> x_copy, y_copy;
    QPoint* column = pixels_.data();
    for (int i = r.x_start; i <= r.x_end; ++i, column += rows_) {
        const double* xs = column_values(store.grid_x, i, r.y_start, r.y_end, x_copy);
        const double* ys = column_values(store.grid_y, i, r.y_start, r.y_end, y_copy);
        for (int k = 0; k < rows_; ++k) {
            column[k] = QPoint(int(pixel_coordinate(plot.x_scale * xs[k], plot.dx)),
                               int(-pixel_coordinate(plot.y_scale * ys[k], -double(plot.dy))));
        }
    }
}

}  // namespace ruvo
