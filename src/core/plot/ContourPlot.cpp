#include "plot/ContourPlot.h"

#include <vector>

#include "data/FieldStore.h"
#include "plot/Canvas.h"
#include "plot/ColourScale.h"
#include "plot/ContourCells.h"
#include "plot/ContourChains.h"
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

void draw_solid_level(PlotContext& context, const Table& s, const ContourCellSpans& spans, double level) {
    for_each_contour_segment(context.store, s, level, spans, [&](const ContourSegment& segment) {
        join(context.canvas, context.plot.pixel(segment.a), context.plot.pixel(segment.b));
    });
}

// Most segments are shorter than a dash, so a dashed level is stroked line by
// line instead: its segments joined into polylines, along which the pattern
// runs on. No dots at the segment ends, which would fill the gaps.
void draw_dashed_level(PlotContext& context, const Table& s, const ContourCellSpans& spans, double level) {
    std::vector<ContourSegment> segments;
    for_each_contour_segment(context.store, s, level, spans,
                             [&](const ContourSegment& segment) { segments.push_back(segment); });
    Canvas& canvas = context.canvas;
    for (const ContourChain& chain : join_segments(segments)) {
        canvas.move_to(context.plot.pixel(chain.front()));
        bool drawn = false;
        for (const QPointF& point : chain) {
            const QPoint pixel = context.plot.pixel(point);
            if (pixel == canvas.position()) continue;
            canvas.line_to(pixel);
            drawn = true;
        }
        if (!drawn) canvas.line_to(canvas.position());  // within one pixel: a dot, as a solid line gets
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
    }

    Canvas& canvas = context.canvas;
    const PlotState& plot = context.plot;
    const ViewFields& store = context.store;
    const Table& s = store.current_scalars().value;
    // On screen a cell of a closed line is contoured while closed lines are shown.
    const ContourCellSpans spans(store, s, [&](int i, int j) { return store.cell_skipped(i, j); });
    canvas.set_pen_mode(PenMode::Copy);
    canvas.set_pen_width(view.line_width);
    context.progress.set_maximum(level_count);
    context.progress.set_step(1);
    for (int k = 1; k <= level_count; ++k) {
        canvas.set_pen_colour(view.Color ? ramp_colour(colour_ramp(), contour_colour_index(k, level_count))
                                         : qRgb(0, 0, 0));
        const double level = contour_level(plot.range_min, plot.range_max, level_count, k);
        const bool dashed = view.Broken && level < 0;
        canvas.set_pen_style(dashed ? PenStyle::Dashed : PenStyle::Solid);
        if (dashed) {
            draw_dashed_level(context, s, spans, level);
        } else {
            draw_solid_level(context, s, spans, level);
        }
        context.progress.step();
    }
    context.progress.set_position(0);
    canvas.set_pen_style(PenStyle::Solid);
    return {};
}

}  // namespace ruvo
