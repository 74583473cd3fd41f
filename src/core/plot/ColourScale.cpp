#include "plot/ColourScale.h"

#include <algorithm>
#include <cmath>

#include "data/FieldStore.h"
#include "data/Nearest.h"
#include "plot/Canvas.h"
#include "plot/Fonts.h"
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
    plot.range_min = view.min_changed ? view.Scalar_min : plot.Array_Min(value, store.draw);
    plot.range_max = view.max_changed ? view.Scalar_max : plot.Array_Max(value, store.draw);
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
    canvas.set_font(QString::fromUtf8(kPlotFontName), range_label_point_size(plot.magnification));
    canvas.set_pen_colour(qRgb(0, 0, 0));  // text takes the pen's colour
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.text_out(Nearest(w * 0.05), Nearest(h * 0.92), range_label_text(plot.range_min));
    canvas.text_out(Nearest(w * 0.85), Nearest(h * 0.92), range_label_text(plot.range_max));
}

}  // namespace ruvo
