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
#include "view/ViewActivation.h"
#include "view/ViewKind.h"

namespace ruvo {

RenderResult result_of(const PlotOutcome& outcome) {
    switch (outcome.failure) {
    case PlotFailure::None: return {};
    case PlotFailure::Numeric: return {RenderFailure::Numeric, outcome.reason};
    case PlotFailure::AllZeroVectors: return {RenderFailure::AllZeroVectors, outcome.reason};
    }
    return {};
}

namespace {

// One layer of the picture; only the plots can fail.
PlotOutcome draw_layer(Layer layer, PlotContext& context) {
    switch (layer) {
    case Layer::Grid:
    case Layer::GridLines: Draw_Grid(context.canvas, context.store, context.plot, context.progress); return {};
    case Layer::Vectors: return Draw_Vectors(context);
    case Layer::Contours: return Draw_Contours(context);
    case Layer::KEpsilon: return Draw_KEpsilon(context);
    case Layer::Row: return Draw_Row(context);
    case Layer::Column: return Draw_Column(context);
    case Layer::Detail: return Draw_Detail(context);
    case Layer::Fill: return Draw_Beta(context);
    case Layer::AreaFrame: Draw_Area_Frame(context.canvas, context.store, context.plot); return {};
    case Layer::Outline: return {};  // the file's alone
    }
    return {};
}
}  // namespace

GeometryFailure lay_out_view(Workspace& ws, int slot, PlotState& plot, std::optional<int> magnification) {
    View_Info& view = ws.views.at(slot);
    return ws.fixed_size_mode
               ? Set_Fixed_Geometry(plot, ws.store, view)
               : Set_View_Geometry(plot, ws.store, view, magnification.value_or(ws.magnification_of(slot)));
}

RenderResult render_grid_over(Workspace& ws, int slot, QImage& image, Progress& progress) {
    activate_view_slot(ws, slot);
    if (const GeometryFailure layout = lay_out_view(ws, slot, ws.plot); layout != GeometryFailure::None) {
        return {RenderFailure::Geometry, geometry_failure_text(layout)};
    }
    Canvas canvas(image);
    Draw_Grid(canvas, ws.store, ws.plot, progress);
    return {};
}

RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes& status) {
    activate_view_slot(ws, slot);
    if (const GeometryFailure layout = lay_out_view(ws, slot, ws.plot); layout != GeometryFailure::None) {
        return {RenderFailure::Geometry, geometry_failure_text(layout)};
    }
    View_Info& view = ws.views.at(slot);

    // A picture of the size it had is drawn over again in its own memory: a
    // series of redraws (a conversion, follow mode, the bars) allocates nothing.
    ws.plot.colour_raster_ready = false;
    Canvas canvas(image);
    canvas.new_raster(ws.plot.width, ws.plot.height);
    PlotContext context{canvas, ws.store, ws.plot, view, progress, status, ws.fixed_size_mode};

    const Layers layers = view_layers(view, Medium::Screen);
    for (const Layer layer : layers.all()) {
        if (const PlotOutcome drawn = draw_layer(layer, context); !drawn.ok()) return result_of(drawn);
    }
    return {};
}

}  // namespace ruvo
