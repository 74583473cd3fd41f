#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <array>

#include "data/Nearest.h"
#include "plot/PlotContext.h"

namespace ruvo {

class Canvas;
class TextMeasure;

inline constexpr int kRampSize = 256;
using ColourTable = std::array<QRgb, kRampSize>;

// Blue - cyan - green - yellow - red in four runs of 64 entries.
const ColourTable& colour_ramp();
// Entry e is (e, e, e): black to white.
const ColourTable& grey_ramp();

// Every colour index is clamped to 0..255 before it picks an entry.
int clamp_colour_index(int index);
QRgb ramp_colour(const ColourTable& ramp, int index);

// Ramp index of contour level k of n (1..n), also used for legend cell k
// (0..n): trunc(255 k / n), from trunc(255 / n) up to 255 at the last level.
int contour_colour_index(int k, int level_count);

// Ramp index of a cell of the fill: the band of `value` among band_count equal
// bands of the range, 0..band_count. Values outside a range the user narrowed
// take the nearer end band, so that every cell shows a colour of the legend.
// A range whose ends are equal has a single boundary: values above it take
// the last band, all others 0.
// Inline: the fill takes one for every cell.
inline int fill_colour_index(double value, double range_min, double range_max, int band_count) {
    if (range_max == range_min) return value > range_max ? band_count : 0;
    const double step = 255.0 / band_count;
    // Values far outside the range give infinite fractions; Truncate
    // saturates them and the clamp takes the nearer end.
    return std::clamp(Truncate(((value - range_min) / (range_max - range_min) * 255) / step), 0, band_count);
}

// range_min / range_max of the plot: the view's Scalar_min / Scalar_max where
// the user set them, else the extremes of the current scalar slot over the
// drawing rectangle. Fails when there is no scalar slot to draw, or when the
// range is not a finite span (its ends not numbers, or too far apart).
PlotOutcome set_value_range(PlotState& plot, const ViewFields& store, const View_Info& view);
inline PlotOutcome set_value_range(PlotContext& context) {
    return set_value_range(context.plot, context.store, context.view);
}

// Height of the image once 20 % is added below the plot for the legend.
int enlarged_height(int height);

// Readies the image of a colour plot: enlarges it when `enlarge` is set and
// gives it a new white raster, which all later drawing of the redraw goes
// onto. A second colour plot of the same redraw (the coloured lines of an
// overlap) keeps the picture the first one drew, enlarged again below for its
// own legend. Fails only when no raster of that size can be had.
PlotOutcome set_up_colour_raster(PlotContext& context, bool enlarge);

// Cell k (0..n) of the legend bar under the plot: a rectangle covering
// x1..x2-1, y1..y2-1 of an image `width` x `height` (the enlarged height).
struct LegendCell {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
};
LegendCell legend_cell(int width, int height, int n, int k);

// The n + 1 cells of the legend bar; cell k takes the ramp entry
// `colour_index(k, n)`.
void draw_legend_bar(Canvas& canvas, const ColourTable& ramp, int n, int (*colour_index)(int k, int n));

// The row a legend takes, from the top of its bar to the bottom of a picture
// or page `width` x `height`: its bar, ticks and range texts lie in it.
QRectF legend_row(double bar_top, double width, double height);
// Notes the row of the legend bar of n cells just drawn on `canvas`.
void note_legend_row(PlotState& plot, const Canvas& canvas, int n);

// Round values under the legend bar of the fill (n bands) or of the coloured
// contours (n levels), in black: a short mark down from the bar and the
// value under it, clear of the range texts.
void draw_fill_legend_ticks(Canvas& canvas, const PlotState& plot, int n);
void draw_contour_legend_ticks(Canvas& canvas, const PlotState& plot, int n);

// Point size of the fill's range labels: 6 points at 100 %.
int range_label_point_size(int magnification);
// A range end as the labels show it: seven decimals, "0.0000000" style,
// or from this size on three digits and an exponent, "1.23E+300".
inline constexpr double kRangeLabelScientificFrom = 1e7;
QString range_label_text(double value);
// The numbers written on a picture are measured in the range labels' font.
TextMeasure picture_text_measure(const PlotState& plot);
// range_min under the left end of the legend, range_max under its right part.
void draw_range_labels(Canvas& canvas, const PlotState& plot);

}  // namespace ruvo
