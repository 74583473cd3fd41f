#pragma once

#include <functional>

#include "plot/LinePlotRules.h"
#include "plot/PlotContext.h"

namespace ruvo {

// Scalar values as curves along grid lines.
PlotOutcome Draw_KEpsilon(PlotContext& context);
PlotOutcome Draw_Row(PlotContext& context);
PlotOutcome Draw_Column(PlotContext& context);
PlotOutcome Draw_Detail(PlotContext& context);

// The Detail graph's extremes and value axis, shared with the GRAF export.
DetailScale Detail_Scale(PlotState& plot, const ViewFields& store, const View_Info& view);

// The ticks of the Detail graph's value scale, in drawing order: the zero
// row's, then the upper ladder (from the zero row up to `top`) and the lower
// one (from `bottom` up to the zero row) as the scale asks for them. `tick`
// draws one; each ladder drives `progress`. Shared by screen and file.
void for_each_scale_tick(const View_Info& view, const DetailScale& d, int zero_row, int top, int bottom,
                         Progress& progress, const std::function<void(int row)>& tick);

// Grey exclusive-or markers of the index not in focus; drawing one twice
// restores the image. They also fill the status boxes.
void Draw_Row_Neglect(PlotContext& context);
void Draw_Column_Neglect(PlotContext& context);
void Draw_Detail_Neglect(PlotContext& context);

}  // namespace ruvo
