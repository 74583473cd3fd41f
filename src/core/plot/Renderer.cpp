#include "plot/Renderer.h"

#include <functional>
#include <optional>

#include "Workspace.h"
#include "plot/RasterCanvas.h"
#include "plot/ContourPlot.h"
#include "plot/FillPlot.h"
#include "plot/GridPlot.h"
#include "plot/LinePlots.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/VectorPlot.h"
#include "view/ViewKind.h"

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
    RasterCanvas canvas(image);
    Draw_Grid(canvas, fields, plot, progress);
    return {RenderFailure::None, {}, plot.memo2.lines()};
}

namespace {
// Lays the view out and draws it on the canvas `canvas_for` gives once the
// layout stands: a view that cannot be laid out leaves its picture untouched.
RenderResult lay_out_and_draw(const FieldStore& store, View_Info& view, LayoutChoice layout,
                              const std::function<Canvas&()>& canvas_for, Progress& progress, StatusBoxes& status) {
    const ViewFields fields = view_fields(store, view);
    PlotState plot;
    if (const GeometryFailure failure = lay_out_view(fields, view, layout, plot); failure != GeometryFailure::None) {
        return {RenderFailure::Geometry, geometry_failure_text(failure), plot.memo2.lines()};
    }
    Canvas& canvas = canvas_for();
    canvas.new_raster(plot.width, plot.height);
    PlotContext context{canvas, fields, plot, view, progress, status, layout.fixed_size};

    RenderResult drawn;
    const Layers layers = view_layers(view, Medium::Screen);
    for (const Layer layer : layers.all()) {
        if (const PlotOutcome outcome = draw_layer(layer, context); !outcome.ok()) {
            drawn = result_of(outcome);
            break;
        }
    }
    drawn.layout_log = plot.memo2.lines();
    return drawn;
}
}  // namespace

RenderResult render_view(const FieldStore& store, View_Info& view, LayoutChoice layout, QImage& image,
                         Progress& progress, StatusBoxes& status) {
    // A picture of the size it had is drawn over again in its own memory: a
    // series of redraws (a conversion, follow mode, the bars) allocates nothing.
    std::optional<RasterCanvas> raster;
    return lay_out_and_draw(
        store, view, layout, [&]() -> Canvas& { return raster.emplace(image); }, progress, status);
}

RenderResult render_view(const FieldStore& store, View_Info& view, LayoutChoice layout, Canvas& canvas,
                         Progress& progress, StatusBoxes& status) {
    return lay_out_and_draw(
        store, view, layout, [&]() -> Canvas& { return canvas; }, progress, status);
}

RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes& status) {
    const RenderResult drawn = render_view(ws.store, ws.views.at(slot), ws.layout_of(slot), image, progress, status);
    ws.layout_log.append(drawn.layout_log);
    return drawn;
}

}  // namespace ruvo
