#pragma once

namespace ruvo {

struct Workspace;

// Makes `slot` the current view, as activating its window does: it becomes
// current_active_window, its file's data slot becomes current_data, its area
// the drawing rectangle and its saved mapping the plot engine's mapping.
// Nothing is redrawn. The window, the redraw and the command line all make a
// view current this one way.
void activate_view_slot(Workspace& ws, int slot);

// What closing a view window does to the tables, whichever way it is
// closed: its slot is freed and the open windows are counted down. The
// current slot stays current unless it is the one closed (then none is).
void release_view_slot(Workspace& ws, int slot);

}  // namespace ruvo
