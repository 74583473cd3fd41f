#include "view/ViewActivation.h"

#include "Workspace.h"

namespace ruvo {

void activate_view_slot(Workspace& ws, int slot) {
    // A magnification waiting for its commit belongs to the view that was current.
    if (slot != ws.views.current_active_window) ws.pending_magnification.reset();
    ws.views.current_active_window = slot;
    const View_Info& view = ws.views.at(slot);

    ws.store.current_data = 1;
    if (view.FileType == kVectorView) ws.store.current_data = ws.store.slot_of(FileKind::Vector, view.Caption);
    if (view.FileType == kScalarView) ws.store.current_data = ws.store.slot_of(FileKind::Scalar, view.Caption);

    ws.plot.x_scale = view.x_scale;
    ws.plot.y_scale = view.y_scale;
    ws.plot.x_scale_y = view.x_scale_y;
    ws.plot.dx = view.dx;
    ws.plot.dy = view.dy;
    ws.plot.frame_left = view.frame_left;
    ws.plot.frame_bottom = view.frame_bottom;
    ws.plot.origin_y = view.origin_y;
    ws.store.draw = {view.x_start, view.y_start, view.x_end, view.y_end};
}

void release_view_slot(Workspace& ws, int slot) {
    ViewTable& views = ws.views;
    const int current = views.current_active_window;
    views.current_active_window = slot;
    views.Reset_View_Info();
    views.current_active_window = current == slot ? 0 : current;
    views.info_number_max -= 1;
}

}  // namespace ruvo
