#include "plot/LegendTicks.h"

#include <array>
#include <cmath>

#include "data/Nearest.h"
#include "plot/PlotNumbers.h"

namespace ruvo {

namespace {
constexpr int kMostTicks = 10;
constexpr std::array<double, 3> kRoundSteps = {1.0, 2.0, 5.0};

double middle(LegendCellSpan cell) { return (cell.left + cell.right) / 2; }

double x_of(const LegendAxis& axis, double value) {
    return axis.x_a + (value - axis.value_a) / (axis.value_b - axis.value_a) * (axis.x_b - axis.x_a);
}

double value_at(const LegendAxis& axis, double x) {
    return axis.value_a + (x - axis.x_a) / (axis.x_b - axis.x_a) * (axis.value_b - axis.value_a);
}

// The multiples of `step` in lo..hi; none when there would be more than a
// handful.
std::vector<double> multiples(double lo, double hi, double step) {
    const double first = std::ceil(lo / step);
    const double last = std::floor(hi / step);
    if (!(last - first < kMostTicks)) return {};
    std::vector<double> values;
    for (int k = 0; k <= Nearest(last - first); ++k) {
        const double value = (first + k) * step;
        if (value >= lo && value <= hi) values.push_back(value);
    }
    return values;
}
}  // namespace

LegendAxis fill_legend_axis(double range_min, double range_max, LegendCellSpan first, LegendCellSpan last) {
    return {range_min, first.left, range_max, last.left, range_min, range_max};
}

LegendAxis contour_legend_axis(double range_min, double range_max, int n, LegendCellSpan first, LegendCellSpan last) {
    const double level_n = range_min + (range_max - range_min) / (n + 1) * n;
    LegendAxis axis{range_min, middle(first), level_n, middle(last), range_min, range_max};
    if (axis.value_a == axis.value_b) return axis;
    axis.lo = std::max(range_min, value_at(axis, first.left));
    axis.hi = std::min(range_max, value_at(axis, last.right));
    return axis;
}

LegendTickRow legend_tick_row(double bar_bottom, double height) {
    const double mark = 0.01 * height;
    return {bar_bottom + mark, bar_bottom + 1.5 * mark};
}

std::vector<LegendTick> legend_ticks(const LegendAxis& axis, double text_top, const TextMeasure& measure,
                                     const QRectF& area, const std::vector<QRectF>& taken) {
    const double span = axis.hi - axis.lo;
    if (!(span > 0.0) || !std::isfinite(span) || axis.value_a == axis.value_b || axis.x_a == axis.x_b) return {};
    const double gap = measure.digit_width();
    const double first_power = std::floor(std::log10(span / kMostTicks));
    // The steps 1, 2 and 5 of four powers of ten, finest first.
    for (int n = 0; n < 3 * 4; ++n) {
        const int power = n / 3;
        const double step = kRoundSteps[static_cast<std::size_t>(n % 3)] * std::pow(10.0, first_power + power);
        if (!(step > 0.0) || !std::isfinite(step)) break;
        const std::vector<double> values = multiples(axis.lo, axis.hi, step);
        if (values.empty()) continue;
        const QStringList texts = short_value_texts(values, step);
        std::vector<LegendTick> ticks;
        bool crowded = false;
        for (std::size_t k = 0; k < values.size(); ++k) {
            const QString& text = texts[static_cast<qsizetype>(k)];
            const double x = x_of(axis, values[k]);
            const QSizeF size = measure.size(text);
            const QRectF box(x - size.width() / 2, text_top, size.width(), size.height());
            // A digit's width apart from the range texts, so as not to read as one number with them.
            if (!box_is_free(box.adjusted(-gap, 0, gap, 0), area, taken)) continue;
            crowded = crowded || (!ticks.empty() && ticks.back().box.right() + gap > box.left());
            ticks.push_back({values[k], x, text, box});
        }
        if (!crowded) return ticks;
    }
    return {};
}

}  // namespace ruvo
