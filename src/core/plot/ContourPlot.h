#pragma once

#include "plot/PlotContext.h"

namespace ruvo {

// Contour lines of the current scalar slot, black or coloured with a legend,
// negative levels dashed on request.
PlotOutcome Draw_Contours(PlotContext& context);

}  // namespace ruvo
