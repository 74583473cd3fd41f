#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "UiTestSupport.h"
#include "Workspace.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

class ViewWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        grid_ = test::write_grid(dir_.path(), "G.GRD");
        vector_ = test::write_vector(dir_.path(), "FLOW.V");
        scalar_ = test::write_scalar(dir_.path(), "PRES.P", 3, 3, -2.0);
        project_ = test::write_project(dir_.filePath("p.RVP"), grid_, {vector_}, {scalar_});
        main_ = test::shown_main_window(project_);
    }

    Workspace& ws() { return main_->workspace(); }
    QListWidget* list(const char* name) { return test::list_of(*main_, name); }
    QList<TRuvo_Sub_Form*> views() { return main_->view_windows(); }
    bool enabled(const char* button) {
        return main_->findChild<QToolButton*>(QString::fromLatin1(button))->isEnabled();
    }
    bool window_menu_enabled() {
        return main_->findChild<QMenu*>(QStringLiteral("Window_Main"))->menuAction()->isEnabled();
    }

    QTemporaryDir dir_;
    QString grid_, vector_, scalar_, project_;
    std::unique_ptr<TRuvo_Main_Form> main_;
};

TEST_F(ViewWindowTest, EachKindOpensFromItsListAndIsDrawn) {
    EXPECT_FALSE(enabled("PrintSB"));
    EXPECT_FALSE(window_menu_enabled());

    test::double_click_row(list("GridListBox"), 0);
    test::select_and_press_enter(list("VectorListBox"), 0);
    test::double_click_row(list("ScalarListBox"), 0);

    ASSERT_EQ(views().size(), 3);
    EXPECT_EQ(views()[0]->windowTitle(), grid_);
    EXPECT_EQ(views()[1]->windowTitle(), vector_);
    EXPECT_EQ(views()[2]->windowTitle(), scalar_);
    const View_Info& scalar_view = ws().views.at(views()[2]->slot());
    EXPECT_EQ(ws().views.at(views()[0]->slot()).FileType, kGridView);
    EXPECT_EQ(ws().views.at(views()[1]->slot()).FileType, kVectorView);
    EXPECT_EQ(scalar_view.FileType, kScalarView);
    EXPECT_EQ(scalar_view.Scalar_min, -2.0);  // the data range of a new scalar view
    EXPECT_EQ(scalar_view.Scalar_max, 6.0);
    EXPECT_EQ(ws().views.info_number_max, 3);
    EXPECT_EQ(ws().views.current_active_window, views()[2]->slot());
    for (TRuvo_Sub_Form* view : views()) EXPECT_EQ(view->image()->picture().width(), 500);

    for (const char* button : {"SaveOvewriteSB", "PrintSB", "MagniUpSB", "MagniDownSB", "WholeShowSB", "FollowSB"}) {
        EXPECT_TRUE(enabled(button)) << button;
    }
    EXPECT_TRUE(window_menu_enabled());
    const QString dump = main_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    EXPECT_TRUE(dump.contains(QStringLiteral("Caption=PRES.P\n"))) << dump.toStdString();
    EXPECT_TRUE(dump.contains(QStringLiteral("FileType=Scalar\n")));
}

TEST_F(ViewWindowTest, TheDiagnosticsPaneShowsFromTheHelpMenuWithTheRedrawsRecord) {
    test::double_click_row(list("GridListBox"), 0);
    auto* pane = main_->findChild<QWidget*>(QStringLiteral("DiagnosticsPane"));
    EXPECT_FALSE(pane->isVisible());
    main_->findChild<QAction*>(QStringLiteral("Diagnostics"))->trigger();
    EXPECT_TRUE(pane->isVisible());

    const auto memo = [this](const char* name) {
        return main_->findChild<QPlainTextEdit*>(QString::fromLatin1(name))->toPlainText();
    };
    EXPECT_TRUE(memo("Memo1").startsWith(QStringLiteral("active=1\nCaption=G.GRD\n")));
    EXPECT_TRUE(memo("Memo2").contains(QStringLiteral("Width=500\nHeight=10\n")));
    EXPECT_TRUE(memo("Memo2").endsWith(QStringLiteral("ratio=0.02")));
    EXPECT_TRUE(memo("Memo3").endsWith(QStringLiteral("current_active_window=1\ninfo_number_max=1")));
    EXPECT_TRUE(ws().layout_log.lines().isEmpty());  // moved to the pane
}

