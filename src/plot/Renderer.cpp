#include "plot/Renderer.h"

#include "Workspace.h"
#include "plot/Canvas.h"
#include "plot/GridPlot.h"
#include "plot/Progress.h"

namespace ruvo {

namespace {
// The view's area becomes the drawing rectangle, and its file's slot the
// current data, as activating the view does.
void make_current(Workspace& ws, int slot) {
    View_Info& view = ws.views.at(slot);
    ws.views.current_active_window = slot;
    ws.store.draw = {view.x_start, view.y_start, view.x_end, view.y_end};
    if (view.FileType == kVectorView) ws.store.current_data = ws.store.slot_of(FileKind::Vector, view.Caption);
    if (view.FileType == kScalarView) ws.store.current_data = ws.store.slot_of(FileKind::Scalar, view.Caption);
}
}  // namespace

RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes&) {
    make_current(ws, slot);
    View_Info& view = ws.views.at(slot);
    const GeometryFailure layout = ws.fixed_size_mode
                                       ? Set_Fixed_Geometry(ws.plot, ws.store, view)
                                       : Set_View_Geometry(ws.plot, ws.store, view, ws.bars.magnification);
    if (layout != GeometryFailure::None) return {RenderFailure::Geometry, geometry_failure_text(layout)};

    image = QImage(ws.plot.width, ws.plot.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    Canvas canvas(image);

    if (view.FileType == kGridView) Draw_Grid(canvas, ws.store, ws.plot, progress);
    Draw_Area_Frame(canvas, ws.store, ws.plot);
    if (view.show_grid) Draw_Grid(canvas, ws.store, ws.plot, progress);
    return {};
}

}  // namespace ruvo
