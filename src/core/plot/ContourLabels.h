#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <utility>
#include <vector>

#include "plot/ContourChains.h"
#include "plot/PlotNumbers.h"

namespace ruvo {

class TextMeasure;

// The lines of one contour level in the units of a medium (pixels or page
// units, y growing downwards), with the text of its value.
struct LevelLines {
    QString text;
    std::vector<ContourChain> lines;
};

// Every level's lines joined and mapped into a medium by `map` (a point of
// the grid to the medium's units), with the levels' values in their short
// form.
template <typename Map>
std::vector<LevelLines> contour_level_lines(const ViewFields& store, const Table& s, const ContourCellSpans& spans,
                                            double range_min, double range_max, int level_count, Map map) {
    std::vector<double> values;
    for (int k = 1; k <= level_count; ++k) values.push_back(contour_level(range_min, range_max, level_count, k));
    const QStringList texts = short_value_texts(values, (range_max - range_min) / (level_count + 1));
    std::vector<LevelLines> levels;
    std::vector<ContourSegment> segments;
    for (std::size_t k = 0; k < values.size(); ++k) {
        segments.clear();
        for_each_contour_segment(store, s, values[k], spans,
                                 [&](const ContourSegment& segment) { segments.push_back(segment); });
        LevelLines level{texts[static_cast<qsizetype>(k)], join_segments(segments)};
        for (ContourChain& line : level.lines) {
            for (QPointF& point : line) point = map(point);
        }
        levels.push_back(std::move(level));
    }
    return levels;
}

// A value written upright on a line of its level: the text centred on a
// point of the line, in a box that the level lines are cut away under.
struct ContourLabel {
    std::size_t level = 0;  // index into the levels placed
    QString text;
    QPointF centre;
    QRectF box;  // the text's box with a margin round it
};

// Labels for the levels' lines: a few along each line (one for every stretch
// of 0.4 of the area's larger side, at least one; none on a line shorter than
// three labels), each moved along its line until its box lies within `area`
// and meets neither `taken` nor a label placed before it. Levels in order,
// the longer lines of a level first.
std::vector<ContourLabel> place_contour_labels(const std::vector<LevelLines>& levels, const TextMeasure& measure,
                                               const QRectF& area, const std::vector<QRectF>& taken);

// The gaps the labels cut in the lines: their boxes grown by `margin` (half
// a pen's width and the rounding of the ends).
std::vector<QRectF> label_gaps(const std::vector<ContourLabel>& labels, double margin);

// The pieces of segment a-b outside every gap, in order from a; the whole
// segment, its ends exactly as given, when it meets none.
struct LinePiece {
    QPointF a;
    QPointF b;
};
void pieces_outside_gaps(QPointF a, QPointF b, const std::vector<QRectF>& gaps, std::vector<LinePiece>& pieces);

}  // namespace ruvo