TEST_F(ViewWindowTest, LinePlotsFillTheStatusBoxesAndLongPlotsDriveTheProgressBar) {
    test::double_click_row(list("VectorListBox"), 0);
    auto* progress = main_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    EXPECT_EQ(progress->maximum(), 3);  // the arrows' rows
    EXPECT_EQ(progress->value(), 0);    // and back to the start when done

    test::double_click_row(list("ScalarListBox"), 0);
    ws().views.current().ScalarViewType = kRowView;
    main_->Redraw();
    EXPECT_EQ(main_->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), text(messages::kLineReadoutI) + "0");
    EXPECT_TRUE(
        main_->findChild<QLineEdit*>(QStringLiteral("Edit7"))->text().startsWith(text(messages::kLineReadoutS)));
}

TEST_F(ViewWindowTest, ADoubleClickWithoutASelectionOpensNothing) {
    list("VectorListBox")->clearSelection();
    QTest::keyClick(list("VectorListBox"), Qt::Key_Return);
    EXPECT_TRUE(views().isEmpty());
}

TEST_F(ViewWindowTest, CaptionsNumberTheWindowsOfOneBaseNameAndItsDataAreReadOnce) {
    QTemporaryDir other;
    const QString same_name = test::write_vector(other.path(), "FLOW.V", 3, 3, 100.0);
    test::write_project(project_, grid_, {vector_, same_name}, {});
    ModalScript script;
    main_->open_project_file(project_);

    QListWidget* vectors = list("VectorListBox");
    test::double_click_row(vectors, 0);
    // Once read, the file is not read again: its new contents stay unseen.
    test::write_vector(dir_.path(), "FLOW.V", 3, 3, 50.0);
    test::double_click_row(vectors, 0);
    QFile::remove(vector_);
    test::double_click_row(vectors, 0);
    test::double_click_row(vectors, 1);

    ASSERT_EQ(views().size(), 4);
    EXPECT_EQ(views()[0]->windowTitle(), vector_);
    EXPECT_EQ(views()[1]->windowTitle(), vector_ + " (1)");
    EXPECT_EQ(views()[2]->windowTitle(), vector_ + " (2)");
    EXPECT_EQ(views()[3]->windowTitle(), same_name + " (3)");  // same base name, same counter
    EXPECT_EQ(script.unexpected(), 0) << script.messages().join(u'\n').toStdString();
    EXPECT_EQ(ws().store.vector_count, 1);  // one data slot for the base name
    EXPECT_EQ(ws().store.vector_data[1].u(1, 1), 1.0);
}

TEST_F(ViewWindowTest, AFileThatStopsEarlyShowsItsKindsMessageAndTheViewOpens) {
    test::write_scalar(dir_.path(), "PRES.P");
    QFile file(scalar_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("0 2 0 2\n1.5\n2.5\n1,0\n");
    file.close();

    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    test::double_click_row(list("ScalarListBox"), 0);

    EXPECT_TRUE(script.finished());
    ASSERT_EQ(script.messages().size(), 1);
    EXPECT_EQ(script.messages()[0], text(messages::kScalarReadError));
    ASSERT_EQ(views().size(), 1);
    EXPECT_EQ(ws().store.scalar_data[1].value(1, 2), 2.5);  // what was read stays
    EXPECT_EQ(ws().store.scalar_data[1].value(1, 3), 0.0);
}

TEST_F(ViewWindowTest, TheHundredAndFirstViewIsRefusedAndOpensNothing) {
    for (int n = 0; n < kMaxViews; ++n) test::select_and_press_enter(list("GridListBox"), 0);
    ASSERT_EQ(views().size(), kMaxViews);

    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    QTest::keyClick(list("GridListBox"), Qt::Key_Return);

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages().value(0), text(messages::kTooManyViews));
    EXPECT_EQ(views().size(), kMaxViews);
    EXPECT_EQ(ws().views.info_number_max, kMaxViews);
}

