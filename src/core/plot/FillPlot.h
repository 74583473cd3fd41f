#pragma once

#include "plot/PlotContext.h"

namespace ruvo {

// Solid colour (or grey) fill of every cell from the value at its first node,
// with legend bar and range labels.
PlotOutcome Draw_Beta(PlotContext& context);

}  // namespace ruvo
