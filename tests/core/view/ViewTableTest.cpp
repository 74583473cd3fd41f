#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <tuple>

#include "TestSupport.h"
#include "Workspace.h"
#include "view/ViewActivation.h"
#include "view/ViewFields.h"
#include "view/ViewOpening.h"
#include "view/ViewTable.h"

namespace ruvo {
namespace {

TEST(ViewTable, SameFileThreeTimesNumbersZeroOneTwoAndKeepsCountingAfterClose) {
    ViewTable table;
    std::vector<int> numbers;
    for (int k = 0; k < 3; ++k) {
        const SlotResult slot = table.Find_View_Slot("/run/FLOW.V");
        ASSERT_TRUE(slot.ok());
        EXPECT_EQ(slot.slot, k + 1);
        EXPECT_EQ(slot.first_of_name, k == 0);
        numbers.push_back(table.at(slot.slot).Same_number);
        table.at(slot.slot).Caption = "FLOW.V";
    }
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(view_window_caption("/run/FLOW.V", false, 2), "/run/FLOW.V (2)");
    EXPECT_EQ(view_window_caption("/run/FLOW.V", true, 0), "/run/FLOW.V");

    for (int slot = 3; slot >= 1; --slot) {
        table.current_active_window = slot;
        table.Reset_View_Info();
        --table.info_number_max;
    }
    const SlotResult again = table.Find_View_Slot("/run/FLOW.V");
    EXPECT_EQ(again.slot, 1);
    EXPECT_FALSE(again.first_of_name);
    EXPECT_EQ(table.at(1).Same_number, 3);
}

TEST(ViewTable, SameBaseNameInAnotherFolderSharesTheEntry) {
    ViewTable table;
    table.Find_View_Slot("C:\\a\\RESULT.P");
    table.at(1).Caption = "RESULT.P";
    EXPECT_FALSE(table.Find_View_Slot("/b/RESULT.P").first_of_name);
    EXPECT_EQ(table.at(2).Same_number, 1);
}

TEST(ViewTable, FreedSlotIsReusedLowestFirst) {
    ViewTable table;
    for (int k = 1; k <= 3; ++k) {
        table.at(table.Find_View_Slot(QString("F%1").arg(k)).slot).Caption = QString("F%1").arg(k);
    }
    table.current_active_window = 2;
    table.Reset_View_Info();
    --table.info_number_max;
    EXPECT_EQ(table.at(2).FileType, kFreeSlot);
    EXPECT_TRUE(table.at(2).Caption.isEmpty());
    EXPECT_EQ(table.Find_View_Slot("F4").slot, 2);
}

TEST(ViewTable, HundredViewsAndTwentyNamesAreTheLimit) {
    ViewTable table;
    for (int k = 1; k <= kMaxViews; ++k) {
        const SlotResult slot = table.Find_View_Slot(QString("N%1").arg(k % kMaxNames));
        ASSERT_TRUE(slot.ok()) << k;
        table.at(slot.slot).Caption = "x";
    }
    EXPECT_EQ(table.info_number_max, kMaxViews);
    const SlotResult refused = table.Find_View_Slot("N1");
    EXPECT_EQ(refused.refusal, SlotRefusal::TooManyViews);
    EXPECT_EQ(table.info_number_max, kMaxViews);

    ViewTable names;
    for (int k = 1; k <= kMaxNames; ++k) names.at(names.Find_View_Slot(QString("N%1").arg(k)).slot).Caption = "x";
    const auto same_name_before = names.same_name_table;
    EXPECT_EQ(names.Find_View_Slot("N21").refusal, SlotRefusal::TooManyNames);
    EXPECT_EQ(names.info_number_max, kMaxNames);
    EXPECT_TRUE(names.Find_View_Slot("N7").ok());  // a known name still opens
    EXPECT_EQ(names.same_name_table[7].count, 1);
    EXPECT_EQ(same_name_before[7].count, 0);
}

TEST(ViewTable, InitGivesTheDefaultsAndTheFilesWholeRange) {
    auto ws = std::make_unique<Workspace>();
    ws->store.file_x_start = 2;
    ws->store.file_x_end = 40;
    ws->store.file_y_start = 0;
    ws->store.file_y_end = 9;
    View_Info& view = ws->views.at(4);
    view.Caption = "G";
    view.FileType = kScalarView;
    view.Scalar_max = 8.0;
    view.Color = true;
    view.magni = 300;
    ws->views.Init_View_Info(4, ws->store);
    EXPECT_EQ(view.Caption, "G");
    EXPECT_EQ(view.FileType, kScalarView);
    EXPECT_EQ(view.Scalar_max, 8.0);  // left as it was
    EXPECT_FALSE(view.Color);
    EXPECT_EQ(view.magni, 100);
    EXPECT_EQ(view.line_num, 20);
    EXPECT_EQ(view.divided_number, 255);
    EXPECT_EQ(view.length, 5);
    EXPECT_TRUE(view.x_grid_mode && view.y_grid_mode && view.Detail_Axis);
    EXPECT_EQ(view.x_start, 3);
    EXPECT_EQ(view.x_end, 41);
    EXPECT_EQ(view.y_end, 10);
    EXPECT_EQ(view.pre_x_end, 41);
    EXPECT_EQ(view.XPos, 3);
    EXPECT_EQ(view.YPos, 1);
}

// Opening views through the project, as the lists of the main window do.
class OpenViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid_ = test::write_file(dir_.path(), "G.GRD", "0 1 0 1\n0 0\n0 1\n1 0\n1 1\n");
        vector_ = test::write_file(dir_.path(), "FLOW.V", "0 1 0 1\n1 1\n2 2\n3 3\n4 4\n");
        scalar_ = test::write_file(dir_.path(), "P.P", "0 1 0 1\n-1\n2\n3\nx\n");
        ws_->project.grid_file_count = 1;
        ws_->project.grid_file_name = grid_;
        ws_->project.vector_file_count = 2;
        ws_->project.vector_file_name[0] = vector_;
        ws_->project.vector_file_name[1] = QDir(dir_.path() + "/sub").filePath("FLOW.V");
        ws_->project.scalar_file_count = 1;
        ws_->project.scalar_file_name[0] = scalar_;
        ASSERT_TRUE(read_grid(ws_->store, grid_).ok());
    }