TEST_F(ViewWindowTest, TheTwentyFirstBaseNameIsRefused) {
    QStringList vectors, scalars;
    for (int n = 1; n <= kMaxSlots; ++n) {
        vectors << test::write_vector(dir_.path(), QStringLiteral("V%1.V").arg(n));
        scalars << test::write_scalar(dir_.path(), QStringLiteral("S%1.P").arg(n));
    }
    test::write_project(project_, grid_, vectors, scalars);
    main_->open_project_file(project_);
    test::double_click_row(list("GridListBox"), 0);
    for (int n = 0; n < kMaxSlots; ++n) test::double_click_row(list("VectorListBox"), n);
    for (int n = 0; n < kMaxSlots - 1; ++n) test::double_click_row(list("ScalarListBox"), n);
    ASSERT_EQ(views().size(), kMaxNames);

    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    test::double_click_row(list("ScalarListBox"), kMaxSlots - 1);

    EXPECT_EQ(script.messages().value(0), text(messages::kTooManyNames));
    EXPECT_EQ(views().size(), kMaxNames);
    EXPECT_EQ(ws().store.scalar_count, kMaxSlots - 1);
}

TEST_F(ViewWindowTest, ActivationMakesTheSlotCurrentAndRestoresItsMappingWithoutRedrawing) {
    test::double_click_row(list("GridListBox"), 0);
    test::double_click_row(list("ScalarListBox"), 0);
    TRuvo_Sub_Form* grid_view = views()[0];
    View_Info& grid_record = ws().views.at(grid_view->slot());
    const qint64 picture = grid_view->image()->picture().cacheKey();
    grid_record.x_start = 2;  // as an area selection would leave it

    views()[0]->mdiArea()->setActiveSubWindow(grid_view);

    EXPECT_EQ(ws().views.current_active_window, grid_view->slot());
    const View_Info& current = ws().views.current();
    EXPECT_EQ(area_of(current).x_start, 2);
    EXPECT_EQ(mapping_of(current).dx, grid_record.dx);
    EXPECT_EQ(data_slot_of(ws().store, current), 1);
    EXPECT_EQ(grid_view->image()->picture().cacheKey(), picture);
}

TEST_F(ViewWindowTest, EveryWayOfClosingFreesTheSlotAndTheLastCloseDisablesTheViewControls) {
    for (int n = 0; n < 4; ++n) test::double_click_row(list("GridListBox"), 0);
    const int first_slot = views()[0]->slot();

    views()[0]->close();  // its close box, out of order
    QApplication::processEvents();
    EXPECT_EQ(ws().views.info_number_max, 3);
    EXPECT_TRUE(ws().views.at(first_slot).Caption.isEmpty());
    test::double_click_row(list("GridListBox"), 0);  // takes the freed slot
    EXPECT_EQ(views().last()->slot(), first_slot);

    views().last()->Close_FileClick();
    QApplication::processEvents();
    EXPECT_EQ(ws().views.info_number_max, 3);
    EXPECT_TRUE(ws().views.at(first_slot).Caption.isEmpty());
    EXPECT_TRUE(enabled("PrintSB"));

    views().first()->Close_All_FileClick();
    QApplication::processEvents();
    EXPECT_TRUE(views().isEmpty());
    EXPECT_EQ(ws().views.info_number_max, 0);
    for (int slot = 1; slot <= kMaxViews; ++slot) EXPECT_TRUE(ws().views.at(slot).Caption.isEmpty()) << slot;
    for (const char* button : {"PrintSB", "MagniUpSB", "MagniDownSB", "WholeShowSB", "FollowSB"}) {
        EXPECT_FALSE(enabled(button)) << button;
    }
    EXPECT_FALSE(window_menu_enabled());
    EXPECT_TRUE(enabled("SaveOvewriteSB"));
}

