#include "plot/Renderer.h"

#include "Workspace.h"
#include "plot/Canvas.h"
#include "plot/ContourPlot.h"
#include "plot/FillPlot.h"
#include "plot/GridPlot.h"
#include "plot/LinePlots.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/VectorPlot.h"

namespace ruvo {

RenderResult result_of(const PlotOutcome& outcome) {
    switch (outcome.failure) {
    case PlotFailure::None: return {};
    case PlotFailure::Numeric: return {RenderFailure::Numeric, outcome.reason, {}};
    case PlotFailure::AllZeroVectors: return {RenderFailure::AllZeroVectors, outcome.reason, {}};
    }
    return {};
}

namespace {

PlotOutcome draw_main_plot(PlotContext& context) {
    const View_Info& view = context.view;
    switch (view.FileType) {
    case kGridView: Draw_Grid(context.canvas, context.store, context.plot, context.progress); return {};
    case kVectorView: return Draw_Vectors(context);
    case kScalarView: break;
    default: return {};
    }
    switch (view.ScalarViewType) {
    case kContourView: return view.Cntr_Overlap ? PlotOutcome{} : Draw_Contours(context);
    case kKEpsilonView: return Draw_KEpsilon(context);
    case kRowView: return Draw_Row(context);
    case kColumnView: return Draw_Column(context);
    case kDetailView: return Draw_Detail(context);
    case kFillView: return Draw_Beta(context);
    default: return {};
    }
}

// Fill and contour lines drawn together, and the arrows over a contour or fill view.
PlotOutcome draw_overlays(PlotContext& context) {
    const View_Info& view = context.view;
    if (view.FileType != kScalarView) return {};
    const bool field_view = view.ScalarViewType == kContourView || view.ScalarViewType == kFillView;
    if (view.Cntr_Overlap && field_view) {
        if (view.ScalarViewType == kContourView) {
            if (const PlotOutcome fill = Draw_Beta(context); !fill.ok()) return fill;
        }
        if (const PlotOutcome lines = Draw_Contours(context); !lines.ok()) return lines;
    }
    if (view.Vector_Overlap && field_view) return Draw_Vectors(context);
    return {};
}

// The Detail graph has no area frame. A contour view under overlap starts its
// picture again with the fill (a new raster, taller for the legend), which
// would take the frame with it: it is not drawn only to be cleared.
bool frame_stays(const View_Info& view) {
    if (view.FileType != kScalarView) return true;
    if (view.ScalarViewType == kDetailView) return false;
    return !(view.ScalarViewType == kContourView && view.Cntr_Overlap);
}
}  // namespace

GeometryFailure lay_out_view(const ViewFields& fields, View_Info& view, LayoutChoice layout, PlotState& plot) {
    return layout.fixed_size ? Set_Fixed_Geometry(plot, fields, view)
                             : Set_View_Geometry(plot, fields, view, layout.magnification);
}

RenderResult render_grid_over(const FieldStore& store, View_Info& view, LayoutChoice layout, QImage& image,
                              Progress& progress) {
    const ViewFields fields = view_fields(store, view);
    PlotState plot;
    if (const GeometryFailure failure = lay_out_view(fields, view, layout, plot); failure != GeometryFailure::None) {
        return {RenderFailure::Geometry, geometry_failure_text(failure), plot.memo2.lines()};
    }
    Canvas canvas(image);
    Draw_Grid(canvas, fields, plot, progress);
    return {RenderFailure::None, {}, plot.memo2.lines()};
}

namespace {
RenderResult draw_view(PlotContext& context) {
    const View_Info& view = context.view;
    if (const PlotOutcome main = draw_main_plot(context); !main.ok()) return result_of(main);
    if (frame_stays(view)) Draw_Area_Frame(context.canvas, context.store, context.plot);
    if (const PlotOutcome overlays = draw_overlays(context); !overlays.ok()) return result_of(overlays);
    if (view.show_grid) Draw_Grid(context.canvas, context.store, context.plot, context.progress);
    return {};
}
}  // namespace

RenderResult render_view(const FieldStore& store, View_Info& view, LayoutChoice layout, QImage& image,
                         Progress& progress, StatusBoxes& status) {
    const ViewFields fields = view_fields(store, view);
    PlotState plot;
    if (const GeometryFailure failure = lay_out_view(fields, view, layout, plot); failure != GeometryFailure::None) {
        return {RenderFailure::Geometry, geometry_failure_text(failure), plot.memo2.lines()};
    }
    // A picture of the size it had is drawn over again in its own memory: a
    // series of redraws (a conversion, follow mode, the bars) allocates nothing.
    Canvas canvas(image);
    canvas.new_raster(plot.width, plot.height);
    PlotContext context{canvas, fields, plot, view, progress, status, layout.fixed_size};
    RenderResult drawn = draw_view(context);
    drawn.layout_log = plot.memo2.lines();
    return drawn;
}

RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes& status) {
    const RenderResult drawn = render_view(ws.store, ws.views.at(slot), ws.layout_of(slot), image, progress, status);
    ws.layout_log.append(drawn.layout_log);
    return drawn;
}

}  // namespace ruvo
