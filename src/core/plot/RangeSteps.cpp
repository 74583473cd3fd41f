#include "plot/RangeSteps.h"

#include "data/Extremes.h"
#include "plot/RasterCanvas.h"
#include "view/Geometry.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

constexpr QRgb kRangeDotColour = qRgb(0, 128, 0);
constexpr int kRangeDotWidth = 8;

RangeStep set_end(View_Info& view, RangeEnd end, const Extreme& found, bool changed) {
    if (!found.found) return {end, std::nullopt};
    if (end == RangeEnd::Min) {
        view.Scalar_min = found.value;
        view.min_changed = changed;
    } else {
        view.Scalar_max = found.value;
        view.max_changed = changed;
    }
    return {end, RangeNode{found.i, found.j, found.value}};
}

}  // namespace

RangeStep View_Cntr_MinUpClick(View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    return set_end(view, RangeEnd::Min, array_min_above(fields.current_scalars().value, fields.draw, view.Scalar_min),
                   true);
}

RangeStep View_Cntr_MaxDownClick(View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    return set_end(view, RangeEnd::Max, array_max_below(fields.current_scalars().value, fields.draw, view.Scalar_max),
                   true);
}

RangeStep View_Cntr_MinDefaultClick(View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    return set_end(view, RangeEnd::Min, array_min(fields.current_scalars().value, fields.draw), false);
}

RangeStep View_Cntr_MaxDefaultClick(View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    return set_end(view, RangeEnd::Max, array_max(fields.current_scalars().value, fields.draw), false);
}

ControlLayout range_item_layout(const View_Info& view) {
    ControlLayout layout;
    if (kind_info(view).field) range_items(view, layout);
    return layout;
}

void Toggle_Range_Dot(QImage& picture, const PlotState& plot, const FieldStore& store, const RangeNode& node) {
    RasterCanvas canvas(picture);
    canvas.set_pen_colour(kRangeDotColour);
    canvas.set_pen_width(kRangeDotWidth);
    canvas.set_pen_mode(PenMode::NotXor);
    const QPoint at = plot.node_pixel(store, node.i, node.j);
    canvas.move_to(at);
    canvas.line_to(at);
}

}  // namespace ruvo
