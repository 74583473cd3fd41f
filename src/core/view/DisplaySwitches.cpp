#include "view/DisplaySwitches.h"

#include "data/FieldStore.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {
using M = ViewMenuItem;

SwitchEffect redraw_with(const ControlLayout& layout) { return {layout, true, false, false}; }

SwitchEffect redraw_with_scalar_layout(const View_Info& view) {
    ControlLayout layout;
    scalar_layout(view, layout);
    return redraw_with(layout);
}

// A switch of the shown kind: the flag flips, the kind's layout follows.
SwitchEffect toggle(View_Info& view, bool& flag) {
    flag = !flag;
    return redraw_with_scalar_layout(view);
}

// The radio items of the scalar kinds: choosing the kind shown does nothing.
SwitchEffect switch_kind(View_Info& view, std::uint8_t kind) {
    if (view.ScalarViewType == kind) return SwitchEffect::nothing();
    view.ScalarViewType = kind;
    return redraw_with_scalar_layout(view);
}

// The dot-mode items: the vector layout in a vector view; in a contour or
// fill view with arrows overlaid, that view's own layout, which shows the
// arrow step groups as the new mode asks and keeps the scalar groups.
SwitchEffect dot_mode_layout(const View_Info& view) {
    if (view.FileType == kScalarView) return redraw_with_scalar_layout(view);
    ControlLayout layout;
    Set_Vector_Controls(view, layout);
    return redraw_with(layout);
}

// The Detail view's options: toggled, then the Detail view is shown (drawn
// again when it is already shown).
SwitchEffect detail_option(View_Info& view, bool& option, M item) {
    option = !option;
    view.ScalarViewType = kDetailView;
    SwitchEffect effect = redraw_with_scalar_layout(view);
    effect.layout->check(item, option);
    return effect;
}
}  // namespace

SwitchEffect X_Grid_ModeClick(View_Info& view) {
    view.x_grid_mode = !view.x_grid_mode;
    return dot_mode_layout(view);
}

SwitchEffect Y__Dot_ModeClick(View_Info& view) {
    view.y_grid_mode = !view.y_grid_mode;
    return dot_mode_layout(view);
}

SwitchEffect View_Cntr_SwitchClick(View_Info& view) { return switch_kind(view, kContourView); }

SwitchEffect View_Cntr_Color_SwitchClick(View_Info& view) { return toggle(view, view.Color); }

SwitchEffect View_Cntr_Broken_SwitchClick(View_Info& view) { return toggle(view, view.Broken); }

SwitchEffect View_Cntr_Label_SwitchClick(View_Info& view) { return toggle(view, view.numbers_on_plot); }

SwitchEffect View_Cntr_Beta_SwitchClick(View_Info& view) { return switch_kind(view, kFillView); }

SwitchEffect Beta_Color_Gray_SwitchClick(View_Info& view) { return toggle(view, view.Gray); }

SwitchEffect Cntr_Overlap_SwitchClick(View_Info& view) {
    view.Cntr_Overlap = !view.Cntr_Overlap;
    ControlLayout layout;
    layout.check(M::Cntr_Overlap_Switch, view.Cntr_Overlap);
    Set_Overlap_Controls(view, layout);
    return redraw_with(layout);
}

SwitchEffect Vector_Overlap_SwitchClick(View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    const bool arrows_read = fields.current_data_valid() && fields.data_slot <= store.vector_count;
    if (store.vector_count <= 0 || (!view.Vector_Overlap && !arrows_read)) {
        SwitchEffect warning;
        warning.warn_no_vectors = true;
        return warning;
    }
    view.Vector_Overlap = !view.Vector_Overlap;
    ControlLayout layout;
    layout.check(M::Vector_Overlap_Switch, view.Vector_Overlap);
    Set_Overlap_Controls(view, layout);
    return redraw_with(layout);
}

SwitchEffect View_Cntr_KEpsilon_SwitchClick(View_Info& view) { return switch_kind(view, kKEpsilonView); }

SwitchEffect View_Cntr_Row_SwitchClick(View_Info& view) {
    if (view.ScalarViewType == kRowView) return SwitchEffect::nothing();
    view.Detail_Axis = false;
    return switch_kind(view, kRowView);
}

SwitchEffect View_Cntr_Column_SwitchClick(View_Info& view) {
    if (view.ScalarViewType == kColumnView) return SwitchEffect::nothing();
    view.Detail_Axis = true;
    return switch_kind(view, kColumnView);
}

SwitchEffect View_Cntr_Detail_SwitchClick(View_Info& view) { return switch_kind(view, kDetailView); }

SwitchEffect View_Cntr_SwitchAxisClick(View_Info& view) {
    switch (view.ScalarViewType) {
    case kRowView: return View_Cntr_Column_SwitchClick(view);
    case kColumnView: return View_Cntr_Row_SwitchClick(view);
    case kDetailView: view.Detail_Axis = !view.Detail_Axis; return redraw_with_scalar_layout(view);
    default: return SwitchEffect::nothing();
    }
}

SwitchEffect View_Cntr_Point_SwitchClick(View_Info& view) {
    return detail_option(view, view.Detail_Point, M::View_Cntr_Point_Switch);
}

SwitchEffect View_Cntr_AutoScale_SwitchClick(View_Info& view) {
    return detail_option(view, view.AutoScale, M::View_Cntr_AutoScale_Switch);
}

SwitchEffect View_Cntr_YScale_SwitchClick(View_Info& view) {
    return detail_option(view, view.YScale, M::View_Cntr_YScale_Switch);
}

SwitchEffect View_Cntr_YAxis_SwitchClick(View_Info& view) {
    return detail_option(view, view.YAxis, M::View_Cntr_YAxis_Switch);
}

SwitchEffect Grid_Overlap_ShowClick(View_Info& view) {
    if (is_line_plot(view)) return SwitchEffect::nothing();
    view.show_grid = !view.show_grid;
    SwitchEffect effect;
    effect.layout.emplace();
    effect.layout->check(M::Grid_Overlap_Show, view.show_grid);
    if (view.show_grid)
        effect.draw_grid_over = true;
    else
        effect.redraw = true;
    return effect;
}

SwitchEffect Nearest_Probe_SwitchClick(View_Info& view, bool item_checked) {
    view.nearest_probe = item_checked;
    return SwitchEffect::nothing();
}

SwitchEffect Closed_Grid_ShowClick(FieldStore& store, bool item_checked) {
    store.closed_grid_show = !item_checked;
    ControlLayout layout;
    layout.check(M::Closed_Grid_Show, store.closed_grid_show);
    return redraw_with(layout);
}

SwitchEffect Show_AllClick(View_Info& view, const FieldStore& store) {
    set_area(view, store.file_rect());
    SwitchEffect effect;
    effect.redraw = true;
    return effect;
}

}  // namespace ruvo
