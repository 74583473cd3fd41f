#pragma once

#include <vector>

#include "plot/GridLine.h"
#include "view/ViewFields.h"

namespace ruvo {

class Canvas;
class Progress;
struct PlotState;

// Every grid line of the drawing rectangle, grey in mask mode so it darkens
// what lies under it without hiding it. Segments across a closed line are
// left out unless closed lines are shown.
void Draw_Grid(Canvas& canvas, const ViewFields& store, const PlotState& plot, Progress& progress);

// The boundary lines of the drawing rectangle in outline order: j = y_start,
// i = x_end, j = y_end, i = x_start. The two cut lines of a closed grid shown
// whole are no boundary and are left out.
std::vector<GridLine> area_frame_edges(const ViewFields& store);

// Three-pixel black outline along the four boundary lines of the rectangle;
// the two cut lines of a closed grid shown whole are not outlined.
void Draw_Area_Frame(Canvas& canvas, const ViewFields& store, const PlotState& plot);

}  // namespace ruvo
