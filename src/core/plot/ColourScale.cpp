#include "plot/ColourScale.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "data/FieldStore.h"
#include "data/Nearest.h"
#include "plot/Canvas.h"
#include "plot/Fonts.h"
#include "plot/LegendTicks.h"
#include "plot/PlotNumbers.h"
#include "view/Geometry.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
constexpr int kTopIndex = kRampSize - 1;

// One run of 64 entries rising (or falling) from 0 to 255.
int run_level(int steps) { return Nearest(255.0 * steps / 63); }

ColourTable build_colour_ramp() {
    ColourTable ramp{};
    for (int e = 0; e < kRampSize; ++e) {
        if (e <= 63)
            ramp[e] = qRgb(0, run_level(e), 255);
        else if (e <= 127)
            ramp[e] = qRgb(0, 255, run_level(127 - e));
        else if (e <= 191)
            ramp[e] = qRgb(run_level(e - 128), 255, 0);
        else
            ramp[e] = qRgb(255, run_level(255 - e), 0);
    }
    return ramp;
}

ColourTable build_grey_ramp() {
    ColourTable ramp{};
    for (int e = 0; e < kRampSize; ++e) ramp[e] = qRgb(e, e, e);
    return ramp;
}

PlotOutcome numeric_failure(const QString& reason) { return {PlotFailure::Numeric, reason}; }

constexpr double kPictureDpi = 96.0;

QString plot_font_name() { return QString::fromUtf8(kPlotFontName); }

// The top-left corners of the range labels, min left and max right.
QPoint range_label_corner(int w, int h, bool max) { return {Nearest(w * (max ? 0.85 : 0.05)), Nearest(h * 0.92)}; }

LegendCellSpan cell_span(const LegendCell& cell) {
    return {static_cast<double>(cell.x1), static_cast<double>(cell.x2)};
}

void draw_legend_ticks(Canvas& canvas, const PlotState& plot, const LegendAxis& axis, const std::vector<QRectF>& taken,
                       int bar_bottom) {
    const TextMeasure measure = picture_text_measure(plot);
    const LegendTickRow row = legend_tick_row(bar_bottom, canvas.height());
    const QRectF area(0, 0, canvas.width(), canvas.height());
    canvas.set_font(plot_font_name(), range_label_point_size(plot.magnification));
    canvas.set_pen_colour(qRgb(0, 0, 0));
    canvas.set_pen_width(1);
    for (const LegendTick& tick : legend_ticks(axis, row.text_top, measure, area, taken)) {
        const int x = Nearest(tick.x);
        canvas.move_to({x, bar_bottom});
        canvas.line_to({x, Nearest(row.mark_end)});
        canvas.text_out(Nearest(tick.box.left()), Nearest(tick.box.top()), tick.text);
    }
}
}  // namespace

const ColourTable& colour_ramp() {
    static const ColourTable ramp = build_colour_ramp();
    return ramp;
}

const ColourTable& grey_ramp() {
    static const ColourTable ramp = build_grey_ramp();
    return ramp;
}

int clamp_colour_index(int index) { return std::clamp(index, 0, kTopIndex); }

QRgb ramp_colour(const ColourTable& ramp, int index) {
    return ramp[static_cast<std::size_t>(clamp_colour_index(index))];
}

int contour_colour_index(int k, int level_count) {
    // The product first: 255 / n x k loses to rounding (254 for the last cell
    // of 25 levels) where the exact quotient is an integer.
    return Truncate(255.0 * k / level_count);
}

PlotOutcome set_value_range(PlotState& plot, const ViewFields& store, const View_Info& view) {
    if (!store.current_data_valid())
        return numeric_failure(QStringLiteral("the view's scalar file holds no data slot"));
    const Table& value = store.current_scalars().value;
    if (!view.min_changed && !view.max_changed) {
        std::tie(plot.range_min, plot.range_max) = plot.Array_Extremes(value, store.draw);
    } else {
        plot.range_min = view.min_changed ? view.Scalar_min : plot.Array_Min(value, store.draw);
        plot.range_max = view.max_changed ? view.Scalar_max : plot.Array_Max(value, store.draw);
    }
    if (!std::isfinite(plot.range_max - plot.range_min)) {
        return numeric_failure(QStringLiteral("the value range %1 .. %2 is too wide to draw")
                                   .arg(plot.range_min, 0, 'g', 17)
                                   .arg(plot.range_max, 0, 'g', 17));
    }
    return {};
}

int enlarged_height(int height) { return Nearest(height * 1.2); }