    QTemporaryDir dir_;
    QString grid_, vector_, scalar_;
    std::unique_ptr<Workspace> ws_ = std::make_unique<Workspace>();
};

TEST_F(OpenViewTest, DataIsReadOncePerBaseName) {
    const OpenViewResult first = open_view(*ws_, FileKind::Vector, 0);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first.caption, vector_);
    EXPECT_EQ(ws_->store.vector_data[1].u(2, 2), 4.0);

    ws_->store.vector_data[1].u.at(2, 2) = 99.0;  // a re-read would overwrite this
    const OpenViewResult other_folder = open_view(*ws_, FileKind::Vector, 1);
    ASSERT_TRUE(other_folder.ok());
    EXPECT_EQ(other_folder.caption, ws_->project.vector_file_name[1] + " (1)");
    EXPECT_TRUE(other_folder.read.ok());
    EXPECT_EQ(ws_->store.vector_count, 1);
    EXPECT_EQ(ws_->store.vector_data[1].u(2, 2), 99.0);
    EXPECT_EQ(ws_->views.at(other_folder.slot).FileType, kVectorView);
}

TEST_F(OpenViewTest, ScalarViewGetsTheDataRangeEvenAfterAReadError) {
    const OpenViewResult opened = open_view(*ws_, FileKind::Scalar, 0);
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.read.failure, ReadFailure::BadNumber);
    const View_Info& view = ws_->views.at(opened.slot);
    EXPECT_EQ(view.Scalar_min, -1.0);
    EXPECT_EQ(view.Scalar_max, 3.0);
    EXPECT_EQ(ws_->views.current_active_window, opened.slot);
}

TEST_F(OpenViewTest, NameKnownAsAnotherKindIsRefusedWithNothingChanged) {
    ws_->project.scalar_file_name[0] = dir_.filePath("FLOW.V");
    ASSERT_TRUE(open_view(*ws_, FileKind::Vector, 0).ok());
    const auto names_before = ws_->views.same_name_table;
    const OpenViewResult refused = open_view(*ws_, FileKind::Scalar, 0);
    EXPECT_EQ(refused.refusal, OpenRefusal::NoDataSlot);
    EXPECT_EQ(ws_->views.info_number_max, 1);
    EXPECT_EQ(ws_->views.same_name_table[1].count, names_before[1].count);
}

TEST_F(OpenViewTest, PositionsOutsideTheListOpenNothing) {
    EXPECT_EQ(open_view(*ws_, FileKind::Vector, 2).refusal, OpenRefusal::NoSuchFile);
    EXPECT_EQ(open_view(*ws_, FileKind::Scalar, -1).refusal, OpenRefusal::NoSuchFile);
    EXPECT_EQ(ws_->views.info_number_max, 0);
}

// After a project's views are closed and it is reset, the next project opens
// its views as in a new workspace.
TEST(Workspace, AfterAProjectResetViewsOpenAsInANewWorkspace) {
    const auto opened_in = [](Workspace& ws) {
        load_project(ws, test::example("cavity/cavity.RVP"));
        const OpenViewResult opened = open_view(ws, FileKind::Scalar);
        return std::tuple(opened.slot, opened.caption, data_slot_of(ws.store, ws.views.at(opened.slot)),
                          ws.store.scalar_count);
    };
    auto fresh = std::make_unique<Workspace>();
    auto reused = std::make_unique<Workspace>();
    release_view_slot(*reused, std::get<0>(opened_in(*reused)));  // the project's close closes its views first
    reused->sequential_mode = reused->fixed_size_mode = true;
    reused->reset_project();
    EXPECT_FALSE(reused->sequential_mode || reused->fixed_size_mode);
    EXPECT_EQ(opened_in(*reused), opened_in(*fresh));
}

}  // namespace
}  // namespace ruvo
