#pragma once

#include <optional>

#include "view/LayoutRules.h"

class QImage;

namespace ruvo {

struct FieldStore;
struct PlotState;
struct View_Info;

enum class RangeEnd { Min, Max };

// A grid node (store indices, from 1) holding the new end of a range.
struct RangeNode {
    int i = 0;
    int j = 0;
    double value = 0.0;
};

// What a range command did: the end it moved and the node of the new value.
// Without a node nothing changed: no value of the area lies beyond that end.
struct RangeStep {
    RangeEnd end = RangeEnd::Min;
    std::optional<RangeNode> node;
};

// The range commands of a contour or fill view, over the scalar values of
// the view's data slot in its area. A step moves one end to the
// next distinct value inward (strictly above Scalar_min, strictly below
// Scalar_max) and marks it changed; a default puts it back at the area's
// extreme and marks it unchanged. Steps start from the stored ends whatever
// their flags. Of equal values the first node met, j outer and i inner, is named.
RangeStep View_Cntr_MinUpClick(View_Info& view, const FieldStore& store);
RangeStep View_Cntr_MaxDownClick(View_Info& view, const FieldStore& store);
RangeStep View_Cntr_MinDefaultClick(View_Info& view, const FieldStore& store);
RangeStep View_Cntr_MaxDefaultClick(View_Info& view, const FieldStore& store);

using RangeCommand = RangeStep (*)(View_Info& view, const FieldStore& store);

// The items that put an end back, once an end has changed: set as the
// layout rules of contour and fill views set them; other views keep theirs.
ControlLayout range_item_layout(const View_Info& view);

// The green dot that shows the node while its announcement is read: a
// not-xor dot, so drawing it again removes it.
void Toggle_Range_Dot(QImage& picture, const PlotState& plot, const FieldStore& store, const RangeNode& node);

}  // namespace ruvo
