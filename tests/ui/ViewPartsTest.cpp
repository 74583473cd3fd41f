#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/RangeSteps.h"
#include "plot/Renderer.h"
#include "ui/dialogs/RatioDialog.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/PictureCommands.h"
#include "ui/frame/ViewCommands.h"
#include "ui/frame/ViewWindows.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// The view windows' and the view commands' parts without a main window: the
// cavity sample's list of scalar files beside a bare view area, and a redraw
// that draws the current view.
class ViewPartsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(load_project(*ws_, test::example("cavity/cavity.RVP")).grid.ok());
        scalars_.addItem(QStringLiteral("CAVITY.P"));
        views_->open_from(scalars_, FileKind::Scalar);
        QObject::connect(views_, &ViewWindows::view_created, commands_, &ViewCommands::connect_view);
        area_.show();
        scalars_.show();
    }

    void redraw() {
        ++redraws_;
        TRuvo_Sub_Form* view = views_->current_view();
        render_view(*ws_, view->slot(), view->image()->picture(), progress_, status_);
    }

    std::unique_ptr<Workspace> ws_ = std::make_unique<Workspace>();
    RememberedFolders folders_;
    QMdiArea area_;
    QListWidget scalars_;
    QPlainTextEdit log_;
    ControlPanel panel_{*ws_};
    NoProgress progress_;
    NoStatusBoxes status_;
    PictureCommands pictures_{folders_, area_};
    ViewWindows* views_ = new ViewWindows(*ws_, area_, log_);
    ViewCommands* commands_ = new ViewCommands(
        *ws_, folders_, pictures_,
        {area_, panel_, progress_, status_, log_, [this] { return views_->current_view(); }, [this] { redraw(); }});
    int redraws_ = 0;
};

TEST_F(ViewPartsTest, AViewOpenedFromAListIsCurrentListedInTheWindowMenuAndReleasedWhenClosed) {
    QSignalSpy created(views_, &ViewWindows::view_created);
    QObject::connect(views_, &ViewWindows::redraw_requested, [this] { redraw(); });
    test::double_click_row(&scalars_, 0);
    ASSERT_EQ(views_->view_windows().size(), 1);
    TRuvo_Sub_Form* view = views_->current_view();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->slot(), ws_->views.current_active_window);
    EXPECT_EQ(created.count(), 1);
    EXPECT_EQ(redraws_, 1);

    QMenu menu;
    views_->add_window_items(menu);
    emit menu.aboutToShow();
    const QAction* listed = menu.actions().last();
    EXPECT_EQ(listed->text(), QStringLiteral("&1 ") + view->windowTitle());
    EXPECT_TRUE(listed->isChecked());

    QSignalSpy closed(views_, &ViewWindows::view_closed);
    views_->close_all_views();
    EXPECT_TRUE(views_->view_windows().isEmpty());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(ws_->views.info_number_max, 0);
}

// The node of the new end is announced, then the view is drawn with it.
TEST_F(ViewPartsTest, ARangeCommandOfTheCurrentViewAnnouncesItsNodeThenRedraws) {
    views_->open_view_window(FileKind::Scalar, 0);
    TRuvo_Sub_Form* view = views_->current_view();
    ASSERT_NE(view, nullptr);
    redraw();
    View_Info expected = ws_->views.at(view->slot());
    const RangeNode node = *View_Cntr_MaxDownClick(expected, ws_->store).node;
    test::ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    emit view->range_command_chosen(view, View_Cntr_MaxDownClick);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages().size(), 1);
    EXPECT_EQ(ws_->views.at(view->slot()).Scalar_max, node.value);
    EXPECT_EQ(redraws_, 2);
}

// The dialog edits a ratio and hands each choice on: the up-down's at once,
// the opening one again on Escape, OK's to be fixed; an area without extent
// has no ratio for the up-down to scale.
TEST(ChangeRatio, HandsOnTheUpDownsRatioTheOpeningOneOnEscapeAndOksRatioFixed) {
    std::vector<std::pair<double, RatioChoice>> handed;
    TChangeRatio dialog([&](double ratio, RatioChoice choice) { handed.emplace_back(ratio, choice); });
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("C_Ratio_Edit"));
    auto* up_down = dialog.findChild<QWidget*>(QStringLiteral("C_Ratio_UpDown"));
    dialog.edit(1.25, 2.0);
    dialog.show();
    QTest::keyClick(up_down, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "3.000");
    QTest::keyClick(&dialog, Qt::Key_Escape);
    dialog.edit(1.25, std::nullopt);
    dialog.show();
    QTest::keyClick(up_down, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "1.250");
    edit->setText(QStringLiteral("2.5"));
    dialog.findChild<QPushButton*>(QStringLiteral("C_Ratio_OK"))->click();
    const std::vector<std::pair<double, RatioChoice>> expected{
        {3.0, RatioChoice::Shown}, {1.25, RatioChoice::Shown}, {2.5, RatioChoice::Fixed}};
    EXPECT_EQ(handed, expected);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace ruvo
