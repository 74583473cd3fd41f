#include "view/NodePixels.h"

#include <algorithm>
#include <climits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace ruvo {

namespace {
// The pixels of `count` nodes of a column, PlotState::PixelX and PixelY of
// their coordinates. The compiler leaves those clamps as branches, so where
// the processor has SSE2 two nodes at a time go through its vector
// instructions, which round ties to even as the default rounding mode and
// Nearest do; every node of a picture passes through here.
void column_pixels(const double* xs, const double* ys, int count, const PlotState& plot, QPoint* pixels) {
    int k = 0;
#ifdef __SSE2__
    static_assert(sizeof(QPoint) == 2 * sizeof(int));
    const __m128d low = _mm_set1_pd(double(INT_MIN)), high = _mm_set1_pd(double(INT_MAX));
    const __m128d far = _mm_set1_pd(double(kPixelLimit)), near = _mm_set1_pd(-double(kPixelLimit));
    const auto coordinates = [&](__m128d values, double scale, double offset) {
        __m128d v = _mm_mul_pd(values, _mm_set1_pd(scale));
        v = _mm_and_pd(v, _mm_cmpord_pd(v, v));  // NaN -> 0
        const __m128i rounded = _mm_cvtpd_epi32(_mm_min_pd(_mm_max_pd(v, low), high));
        v = _mm_add_pd(_mm_cvtepi32_pd(rounded), _mm_set1_pd(offset));
        return _mm_cvttpd_epi32(_mm_min_pd(_mm_max_pd(v, near), far));
    };
    for (; k + 2 <= count; k += 2) {
        const __m128i x = coordinates(_mm_loadu_pd(xs + k), plot.x_scale, plot.dx);
        const __m128i y = _mm_sub_epi32(_mm_setzero_si128(), coordinates(_mm_loadu_pd(ys + k), plot.y_scale, -plot.dy));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + k), _mm_unpacklo_epi32(x, y));
    }
#endif
    for (; k < count; ++k) pixels[k] = QPoint(plot.PixelX(xs[k]), plot.PixelY(ys[k]));
}

// Rows `first` to `last` of column i of a table: in place when the table
// holds all of them, otherwise copied into `copy` with 0 where it holds none.
const double* column_values(const Table& table, int i, int first, int last, std::vector<double>& copy) {
    const double* column = table.column(i);
    if (column != nullptr && first >= 1 && last <= table.j_max()) return column + (first - 1);
    copy.assign(std::size_t(last - first) + 1, 0.0);
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
    columns_ = r.x_end - r.x_start + 1;
    const int rows = r.y_end - r.y_start + 1;
    pixels_.resize(std::size_t(columns_) * std::size_t(rows));
    // A block of columns is taken down the tables, then laid into the rows:
    // eight pixels of a row fill one cache line.
    constexpr int kBlock = 8;
    std::vector<QPoint> block(std::size_t(kBlock) * std::size_t(rows));
    std::vector<double> x_copy, y_copy;
    for (int first = r.x_start; first <= r.x_end; first += kBlock) {
        const int width = std::min(kBlock, r.x_end - first + 1);
        for (int c = 0; c < width; ++c) {
            const double* xs = column_values(store.grid_x, first + c, r.y_start, r.y_end, x_copy);
            const double* ys = column_values(store.grid_y, first + c, r.y_start, r.y_end, y_copy);
            column_pixels(xs, ys, rows, plot, &block[std::size_t(c) * std::size_t(rows)]);
        }
        for (int k = 0; k < rows; ++k) {
            QPoint* row = pixels_.data() + std::size_t(k) * std::size_t(columns_) + std::size_t(first - r.x_start);
            for (int c = 0; c < width; ++c) row[c] = block[std::size_t(c) * std::size_t(rows) + std::size_t(k)];
        }
    }
}

}  // namespace ruvo
