#pragma once

#include "plot/PlotContext.h"

namespace ruvo {

// Arrows of the current vector slot from the grid nodes of the drawing
// rectangle, thinned by grid step or by pixel spacing.
PlotOutcome Draw_Vectors(PlotContext& context);

// One arrow from tail (x0, y0) to tip (x1, y1), grid coordinates, with an open
// two-stroke head of width w and span s (grid units).
void Draw_Arrow(PlotContext& context, double x0, double y0, double x1, double y1, double w, double s);

}  // namespace ruvo
