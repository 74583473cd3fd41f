#include "view/NeglectSteps.h"

#include <algorithm>

#include "Workspace.h"
#include "plot/Canvas.h"
#include "plot/GridPlot.h"
#include "plot/LinePlots.h"
#include "plot/Progress.h"

namespace ruvo {

namespace {
using Marker = void (*)(PlotContext&);

Marker marker_of(const View_Info& view) {
    if (view.FileType != kScalarView) return nullptr;
    switch (view.ScalarViewType) {
    case kRowView: return Draw_Row_Neglect;
    case kColumnView: return Draw_Column_Neglect;
    case kDetailView: return Draw_Detail_Neglect;
    default: return nullptr;
    }
}

// The Column view and the Detail view along a line of constant i focus on
// XPos; their other coordinate is YPos.
bool steps_row(const View_Info& view) {
    return view.ScalarViewType == kColumnView || (view.ScalarViewType == kDetailView && view.Detail_Axis);
}

// A grid whose header names no line in a direction keeps its first one.
int on_grid(int position, int first, int last) { return std::clamp(position, first, std::max(first, last)); }
}  // namespace

std::optional<ControlLayout> neglect_step(Workspace& ws, QImage& picture, int delta, StatusBoxes& status) {
    View_Info& view = ws.views.current();
    const Marker marker = marker_of(view);
    if (!marker) return std::nullopt;
    Canvas canvas(picture);
    NoProgress progress;
    PlotContext context{canvas, ws.store, ws.plot, view, progress, status, ws.fixed_size_mode};
    if (view.YAxis) marker(context);
    const DrawRect& grid = ws.store.grid_area;
    if (steps_row(view)) {
        view.YPos = on_grid(view.YPos + delta, grid.y_start, grid.y_end);
    } else {
        view.XPos = on_grid(view.XPos + delta, grid.x_start, grid.x_end);
    }
    view.YAxis = true;
    marker(context);
    // A redraw draws the area frame over the marker's ends; drawn again here,
    // it mends where the removed marker crossed it.
    if (view.ScalarViewType != kDetailView) Draw_Area_Frame(canvas, ws.store, ws.plot);
    ControlLayout layout;
    layout.check(ViewMenuItem::View_Cntr_YAxis_Switch);
    return layout;
}

}  // namespace ruvo
