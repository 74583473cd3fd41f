#pragma once

#include <optional>

#include "view/LayoutRules.h"

namespace ruvo {

struct FieldStore;
struct View_Info;

// What a switch of the view window's menu asks of the window once it has
// changed the record: a new layout on top of the current one, then a full
// redraw, or the grid drawn over the picture, or a warning.
struct SwitchEffect {
    std::optional<ControlLayout> layout;
    bool redraw = false;
    bool draw_grid_over = false;   // the grid overlay onto the current picture, without clearing it
    bool warn_no_vectors = false;  // the arrows to overlay have not been read

    static SwitchEffect nothing() { return {}; }
};

// The switches of the 表示(&V) menu, each acting on the current view's record.
SwitchEffect X_Grid_ModeClick(View_Info& view);
SwitchEffect Y__Dot_ModeClick(View_Info& view);
SwitchEffect View_Cntr_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Color_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Broken_SwitchClick(View_Info& view);
// The levels' values on the contour lines and round values under the legends.
SwitchEffect View_Cntr_Label_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Beta_SwitchClick(View_Info& view);
SwitchEffect Beta_Color_Gray_SwitchClick(View_Info& view);
SwitchEffect Cntr_Overlap_SwitchClick(View_Info& view);
// The arrows overlaid on a scalar view are those of the vector slot with the
// view's data slot number (data_slot_of). The overlay is not
// turned on while that slot holds no file: its arrows would be all zero.
SwitchEffect Vector_Overlap_SwitchClick(View_Info& view, const FieldStore& store);
SwitchEffect View_Cntr_KEpsilon_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Row_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Column_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_Detail_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_SwitchAxisClick(View_Info& view);
SwitchEffect View_Cntr_Point_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_AutoScale_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_YScale_SwitchClick(View_Info& view);
SwitchEffect View_Cntr_YAxis_SwitchClick(View_Info& view);
SwitchEffect Grid_Overlap_ShowClick(View_Info& view);
// `item_checked` is the check mark of this window's item: the flag is one
// for all windows, but each window's item keeps its own mark.
SwitchEffect Closed_Grid_ShowClick(FieldStore& store, bool item_checked);
// The probe of this view answers with the node nearest to the mouse, or by
// the quarters of the cells; `item_checked` is the item's mark as the user
// left it. Nothing is redrawn.
SwitchEffect Nearest_Probe_SwitchClick(View_Info& view, bool item_checked);
// The whole area of the file read last, in every kind of view.
SwitchEffect Show_AllClick(View_Info& view, const FieldStore& store);

}  // namespace ruvo
