#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/frame/StatusDump.h"
#include "view/ViewTable.h"

namespace ruvo {
namespace {

TEST(StatusDump, ListsTheRecordInTheDumpsOrderAndWords) {
    View_Info view;
    view.Caption = "FLOW.P";
    view.Same_number = 2;
    view.FileType = kScalarView;
    view.ScalarViewType = kDetailView;
    view.x_start = 1;
    view.y_start = 2;
    view.x_end = 30;
    view.y_end = 40;
    view.Detail_Axis_Location = 2.5;
    view.Scalar_min = -0.25;
    view.Scalar_max = 1e20;
    view.show_grid = true;
    view.x_grid_mode = false;
    view.Detail_Point = true;
    view.Color = true;
    EXPECT_EQ(view_dump_lines(7, view), (QStringList{"active=7",
                                                     "Caption=FLOW.P",
                                                     "Same_number=2",
                                                     "x_start=1",
                                                     "y_start=2",
                                                     "x_end=30",
                                                     "y_end=40",
                                                     "magni=100",
                                                     "x_grid_step=1",
                                                     "y_grid_step=1",
                                                     "x_dot_step=1",
                                                     "y_dot_step=1",
                                                     "length=5",
                                                     "line num=20",
                                                     "XPos=0",
                                                     "YPos=0",
                                                     "Detail_Axis_Location=2",
                                                     "Scalar_min=-0.25",
                                                     "Scalar_max=1e+20",
                                                     "show_grid=True",
                                                     "FileType=Scalar",
                                                     "ScalarViewType=Detail",
                                                     "Color=True",
                                                     "Broken=False",
                                                     "dot_x_step",
                                                     "grid_y_step",
                                                     "Detail = Line + Point"}));
}

TEST(StatusDump, ContourAndFillViewsHaveNoViewTypeLine) {
    View_Info view;
    view.FileType = kScalarView;
    for (const auto type : {kContourView, kFillView}) {
        view.ScalarViewType = type;
        const QStringList lines = view_dump_lines(1, view);
        EXPECT_FALSE(lines.join(u'\n').contains("ScalarViewType")) << int(type);
        EXPECT_TRUE(lines.contains("Detail = Line"));
    }
    view.ScalarViewType = kKEpsilonView;
    EXPECT_TRUE(view_dump_lines(1, view).contains("ScalarViewType=K-e"));
    view.FileType = kGridView;
    view.ScalarViewType = kContourView;
    EXPECT_TRUE(view_dump_lines(1, view).contains("FileType=Grid"));
}

TEST(StatusDump, TheLogsCarryTheTableAndTheRange) {
    ViewTable views;
    views.current_active_window = 3;
    views.info_number_max = 4;
    EXPECT_EQ(table_log_lines(views), (QStringList{"current_active_window=3", "info_number_max=4"}));
    View_Info view;
    view.Scalar_min = 1;
    view.Scalar_max = 0.1;
    view.ratio = 0.5;
    EXPECT_EQ(range_log_lines(view), (QStringList{"min=1", "max=0.1", "ratio=0.5"}));
}

}  // namespace
}  // namespace ruvo
