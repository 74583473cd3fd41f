#include <gtest/gtest.h>

#include "Workspace.h"
#include "view/DisplaySwitches.h"
#include "view/LayoutRules.h"

namespace ruvo {
namespace {

using G = ControlGroup;
using M = ViewMenuItem;

View_Info scalar_view(std::uint8_t kind) {
    View_Info v;
    v.Caption = QStringLiteral("S.P");
    v.FileType = kScalarView;
    v.ScalarViewType = kind;
    v.XPos = 7;
    v.YPos = 9;
    return v;
}

bool shown(const ControlLayout& layout, G group) { return layout.group(group) && layout.group(group)->visible; }
bool hidden(const ControlLayout& layout, G group) { return layout.group(group) && !layout.group(group)->visible; }
int value(const ControlLayout& layout, G group) { return layout.group(group)->value; }
bool enabled(const ControlLayout& layout, M item) { return layout.item(item).enabled.value_or(false); }
bool disabled(const ControlLayout& layout, M item) { return !layout.item(item).enabled.value_or(true); }
bool checked(const ControlLayout& layout, M item) { return layout.item(item).checked.value_or(false); }

TEST(LayoutRules, GridAndVectorViews) {
    View_Info grid;
    grid.FileType = kGridView;
    const ControlLayout g = activation_layout(grid);
    for (int k = 0; k < kControlGroupCount; ++k) EXPECT_TRUE(hidden(g, G(k))) << k;
    EXPECT_TRUE(disabled(g, M::Scalar_Property) && disabled(g, M::Vector_Property) &&
                disabled(g, M::Grid_Overlap_Show));

    View_Info vectors;
    vectors.FileType = kVectorView;
    vectors.length = 12;
    vectors.x_grid_mode = false;
    vectors.x_dot_step = 6;
    vectors.y_grid_step = 3;
    vectors.show_grid = true;
    const ControlLayout v = activation_layout(vectors);
    EXPECT_EQ(value(v, G::ArrowLength), 12);
    EXPECT_TRUE(hidden(v, G::XGridStep) && shown(v, G::XDotStep));
    EXPECT_EQ(value(v, G::XDotStep), 6);
    EXPECT_TRUE(shown(v, G::YGridStep) && hidden(v, G::YDotStep));
    EXPECT_EQ(value(v, G::YGridStep), 3);
    EXPECT_TRUE(hidden(v, G::LineCount) && hidden(v, G::FillBands) && hidden(v, G::ColumnPosition));
    EXPECT_TRUE(enabled(v, M::Vector_Property) && disabled(v, M::Scalar_Property));
    EXPECT_TRUE(checked(v, M::X_Dot_Mode));
    EXPECT_FALSE(checked(v, M::Y_Dot_Mode));
    EXPECT_TRUE(checked(v, M::Grid_Overlap_Show));
}

TEST(LayoutRules, ContourAndFillViewsWithAndWithoutOverlaps) {
    View_Info contour = scalar_view(kContourView);
    contour.line_num = 33;
    contour.Color = true;
    contour.max_changed = true;
    ControlLayout c = activation_layout(contour);
    EXPECT_TRUE(shown(c, G::LineCount));
    EXPECT_EQ(value(c, G::LineCount), 33);
    EXPECT_TRUE(hidden(c, G::FillBands) && hidden(c, G::ArrowLength) && hidden(c, G::XGridStep));
    EXPECT_TRUE(checked(c, M::View_Cntr_Switch) && checked(c, M::View_Cntr_Color_Switch));
    EXPECT_TRUE(enabled(c, M::Scalar_Line_Width) && disabled(c, M::Beta_Color_Gray_Switch));
    EXPECT_TRUE(disabled(c, M::View_Cntr_MinDefault) && enabled(c, M::View_Cntr_MaxDefault));
    EXPECT_TRUE(disabled(c, M::Vector_Property));

    contour.Cntr_Overlap = true;
    contour.Vector_Overlap = true;
    contour.y_grid_mode = false;
    c = activation_layout(contour);
    EXPECT_TRUE(shown(c, G::FillBands) && shown(c, G::LineCount) && shown(c, G::ArrowLength));
    EXPECT_TRUE(shown(c, G::XGridStep) && shown(c, G::YDotStep) && hidden(c, G::YGridStep));
    EXPECT_TRUE(enabled(c, M::Vector_Property) && checked(c, M::Y_Dot_Mode));

    View_Info fill = scalar_view(kFillView);
    fill.divided_number = 64;
    ControlLayout f = activation_layout(fill);
    EXPECT_EQ(value(f, G::FillBands), 64);
    EXPECT_TRUE(hidden(f, G::LineCount));
    EXPECT_TRUE(checked(f, M::View_Cntr_Beta_Switch) && enabled(f, M::Beta_Color_Gray_Switch));
    EXPECT_TRUE(disabled(f, M::View_Cntr_Color_Switch) && disabled(f, M::Scalar_Line_Width));
    fill.Cntr_Overlap = true;
    f = activation_layout(fill);
    EXPECT_TRUE(shown(f, G::LineCount));
}

TEST(LayoutRules, LinePlotViews) {
    const ControlLayout ke = activation_layout(scalar_view(kKEpsilonView));
    EXPECT_TRUE(shown(ke, G::XGridStep) && shown(ke, G::ArrowLength));
    EXPECT_TRUE(hidden(ke, G::ColumnPosition) && hidden(ke, G::RowPosition) && hidden(ke, G::LineCount));
    EXPECT_TRUE(checked(ke, M::View_Cntr_KEpsilon_Switch) && enabled(ke, M::Grid_Overlap_Show));
    EXPECT_TRUE(disabled(ke, M::View_Cntr_SwitchAxis) && disabled(ke, M::Cntr_Overlap_Switch));

    const ControlLayout row = activation_layout(scalar_view(kRowView));
    EXPECT_TRUE(shown(row, G::RowPosition) && hidden(row, G::ColumnPosition));
    EXPECT_EQ(value(row, G::RowPosition), 9);
    EXPECT_TRUE(enabled(row, M::View_Cntr_SwitchAxis) && enabled(row, M::View_Cntr_YAxis_Switch));
    EXPECT_TRUE(disabled(row, M::View_Cntr_Point_Switch) && disabled(row, M::Grid_Overlap_Show));

    const ControlLayout column = activation_layout(scalar_view(kColumnView));
    EXPECT_TRUE(shown(column, G::ColumnPosition) && hidden(column, G::RowPosition));
    EXPECT_EQ(value(column, G::ColumnPosition), 7);
    EXPECT_TRUE(checked(column, M::View_Cntr_Column_Switch));

    View_Info detail = scalar_view(kDetailView);
    detail.AutoScale = true;
    detail.Detail_Axis = false;
    const ControlLayout d = activation_layout(detail);
    EXPECT_TRUE(hidden(d, G::ArrowLength) && shown(d, G::RowPosition) && hidden(d, G::ColumnPosition));
    EXPECT_TRUE(enabled(d, M::View_Cntr_Point_Switch) && enabled(d, M::View_Cntr_YScale_Switch));
    EXPECT_TRUE(disabled(d, M::Grid_Overlap_Show) && disabled(d, M::View_Cntr_MinUp));
}

TEST(DisplaySwitches, ChoosingTheKindShownChangesNothing) {
    for (const std::uint8_t kind : {kContourView, kKEpsilonView, kRowView, kColumnView, kDetailView, kFillView}) {
        View_Info view = scalar_view(kind);
        view.Detail_Axis = kind != kRowView;
        const View_Info before = view;
        SwitchEffect (*radio)(View_Info&) = kind == kContourView    ? View_Cntr_SwitchClick
                                            : kind == kKEpsilonView ? View_Cntr_KEpsilon_SwitchClick
                                            : kind == kRowView      ? View_Cntr_Row_SwitchClick
                                            : kind == kColumnView   ? View_Cntr_Column_SwitchClick
                                            : kind == kDetailView   ? View_Cntr_Detail_SwitchClick
                                                                    : View_Cntr_Beta_SwitchClick;
        const SwitchEffect effect = radio(view);
        EXPECT_FALSE(effect.redraw || effect.layout) << int(kind);
        EXPECT_EQ(view.ScalarViewType, before.ScalarViewType);
        EXPECT_EQ(view.Detail_Axis, before.Detail_Axis);
    }
    View_Info contour = scalar_view(kContourView);
    const SwitchEffect to_fill = View_Cntr_Beta_SwitchClick(contour);
    EXPECT_TRUE(to_fill.redraw);
    EXPECT_EQ(contour.ScalarViewType, kFillView);
    EXPECT_TRUE(checked(*to_fill.layout, M::View_Cntr_Beta_Switch));
}

TEST(DisplaySwitches, SwapGoesRowToColumnAndBack) {
    View_Info view = scalar_view(kRowView);
    view.Detail_Axis = false;
    SwitchEffect effect = View_Cntr_SwitchAxisClick(view);
    EXPECT_EQ(view.ScalarViewType, kColumnView);
    EXPECT_TRUE(view.Detail_Axis);
    EXPECT_TRUE(shown(*effect.layout, G::ColumnPosition) && hidden(*effect.layout, G::RowPosition));
    EXPECT_EQ(value(*effect.layout, G::ColumnPosition), 7);
    effect = View_Cntr_SwitchAxisClick(view);
    EXPECT_EQ(view.ScalarViewType, kRowView);
    EXPECT_FALSE(view.Detail_Axis);
    EXPECT_TRUE(shown(*effect.layout, G::RowPosition));

    View_Info detail = scalar_view(kDetailView);
    effect = View_Cntr_SwitchAxisClick(detail);
    EXPECT_FALSE(detail.Detail_Axis);
    EXPECT_EQ(detail.ScalarViewType, kDetailView);
    EXPECT_TRUE(effect.redraw && shown(*effect.layout, G::RowPosition));
}

TEST(DisplaySwitches, DetailOptionsFallBackToTheDetailView) {
    View_Info row = scalar_view(kRowView);
    SwitchEffect effect = View_Cntr_YAxis_SwitchClick(row);
    EXPECT_TRUE(row.YAxis);
    EXPECT_EQ(row.ScalarViewType, kDetailView);
    EXPECT_TRUE(effect.redraw && checked(*effect.layout, M::View_Cntr_Detail_Switch));
    EXPECT_TRUE(checked(*effect.layout, M::View_Cntr_YAxis_Switch));

    effect = View_Cntr_AutoScale_SwitchClick(row);
    EXPECT_TRUE(row.AutoScale);
    EXPECT_TRUE(hidden(*effect.layout, G::ArrowLength));
    effect = View_Cntr_AutoScale_SwitchClick(row);
    EXPECT_FALSE(row.AutoScale);
    EXPECT_FALSE(effect.layout->item(M::View_Cntr_AutoScale_Switch).checked.value());
    EXPECT_TRUE(shown(*effect.layout, G::ArrowLength));
}

// A store whose scalar slots 1..slot hold files, the last the views' S.P.
std::unique_ptr<FieldStore> store_with_scalar_in(int slot) {
    auto store = std::make_unique<FieldStore>();
    store->scalar_count = slot;
    if (slot > 0) store->scalar_data[static_cast<std::size_t>(slot)].file_name = QStringLiteral("S.P");
    return store;
}

TEST(DisplaySwitches, OverlapSwitches) {
    View_Info fill = scalar_view(kFillView);
    SwitchEffect effect = Cntr_Overlap_SwitchClick(fill);
    EXPECT_TRUE(fill.Cntr_Overlap && effect.redraw);
    EXPECT_TRUE(checked(*effect.layout, M::Cntr_Overlap_Switch) && shown(*effect.layout, G::LineCount));

    auto store = store_with_scalar_in(1);  // the fill view's scalar slot
    effect = Vector_Overlap_SwitchClick(fill, *store);
    EXPECT_TRUE(effect.warn_no_vectors);
    EXPECT_FALSE(effect.redraw || fill.Vector_Overlap);
    store->vector_count = 1;
    effect = Vector_Overlap_SwitchClick(fill, *store);
    EXPECT_TRUE(fill.Vector_Overlap && effect.redraw);
    EXPECT_TRUE(shown(*effect.layout, G::ArrowLength) && enabled(*effect.layout, M::Vector_Property));

    // Dot mode while arrows are overlaid keeps the scalar view's own layout.
    effect = X_Grid_ModeClick(fill);
    EXPECT_FALSE(fill.x_grid_mode);
    EXPECT_TRUE(shown(*effect.layout, G::XDotStep) && hidden(*effect.layout, G::XGridStep));
    EXPECT_TRUE(enabled(*effect.layout, M::Scalar_Property) && shown(*effect.layout, G::FillBands));
}

// A scalar view overlays the vector slot of its own slot number: without a
// file there, the overlay is refused rather than drawn from zeros, but an
// overlay that is on can always be turned off.
TEST(DisplaySwitches, TheOverlaidArrowsMustHaveBeenRead) {
    auto store = store_with_scalar_in(2);
    store->vector_count = 1;
    View_Info contour = scalar_view(kContourView);
    const SwitchEffect refused = Vector_Overlap_SwitchClick(contour, *store);
    EXPECT_TRUE(refused.warn_no_vectors && !refused.layout && !refused.redraw);
    EXPECT_FALSE(contour.Vector_Overlap);

    contour.Vector_Overlap = true;
    const SwitchEffect off = Vector_Overlap_SwitchClick(contour, *store);
    EXPECT_FALSE(off.warn_no_vectors);
    EXPECT_FALSE(contour.Vector_Overlap);
    EXPECT_TRUE(off.redraw);

    store = store_with_scalar_in(0);  // no data slot at all
    store->vector_count = 1;
    EXPECT_TRUE(Vector_Overlap_SwitchClick(contour, *store).warn_no_vectors);
}

TEST(DisplaySwitches, GridOverlayDrawsOverOnAndRedrawsOff) {
    View_Info contour = scalar_view(kContourView);
    SwitchEffect on = Grid_Overlap_ShowClick(contour);
    EXPECT_TRUE(contour.show_grid && on.draw_grid_over && !on.redraw);
    EXPECT_TRUE(checked(*on.layout, M::Grid_Overlap_Show));
    SwitchEffect off = Grid_Overlap_ShowClick(contour);
    EXPECT_TRUE(!contour.show_grid && off.redraw && !off.draw_grid_over);

    View_Info column = scalar_view(kColumnView);
    EXPECT_FALSE(Grid_Overlap_ShowClick(column).layout);
    EXPECT_FALSE(column.show_grid);
}

TEST(DisplaySwitches, ClosedGridIsOneFlagAndShowAllRestoresTheWholeArea) {
    auto ws = std::make_unique<Workspace>();
    SwitchEffect effect = Closed_Grid_ShowClick(ws->store, false);
    EXPECT_TRUE(ws->store.closed_grid_show && effect.redraw);
    EXPECT_TRUE(checked(*effect.layout, M::Closed_Grid_Show));
    // Another window whose item was never checked turns it on again, not off.
    Closed_Grid_ShowClick(ws->store, false);
    EXPECT_TRUE(ws->store.closed_grid_show);

    ws->store.file_x_start = 2;
    ws->store.file_x_end = 40;
    ws->store.file_y_end = 30;
    View_Info view = scalar_view(kContourView);
    view.x_start = 10;
    view.x_end = 20;
    view.pre_x_start = 11;
    effect = Show_AllClick(view, ws->store);
    EXPECT_TRUE(effect.redraw);
    EXPECT_EQ(view.x_start, 3);
    EXPECT_EQ(view.x_end, 41);
    EXPECT_EQ(view.y_end, 31);
    EXPECT_EQ(view.pre_x_start, 11);
    EXPECT_EQ(area_of(view).x_end, 41);
}

}  // namespace
}  // namespace ruvo