TEST_F(ViewWindowTest, TheWindowFitsItsImageWhereTheImageIsSmallerThanTheSpace) {
    test::double_click_row(list("GridListBox"), 0);
    TRuvo_Sub_Form* view = views()[0];
    EXPECT_EQ(view->client_size(), QSize(500, 10));

    // At 400 % the image is wider than the space: the width stays and scrolls.
    const QSize before = view->client_size();
    ws().views.at(view->slot()).magni = 400;
    main_->Redraw();
    EXPECT_EQ(view->image()->picture().size(), QSize(2000, 40));
    EXPECT_EQ(view->client_size().width(), before.width());
    EXPECT_LT(view->client_size().width(), main_->view_space().width());
    EXPECT_GE(view->client_size().height(), 40);
}

TEST_F(ViewWindowTest, AViewThatCannotBeDrawnWarnsAndKeepsItsPicture) {
    test::double_click_row(list("GridListBox"), 0);
    TRuvo_Sub_Form* view = views()[0];
    const qint64 picture = view->image()->picture().cacheKey();
    View_Info& record = ws().views.at(view->slot());
    record.x_end = record.x_start;  // one grid line: no x extent

    ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    main_->Redraw();

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages().value(0), text(messages::kRedrawError));
    EXPECT_EQ(view->image()->picture().cacheKey(), picture);
    EXPECT_EQ(views().size(), 1);
}

TEST_F(ViewWindowTest, VectorsThatAreAllZeroCloseTheProjectAfterTheSavePrompt) {
    QFile file(vector_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("0 2 0 2\n" + QByteArray("0 0\n").repeated(9));
    file.close();
    test::double_click_row(list("GridListBox"), 0);
    ws().project.project_modified = true;  // the file list was changed

    ModalScript script;
    script.then(test::press(QMessageBox::Ok)).then(test::press(QMessageBox::No));
    test::double_click_row(list("VectorListBox"), 0);
    QApplication::processEvents();

    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages().value(0), text(messages::kAllZeroVectors));
    EXPECT_TRUE(views().isEmpty());
    EXPECT_EQ(ws().views.info_number_max, 0);
    EXPECT_EQ(list("VectorListBox")->count(), 0);
    EXPECT_EQ(main_->windowTitle(), text(messages::kNoProjectCaption));
}

TEST_F(ViewWindowTest, TheWindowMenuListsTheViewsAndTilesThem) {
    for (QListWidget* kind : {list("GridListBox"), list("VectorListBox"), list("ScalarListBox")}) {
        test::double_click_row(kind, 0);
    }
    auto* menu = main_->findChild<QMenu*>(QStringLiteral("Window_Main"));
    emit menu->aboutToShow();
    QStringList listed;
    for (QAction* item : menu->actions()) {
        if (item->isCheckable()) listed << item->text();
    }
    EXPECT_EQ(listed, (QStringList{"&1 " + grid_, "&2 " + vector_, "&3 " + scalar_}));

    main_->findChild<QAction*>(QStringLiteral("Tile_Vertical"))->trigger();
    const QSize area = views()[0]->mdiArea()->viewport()->size();
    EXPECT_EQ(views()[0]->geometry().left(), 0);
    EXPECT_EQ(views()[2]->geometry().right() + 1, area.width());
    EXPECT_EQ(views()[1]->geometry().height(), area.height());
}

}  // namespace
}  // namespace ruvo
