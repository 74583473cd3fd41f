#include "view/ViewActivation.h"

#include "Workspace.h"

namespace ruvo {

void activate_view_slot(Workspace& ws, int slot) {
    // A magnification waiting for its commit belongs to the view that was current.
    if (slot != ws.views.current_active_window) ws.pending_magnification.reset();
    ws.views.current_active_window = slot;
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
