#include "plot/NeglectSteps.h"

#include <algorithm>

#include "Workspace.h"
#include "plot/RasterCanvas.h"
#include "plot/GridPlot.h"
#include "plot/LinePlots.h"
#include "plot/Progress.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {
using Marker = void (*)(PlotContext&);

// The mark of a line plot's other coordinate.
Marker marker_of(const View_Info& view) {
    switch (kind_of(view)) {
    case ViewKind::Row: return Draw_Row_Neglect;
    case ViewKind::Column: return Draw_Column_Neglect;
    case ViewKind::Detail: return Draw_Detail_Neglect;
    default: return nullptr;
    }
}

// A plot that follows XPos steps its other coordinate, YPos, and the other way round.
bool steps_row(const View_Info& view) { return line_focus(view) == LineFocus::Column; }

// A grid whose header names no line in a direction keeps its first one.
int on_grid(int position, int first, int last) { return std::clamp(position, first, std::max(first, last)); }
}  // namespace

std::optional<ControlLayout> neglect_step(Workspace& ws, QImage& picture, int delta, StatusBoxes& status) {
    View_Info& view = ws.views.current();
    const Marker marker = marker_of(view);
    if (!marker) return std::nullopt;
    RasterCanvas canvas(picture);
    NoProgress progress;
    // The marks lie on the picture the view's last layout drew.
    PlotState plot = mapping_of(view);
    PlotContext context{canvas, view_fields(ws.store, view), plot, view, progress, status, ws.fixed_size_mode};
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
    if (view.ScalarViewType != kDetailView) Draw_Area_Frame(canvas, context.store, plot);
    ControlLayout layout;
    layout.check(ViewMenuItem::View_Cntr_YAxis_Switch);
    return layout;
}

}  // namespace ruvo
