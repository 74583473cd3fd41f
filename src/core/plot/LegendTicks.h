#pragma once

#include <QRectF>
#include <QString>

#include <vector>

namespace ruvo {

class TextMeasure;

// Where a legend bar shows which value: `value_a` at x_a and `value_b` at x_b
// (linear between), ticks only for values in lo..hi.
struct LegendAxis {
    double value_a = 0.0;
    double x_a = 0.0;
    double value_b = 0.0;
    double x_b = 0.0;
    double lo = 0.0;
    double hi = 0.0;
};

// A cell of a legend bar from x `left` to `right`.
struct LegendCellSpan {
    double left = 0.0;
    double right = 0.0;
};

// The fill's bar: band k of n in cell k, so range_min lies at the left of
// cell 0 and range_max at the left of cell n.
LegendAxis fill_legend_axis(double range_min, double range_max, LegendCellSpan first, LegendCellSpan last);
// The coloured contours' bar: cell k takes the colour of level k of n, so
// level k lies at the middle of cell k (range_min, "level 0", in cell 0);
// ticks within the range and the bar.
LegendAxis contour_legend_axis(double range_min, double range_max, int n, LegendCellSpan first, LegendCellSpan last);

struct LegendTick {
    double value = 0.0;
    double x = 0.0;  // of the mark, the middle of the text
    QString text;
    QRectF box;  // of the text
};

// Where the ticks go under a bar whose bottom edge is at `bar_bottom` in a
// picture or page `height` tall: marks down to `mark_end`, texts from `text_top`.
struct LegendTickRow {
    double mark_end = 0.0;
    double text_top = 0.0;
};
LegendTickRow legend_tick_row(double bar_bottom, double height);

// Ticks at round values (1, 2 or 5 times a power of ten) of the axis, their
// texts' tops at `text_top`: the closest step at which at most a handful of
// texts keep clear of each other; a tick whose text, with a digit's width
// either side, leaves `area` or meets one of `taken` (the range texts) is
// left out. None for an empty range.
std::vector<LegendTick> legend_ticks(const LegendAxis& axis, double text_top, const TextMeasure& measure,
                                     const QRectF& area, const std::vector<QRectF>& taken);

}  // namespace ruvo
