#include <gtest/gtest.h>

#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "plot/NeglectSteps.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewActivation.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// Two views of the cavity sample, the second at another magnification. The
// first is drawn, then the second, then the first is made current again:
// its marker moved without a redraw must look as a redraw draws it.
TEST(NeglectSteps, TheMarkerMovesAsARedrawDrawsItWithinTheGrid) {
    struct Case {
        std::uint8_t kind;
        bool detail_axis;  // a Detail view along a line of constant i
        bool y_scale;
        int delta;
        int from, to;  // the position that moves: YPos where XPos is in focus
    };
    const Case cases[] = {
        {kRowView, false, false, 1, 10, 11},     {kColumnView, true, false, 1, 150, 150},
        {kDetailView, true, true, -1, 1, 1},     {kDetailView, false, false, -1, 20, 19},
        {kDetailView, false, true, 1, 149, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " from " << c.from);
        auto ws = std::make_unique<Workspace>();
        load_project(*ws, test::example("cavity/cavity.RVP"));
        const int slot = open_view(*ws, FileKind::Scalar).slot;
        const int other = open_view(*ws, FileKind::Scalar).slot;
        View_Info& view = ws->views.at(slot);
        view.ScalarViewType = c.kind;
        view.Detail_Axis = c.detail_axis;
        view.YScale = c.y_scale;
        view.YAxis = true;
        view.XPos = view.YPos = 40;
        int& moved = c.kind == kColumnView || (c.kind == kDetailView && c.detail_axis) ? view.YPos : view.XPos;
        moved = c.from;
        ws->views.at(other).magni = 300;

        QImage picture, elsewhere, redrawn;
        NoProgress progress;
        NoStatusBoxes status;
        ASSERT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
        ASSERT_TRUE(render_view(*ws, other, elsewhere, progress, status).ok());
        activate_view_slot(*ws, slot);
        const auto layout = neglect_step(*ws, picture, c.delta, status);
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->item(ViewMenuItem::View_Cntr_YAxis_Switch).checked, true);
        EXPECT_EQ(moved, c.to);
        ASSERT_TRUE(render_view(*ws, slot, redrawn, progress, status).ok());
        EXPECT_EQ(picture, redrawn);
    }
}

TEST(NeglectSteps, OtherViewsHaveNone) {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cavity/cavity.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar).slot;
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    ASSERT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
    const QImage before = picture.copy();
    EXPECT_FALSE(neglect_step(*ws, picture, 1, status));
    EXPECT_EQ(picture, before);
    EXPECT_EQ(ws->views.at(slot).XPos, 1);
}

}  // namespace
}  // namespace ruvo
