#include "plot/ContourPlot.h"

#include <vector>

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "plot/ColourScale.h"
#include "plot/ContourCells.h"
#include "plot/ContourChains.h"
#include "plot/ContourLabels.h"
#include "plot/Fonts.h"
#include "plot/PlotNumbers.h"
#include "plot/Progress.h"
#include "view/Geometry.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {

// A segment, then a zero-length stroke at each end so that wide pens give
// the line round ends.
void join(Canvas& canvas, QPoint a, QPoint b) {
    canvas.move_to(a);
    canvas.line_to(b);
    canvas.move_to(a);
    canvas.line_to(a);
    canvas.move_to(b);
    canvas.line_to(b);
}

QPoint rounded(QPointF p) { return {Nearest(p.x()), Nearest(p.y())}; }

// The pieces of segment a-b outside the labels' gaps (the whole segment, its
// pixels as they are, where it meets none).
void join_outside_gaps(Canvas& canvas, QPoint a, QPoint b, const std::vector<QRectF>& gaps,
                       std::vector<LinePiece>& pieces) {
    pieces_outside_gaps(a, b, gaps, pieces);
    for (const LinePiece& piece : pieces) join(canvas, rounded(piece.a), rounded(piece.b));
}

void draw_solid_level(PlotContext& context, const Table& s, const ContourCellSpans& spans, double level,
                      const std::vector<QRectF>& gaps) {
    std::vector<LinePiece> pieces;
    for_each_contour_segment(context.store, s, level, spans, [&](const ContourSegment& segment) {
        join_outside_gaps(context.canvas, context.plot.pixel(segment.a), context.plot.pixel(segment.b), gaps, pieces);
    });
}

// Most segments are shorter than a dash, so a dashed level is stroked line by
// line instead: its segments joined into polylines, along which the pattern
// runs on. No dots at the segment ends, which would fill the gaps.
// A label's gap breaks the stroke: the pattern starts again after it.
// Where nodes outnumber pixels a solid level is stroked so too: segments of
// a cell are then shorter than a pixel, and each leaves its end pixel to
// the next one, which may run the other way and leave the same pixel.
void draw_level_by_lines(PlotContext& context, const Table& s, const ContourCellSpans& spans, double level,
                         const std::vector<QRectF>& gaps) {
    std::vector<ContourSegment> segments;
    for_each_contour_segment(context.store, s, level, spans,
                             [&](const ContourSegment& segment) { segments.push_back(segment); });
    Canvas& canvas = context.canvas;
    std::vector<LinePiece> pieces;
    for (const ContourChain& chain : join_segments(segments)) {
        QPoint previous = context.plot.pixel(chain.front());
        canvas.move_to(previous);
        bool drawn = false;
        for (const QPointF& point : chain) {
            const QPoint pixel = context.plot.pixel(point);
            if (pixel == previous) continue;
            pieces_outside_gaps(previous, pixel, gaps, pieces);
            for (const LinePiece& piece : pieces) {
                if (rounded(piece.a) != canvas.position()) canvas.move_to(rounded(piece.a));
                canvas.line_to(rounded(piece.b));
                drawn = true;
            }
            previous = pixel;
        }
        // Within one pixel: a dot, as a solid line gets (unless under a label).
        pieces_outside_gaps(previous, previous, gaps, pieces);
        if (!drawn && !pieces.empty()) canvas.line_to(canvas.position());
    }
}

// The levels' values on their lines, placed clear of the legends.
std::vector<ContourLabel> level_labels(PlotContext& context, const Table& s, const ContourCellSpans& spans,
                                       int level_count) {
    const PlotState& plot = context.plot;
    const std::vector<LevelLines> levels =
        contour_level_lines(context.store, s, spans, plot.range_min, plot.range_max, level_count,
                            [&](QPointF p) { return QPointF(plot.pixel(p)); });
    const QRectF picture(0, 0, context.canvas.width(), context.canvas.height());
    return place_contour_labels(levels, picture_text_measure(plot), picture, plot.legend_rows);
}

// In black, readable on any line colour and over a fill.
void draw_labels(Canvas& canvas, const PlotState& plot, const std::vector<ContourLabel>& labels) {
    const TextMeasure measure = picture_text_measure(plot);
    canvas.set_font(QString::fromUtf8(kPlotFontName), range_label_point_size(plot.magnification));
    canvas.set_pen_colour(qRgb(0, 0, 0));
    for (const ContourLabel& label : labels) {
        const QRectF text = centred_box(label.centre, measure.size(label.text));
        canvas.text_out(Nearest(text.left()), Nearest(text.top()), label.text);
    }
}
}  // namespace

PlotOutcome Draw_Contours(PlotContext& context) {
    const View_Info& view = context.view;
    const int level_count = view.line_num;
    if (level_count < 1) return {PlotFailure::Numeric, QStringLiteral("the view asks for no contour level")};
    if (const PlotOutcome range = set_value_range(context); !range.ok()) return range;
    if (view.Color) {
        if (const PlotOutcome raster = set_up_colour_raster(context, true); !raster.ok()) return raster;
        draw_legend_bar(context.canvas, colour_ramp(), level_count, contour_colour_index);
        note_legend_row(context.plot, context.canvas, level_count);
        if (view.numbers_on_plot) draw_contour_legend_ticks(context.canvas, context.plot, level_count);
    }

    Canvas& canvas = context.canvas;
    const PlotState& plot = context.plot;
    const ViewFields& store = context.store;
    const Table& s = store.current_scalars().value;
    // On screen a cell of a closed line is contoured while closed lines are shown.
    const ContourCellSpans spans(store, s, [&](int i, int j) { return store.cell_skipped(i, j); });
    const std::vector<ContourLabel> labels =
        view.numbers_on_plot ? level_labels(context, s, spans, level_count) : std::vector<ContourLabel>{};
    // Half the pen's width and the rounding of the pieces' ends.
    const std::vector<QRectF> gaps = label_gaps(labels, view.line_width / 2.0 + 1.0);
    canvas.set_pen_mode(PenMode::Copy);
    canvas.set_pen_width(view.line_width);
    context.progress.set_maximum(level_count);
    context.progress.set_step(1);
    const bool by_lines = nodes_outnumber_pixels(store.draw, plot);
    for (int k = 1; k <= level_count; ++k) {
        canvas.set_pen_colour(view.Color ? ramp_colour(colour_ramp(), contour_colour_index(k, level_count))
                                         : qRgb(0, 0, 0));
        const double level = contour_level(plot.range_min, plot.range_max, level_count, k);
        const bool dashed = view.Broken && level < 0;
        canvas.set_pen_style(dashed ? PenStyle::Dashed : PenStyle::Solid);
        if (dashed || by_lines) {
            draw_level_by_lines(context, s, spans, level, gaps);
        } else {
            draw_solid_level(context, s, spans, level, gaps);
        }
        context.progress.step();
    }
    context.progress.set_position(0);
    canvas.set_pen_style(PenStyle::Solid);
    if (!labels.empty()) draw_labels(canvas, plot, labels);
    return {};
}

}  // namespace ruvo
