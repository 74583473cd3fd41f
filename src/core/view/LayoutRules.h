#pragma once

#include <array>
#include <optional>

namespace ruvo {

struct View_Info;

// The control groups of the main window's panel that follow the active view.
enum class ControlGroup {
    LineCount,       // ScalarLineNumberBar, LineNumber, ScalarLineNumber
    FillBands,       // SBDividedNumberBar, SBDividedNumber, SBDivided
    ArrowLength,     // VectorLengthBar, Length, VectorLength
    XGridStep,       // XGridStepBar, XGridStepNumber, XGridStep
    YGridStep,       // YGridStepBar, YGridStepNumber, YGridStep
    XDotStep,        // XStepBar, XStepNumber, XStep
    YDotStep,        // YStepBar, YStepNumber, YStep
    ColumnPosition,  // XPosBar, XPosEdit, XPosLabel
    RowPosition,     // YPosBar, YPosEdit, YPosLabel
};
inline constexpr int kControlGroupCount = 9;
static_assert(static_cast<int>(ControlGroup::RowPosition) + 1 == kControlGroupCount);

// The view window's menu items whose state follows the view.
enum class ViewMenuItem {
    Vector_Property,
    Scalar_Property,
    Grid_Overlap_Show,
    X_Dot_Mode,
    Y_Dot_Mode,
    View_Cntr_Switch,
    View_Cntr_Color_Switch,
    View_Cntr_Broken_Switch,
    Scalar_Line_Width,
    View_Cntr_Beta_Switch,
    Beta_Color_Gray_Switch,
    Cntr_Overlap_Switch,
    Vector_Overlap_Switch,
    View_Cntr_KEpsilon_Switch,
    View_Cntr_Column_Switch,
    View_Cntr_Row_Switch,
    View_Cntr_Detail_Switch,
    View_Cntr_SwitchAxis,
    View_Cntr_Point_Switch,
    View_Cntr_AutoScale_Switch,
    View_Cntr_YScale_Switch,
    View_Cntr_YAxis_Switch,
    View_Cntr_Neglect_Up,
    View_Cntr_Neglect_Down,
    View_Cntr_MinUp,
    View_Cntr_MinDefault,
    View_Cntr_MaxDown,
    View_Cntr_MaxDefault,
    Closed_Grid_Show,  // set by its own switch only: each window keeps its mark
};
inline constexpr int kViewMenuItemCount = 29;
static_assert(static_cast<int>(ViewMenuItem::Closed_Grid_Show) + 1 == kViewMenuItemCount);

// A group shown with a value, or hidden.
struct GroupState {
    bool visible = false;
    int value = 0;  // the record's field, set on the bar and its number field when shown
    bool operator==(const GroupState&) const = default;
};

struct ItemState {
    std::optional<bool> enabled;
    std::optional<bool> checked;
};

// What a layout rule changes. A rule touches only some groups and items;
// the others keep the state they had, so a layout is applied on top of the
// current one.
class ControlLayout {
public:
    void show(ControlGroup group, int value) { groups_[index(group)] = GroupState{true, value}; }
    void hide(ControlGroup group) { groups_[index(group)] = GroupState{false, 0}; }
    void enable(ViewMenuItem item, bool enabled = true) { items_[index(item)].enabled = enabled; }
    void disable(ViewMenuItem item) { enable(item, false); }
    void check(ViewMenuItem item, bool checked = true) { items_[index(item)].checked = checked; }

    const std::optional<GroupState>& group(ControlGroup group) const { return groups_[index(group)]; }
    const ItemState& item(ViewMenuItem item) const { return items_[index(item)]; }

private:
    template <typename E>
    static std::size_t index(E e) {
        return static_cast<std::size_t>(e);
    }
    std::array<std::optional<GroupState>, kControlGroupCount> groups_{};
    std::array<ItemState, kViewMenuItemCount> items_{};
};

// The layout rules: each reads the view's record and adds its changes.
void Set_Grid_Controls(const View_Info& view, ControlLayout& layout);
void Set_Vector_Controls(const View_Info& view, ControlLayout& layout);
void Set_Scalar_Controls(const View_Info& view, ControlLayout& layout);
void Set_Contour_Controls(const View_Info& view, ControlLayout& layout);
void Set_Beta_Controls(const View_Info& view, ControlLayout& layout);
void Set_Overlap_Controls(const View_Info& view, ControlLayout& layout);
void Set_Line_Plot_Controls(const View_Info& view, ControlLayout& layout);
void Set_KEpsilon_Controls(const View_Info& view, ControlLayout& layout);
void Set_Row_Controls(const View_Info& view, ControlLayout& layout);
void Set_Column_Controls(const View_Info& view, ControlLayout& layout);
void Set_Detail_Controls(const View_Info& view, ControlLayout& layout);

// The commands that put an end of a contour or fill view's range back
// (View_Cntr_MinDefault, View_Cntr_MaxDefault): enabled while that end is changed.
void range_items(const View_Info& view, ControlLayout& layout);

// Set_Scalar_Controls followed by the rule of the view's scalar kind.
void scalar_layout(const View_Info& view, ControlLayout& layout);

// The layout of activation: by the view's file type, then its scalar kind.
ControlLayout activation_layout(const View_Info& view);

}  // namespace ruvo
