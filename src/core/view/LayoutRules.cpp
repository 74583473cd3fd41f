#include "view/LayoutRules.h"

#include "view/ViewKind.h"

namespace ruvo {

namespace {
using G = ControlGroup;
using M = ViewMenuItem;

void disable_all(ControlLayout& layout, std::initializer_list<M> items) {
    for (const M item : items) layout.disable(item);
}
void enable_all(ControlLayout& layout, std::initializer_list<M> items) {
    for (const M item : items) layout.enable(item);
}
void hide_all(ControlLayout& layout, std::initializer_list<G> groups) {
    for (const G group : groups) layout.hide(group);
}

// The x and y step groups of the arrows: grid steps or dot steps by mode.
void show_arrow_steps(const View_Info& v, ControlLayout& layout) {
    if (v.x_grid_mode) {
        layout.hide(G::XDotStep);
        layout.show(G::XGridStep, v.x_grid_step);
    } else {
        layout.hide(G::XGridStep);
        layout.show(G::XDotStep, v.x_dot_step);
    }
    if (v.y_grid_mode) {
        layout.hide(G::YDotStep);
        layout.show(G::YGridStep, v.y_grid_step);
    } else {
        layout.hide(G::YGridStep);
        layout.show(G::YDotStep, v.y_dot_step);
    }
}

void check_dot_modes(const View_Info& v, ControlLayout& layout) {
    layout.check(M::X_Dot_Mode, !v.x_grid_mode);
    layout.check(M::Y_Dot_Mode, !v.y_grid_mode);
}

// The option switches that belong to the Detail view.
constexpr std::initializer_list<M> kDetailOptions = {
    M::View_Cntr_SwitchAxis,    M::View_Cntr_Point_Switch, M::View_Cntr_AutoScale_Switch, M::View_Cntr_YAxis_Switch,
    M::View_Cntr_YScale_Switch, M::View_Cntr_Neglect_Up,   M::View_Cntr_Neglect_Down};
}  // namespace

void range_items(const View_Info& v, ControlLayout& layout) {
    layout.enable(M::View_Cntr_MinDefault, v.min_changed);
    layout.enable(M::View_Cntr_MaxDefault, v.max_changed);
}

void Set_Grid_Controls(const View_Info&, ControlLayout& layout) {
    hide_all(layout, {G::LineCount, G::FillBands, G::XGridStep, G::YGridStep, G::XDotStep, G::YDotStep, G::ArrowLength,
                      G::ColumnPosition, G::RowPosition});
    disable_all(layout, {M::Scalar_Property, M::Vector_Property, M::Grid_Overlap_Show});
}

void Set_Vector_Controls(const View_Info& v, ControlLayout& layout) {
    hide_all(layout, {G::LineCount, G::FillBands, G::ColumnPosition, G::RowPosition});
    layout.show(G::ArrowLength, v.length);
    show_arrow_steps(v, layout);
    layout.enable(M::Vector_Property);
    layout.disable(M::Scalar_Property);
    layout.enable(M::Grid_Overlap_Show);
    check_dot_modes(v, layout);
}

void Set_Scalar_Controls(const View_Info& v, ControlLayout& layout) {
    hide_all(layout, {G::XGridStep, G::YGridStep, G::XDotStep, G::YDotStep});
    layout.enable(M::Scalar_Property);
    layout.disable(M::Vector_Property);
    layout.check(M::View_Cntr_Color_Switch, v.Color);
    layout.check(M::View_Cntr_Broken_Switch, v.Broken);
}

void Set_Contour_Controls(const View_Info& v, ControlLayout& layout) {
    hide_all(layout, {G::ArrowLength, G::FillBands, G::ColumnPosition, G::RowPosition});
    layout.show(G::LineCount, v.line_num);
    layout.check(M::View_Cntr_Switch);
    enable_all(layout,
               {M::View_Cntr_Color_Switch, M::View_Cntr_Broken_Switch, M::Scalar_Line_Width, M::Cntr_Overlap_Switch,
                M::Vector_Overlap_Switch, M::View_Cntr_MinUp, M::View_Cntr_MaxDown, M::Grid_Overlap_Show});
    layout.disable(M::Beta_Color_Gray_Switch);
    disable_all(layout, kDetailOptions);
    range_items(v, layout);
    Set_Overlap_Controls(v, layout);
}

void Set_Beta_Controls(const View_Info& v, ControlLayout& layout) {
    hide_all(layout, {G::ArrowLength, G::LineCount, G::ColumnPosition, G::RowPosition});
    layout.show(G::FillBands, v.divided_number);
    layout.check(M::View_Cntr_Beta_Switch);
    enable_all(layout, {M::Beta_Color_Gray_Switch, M::Cntr_Overlap_Switch, M::Vector_Overlap_Switch, M::View_Cntr_MinUp,
                        M::View_Cntr_MaxDown, M::Grid_Overlap_Show});
    disable_all(layout, {M::View_Cntr_Color_Switch, M::View_Cntr_Broken_Switch, M::Scalar_Line_Width});
    disable_all(layout, kDetailOptions);
    range_items(v, layout);
    Set_Overlap_Controls(v, layout);
}

void Set_Overlap_Controls(const View_Info& v, ControlLayout& layout) {
    if (v.Vector_Overlap) {
        layout.show(G::ArrowLength, v.length);
        show_arrow_steps(v, layout);
        layout.enable(M::Vector_Property);
        check_dot_modes(v, layout);
    } else {
        hide_all(layout, {G::ArrowLength, G::XGridStep, G::YGridStep, G::XDotStep, G::YDotStep});
        layout.disable(M::Vector_Property);
    }
    const bool contour = v.ScalarViewType == kContourView;
    if (v.Cntr_Overlap) {
        if (contour)
            layout.show(G::FillBands, v.divided_number);
        else
            layout.show(G::LineCount, v.line_num);
    } else {
        layout.hide(contour ? G::FillBands : G::LineCount);
    }
}

void Set_Line_Plot_Controls(const View_Info& v, ControlLayout& layout) {
    hide_all(layout, {G::LineCount, G::FillBands});
    layout.show(G::ArrowLength, v.length);
    disable_all(layout, {M::View_Cntr_Color_Switch, M::View_Cntr_Broken_Switch, M::Scalar_Line_Width,
                         M::Beta_Color_Gray_Switch, M::Cntr_Overlap_Switch, M::Vector_Overlap_Switch,
                         M::View_Cntr_MinUp, M::View_Cntr_MinDefault, M::View_Cntr_MaxDown, M::View_Cntr_MaxDefault});
}

void Set_KEpsilon_Controls(const View_Info& v, ControlLayout& layout) {
    Set_Line_Plot_Controls(v, layout);
    layout.show(G::XGridStep, v.x_grid_step);
    hide_all(layout, {G::ColumnPosition, G::RowPosition});
    layout.check(M::View_Cntr_KEpsilon_Switch);
    layout.enable(M::Grid_Overlap_Show);
    disable_all(layout, kDetailOptions);
}

namespace {
// What the Row and Column views share: the swap, the other axis and the
// marker moves are enabled, the Detail options and the grid overlay not.
void single_line_items(ControlLayout& layout) {
    enable_all(layout, {M::View_Cntr_SwitchAxis, M::View_Cntr_YAxis_Switch, M::View_Cntr_Neglect_Up,
                        M::View_Cntr_Neglect_Down});
    disable_all(layout, {M::View_Cntr_Point_Switch, M::View_Cntr_AutoScale_Switch, M::View_Cntr_YScale_Switch,
                         M::Grid_Overlap_Show});
}
}  // namespace

void Set_Row_Controls(const View_Info& v, ControlLayout& layout) {
    Set_Line_Plot_Controls(v, layout);
    layout.hide(G::ColumnPosition);
    layout.show(G::RowPosition, v.YPos);
    layout.check(M::View_Cntr_Row_Switch);
    single_line_items(layout);
}

void Set_Column_Controls(const View_Info& v, ControlLayout& layout) {
    Set_Line_Plot_Controls(v, layout);
    layout.show(G::ColumnPosition, v.XPos);
    layout.hide(G::RowPosition);
    layout.check(M::View_Cntr_Column_Switch);
    single_line_items(layout);
}

void Set_Detail_Controls(const View_Info& v, ControlLayout& layout) {
    Set_Line_Plot_Controls(v, layout);
    if (v.AutoScale)
        layout.hide(G::ArrowLength);
    else
        layout.show(G::ArrowLength, v.length);
    if (v.Detail_Axis) {
        layout.show(G::ColumnPosition, v.XPos);
        layout.hide(G::RowPosition);
    } else {
        layout.hide(G::ColumnPosition);
        layout.show(G::RowPosition, v.YPos);
    }
    layout.check(M::View_Cntr_Detail_Switch);
    enable_all(layout, kDetailOptions);
    layout.disable(M::Grid_Overlap_Show);
}

void scalar_layout(const View_Info& v, ControlLayout& layout) {
    Set_Scalar_Controls(v, layout);
    if (const auto rule = kind_info(v).layout) rule(v, layout);
}

ControlLayout activation_layout(const View_Info& v) {
    ControlLayout layout;
    layout.check(M::Grid_Overlap_Show, v.show_grid);
    if (v.FileType == kScalarView) {
        scalar_layout(v, layout);
    } else if (const auto rule = kind_info(v).layout) {
        rule(v, layout);
    }
    return layout;
}

}  // namespace ruvo
