#pragma once

namespace ruvo {

struct Workspace;

// Makes `slot` the current view, as activating its window does: it becomes
// current_active_window, and a magnification bar moved for another view is
// dropped. Nothing is redrawn: drawing and export take their view as it is,
// current or not. The window and the command line make a view current this
// one way.
void activate_view_slot(Workspace& ws, int slot);

// What closing a view window does to the tables, whichever way it is
// closed: its slot is freed and the open windows are counted down. The
// current slot stays current unless it is the one closed (then none is).
void release_view_slot(Workspace& ws, int slot);

}  // namespace ruvo
