#pragma once

#include <optional>

#include "view/LayoutRules.h"

class QImage;

namespace ruvo {

class StatusBoxes;
struct Workspace;

// A neglect step (delta +1 or -1) of the current view, a Row, Column or
// Detail view: the position of the line not in focus (YPos in a Column view
// and in a Detail view along a line of constant i, XPos otherwise) moves one
// step within the grid read last (`store.grid_area`, the range of the
// panel's position bars), and its marker moves with it on `picture`,
// without a redraw: the marker shown is removed and drawn at the new place.
// The marker stays on (YAxis); the layout returned checks its item. Nothing
// happens in other views.
std::optional<ControlLayout> neglect_step(Workspace& ws, QImage& picture, int delta, StatusBoxes& status);

}  // namespace ruvo