PlotOutcome set_up_colour_raster(PlotContext& context, bool enlarge) {
    PlotState& plot = context.plot;
    if (plot.colour_raster_ready && !enlarge) return {};
    if (enlarge) plot.height = enlarged_height(plot.height);
    if (plot.colour_raster_ready) {
        // A second legend (coloured contours over a fill) takes a row of its
        // own below the first, on the picture drawn so far.
        context.canvas.grow_raster(plot.height);
    } else {
        // The raster stores the ramp's colours in its pixels: no colour palette
        // is created, so "Cannot Create Palette" (a failure of palette
        // displays) cannot happen here. What can fail is the memory for a
        // large raster.
        context.canvas.new_raster(plot.width, plot.height);
    }
    if (context.canvas.lost()) {
        return numeric_failure(
            QStringLiteral("there is no memory for an image of %1 x %2 pixels").arg(plot.width).arg(plot.height));
    }
    plot.colour_raster_ready = true;
    return {};
}

LegendCell legend_cell(int width, int height, int n, int k) {
    const double cell = width * 0.9 / n;
    return {Nearest(cell * k + width * 0.05), Nearest(height * 0.85), Nearest(cell + cell * k + width * 0.05),
            Nearest(height * 0.9)};
}

void draw_legend_bar(Canvas& canvas, const ColourTable& ramp, int n, int (*colour_index)(int k, int n)) {
    canvas.set_pen_width(1);
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_mode(PenMode::Copy);
    for (int k = 0; k <= n; ++k) {
        const QRgb colour = ramp_colour(ramp, colour_index(k, n));
        canvas.set_pen_colour(colour);
        canvas.set_brush(colour);
        const LegendCell c = legend_cell(canvas.width(), canvas.height(), n, k);
        canvas.rectangle(c.x1, c.y1, c.x2, c.y2);
    }
}

int range_label_point_size(int magnification) { return Truncate(magnification * 6 * 0.01); }

QString range_label_text(double value) {
    // Seven decimals of a huge value would run to hundreds of digits, far
    // beyond the legend: from ten million on it shows as "1.23E+300".
    if (std::abs(value) >= kRangeLabelScientificFrom) return QString::number(value, 'E', 2);
    QString text = QString::number(value, 'f', 7);
    // A value that rounds to zero shows no sign.
    if (text == QStringLiteral("-0.0000000")) text.remove(0, 1);
    return text;
}

void draw_range_labels(Canvas& canvas, const PlotState& plot) {
    canvas.set_font(plot_font_name(), range_label_point_size(plot.magnification));
    canvas.set_pen_colour(qRgb(0, 0, 0));  // text takes the pen's colour
    const int w = canvas.width();
    const int h = canvas.height();
    const QPoint min_corner = range_label_corner(w, h, false);
    const QPoint max_corner = range_label_corner(w, h, true);
    canvas.text_out(min_corner.x(), min_corner.y(), range_label_text(plot.range_min));
    canvas.text_out(max_corner.x(), max_corner.y(), range_label_text(plot.range_max));
}

TextMeasure picture_text_measure(const PlotState& plot) {
    return TextMeasure(plot_font_name(), range_label_point_size(plot.magnification), kPictureDpi);
}

QRectF legend_row(double bar_top, double width, double height) { return {0.0, bar_top, width, height - bar_top}; }

void note_legend_row(PlotState& plot, const Canvas& canvas, int n) {
    const LegendCell bar = legend_cell(canvas.width(), canvas.height(), n, 0);
    plot.legend_rows.push_back(legend_row(bar.y1, canvas.width(), canvas.height()));
}

void draw_fill_legend_ticks(Canvas& canvas, const PlotState& plot, int n) {
    const int w = canvas.width();
    const int h = canvas.height();
    const LegendCell first = legend_cell(w, h, n, 0);
    const LegendCell last = legend_cell(w, h, n, n);
    const TextMeasure measure = picture_text_measure(plot);
    std::vector<QRectF> range_texts;
    for (const bool max : {false, true}) {
        const QString text = range_label_text(max ? plot.range_max : plot.range_min);
        range_texts.emplace_back(QPointF(range_label_corner(w, h, max)), measure.size(text));
    }
    draw_legend_ticks(canvas, plot, fill_legend_axis(plot.range_min, plot.range_max, cell_span(first), cell_span(last)),
                      range_texts, first.y2);
}

void draw_contour_legend_ticks(Canvas& canvas, const PlotState& plot, int n) {
    const LegendCell first = legend_cell(canvas.width(), canvas.height(), n, 0);
    const LegendCell last = legend_cell(canvas.width(), canvas.height(), n, n);
    draw_legend_ticks(canvas, plot,
                      contour_legend_axis(plot.range_min, plot.range_max, n, cell_span(first), cell_span(last)), {},
                      first.y2);
}

}  // namespace ruvo
