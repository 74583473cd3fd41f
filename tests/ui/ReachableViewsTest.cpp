#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

// The cylinder sample as a user meets it: five views of 500 x 500 pixels in
// a view area of about 767 x 577.
class ReachableViewsTest : public ::testing::Test {
protected:
    void SetUp() override { main_ = test::shown_main_window(test::example(QStringLiteral("cylinder/cylinder.RVP"))); }

    TRuvo_Sub_Form* open(const char* list, int row = 0) {
        test::double_click_row(test::list_of(*main_, list), row);
        return main_->view_windows().last();
    }
    QList<TRuvo_Sub_Form*> open_five() {
        for (const auto& [list, row] : {std::pair{"GridListBox", 0},
                                        {"VectorListBox", 0},
                                        {"ScalarListBox", 0},
                                        {"ScalarListBox", 1},
                                        {"ScalarListBox", 0}}) {
            EXPECT_TRUE(visible_area().contains(open(list, row)->geometry())) << list << row;
        }
        return main_->view_windows();
    }
    QMdiArea* area() { return main_->findChild<QMdiArea*>(QStringLiteral("ViewArea")); }
    QRect visible_area() { return QRect(QPoint(0, 0), area()->viewport()->size()); }
    void trigger(const char* item) { main_->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    QLineEdit* readout(int n) { return main_->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)); }

    // The point of the picture in the middle of what the window shows, in fractions of the picture.
    static QPointF shown_centre(TRuvo_Sub_Form* view) {
        const auto* scroll = view->findChild<QScrollArea*>();
        const QSize picture = view->image()->picture().size();
        const QSize shown = scroll->viewport()->size().boundedTo(picture);
        return {(scroll->horizontalScrollBar()->value() + shown.width() / 2.0) / picture.width(),
                (scroll->verticalScrollBar()->value() + shown.height() / 2.0) / picture.height()};
    }

    std::unique_ptr<TRuvo_Main_Form> main_;
};

TEST_F(ReachableViewsTest, NewViewsOpenInsideTheAreaAndCascadeKeepsTheirSizes) {
    const QList<TRuvo_Sub_Form*> views = open_five();
    QList<QSize> sizes;
    for (TRuvo_Sub_Form* view : views) sizes << view->size();
    trigger("Cascade_Windows");
    for (qsizetype n = 0; n < views.size(); ++n) {
        const QRect place = views[n]->geometry();
        EXPECT_EQ(place.size(), sizes[n].boundedTo(visible_area().size() - QSize(place.left(), place.top())));
        EXPECT_TRUE(n == 0 || place.top() > views[n - 1]->geometry().top());  // each title bar shows
    }
    EXPECT_EQ(area()->subWindowList(QMdiArea::StackingOrder).last(), area()->activeSubWindow());
}

TEST_F(ReachableViewsTest, TheAreaScrollsToAViewThatGrowsPastIt) {
    open_five();
    trigger("Tile_Horizon");
    TRuvo_Sub_Form* last = main_->view_windows().last();
    main_->Redraw();  // the window fit grows the last band back to its picture
    QApplication::processEvents();
    ASSERT_GT(last->geometry().bottom(), visible_area().bottom());
    area()->verticalScrollBar()->setValue(area()->verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_LE(last->geometry().bottom(), visible_area().bottom());
}

TEST_F(ReachableViewsTest, MagnifyingKeepsTheMiddleOfWhatIsShown) {
    TRuvo_Sub_Form* view = open("ScalarListBox");
    main_->set_magnification_preset(800);
    EXPECT_NEAR(shown_centre(view).x(), 0.5, 0.002);
    EXPECT_NEAR(shown_centre(view).y(), 0.5, 0.002);
    view->findChild<QScrollArea*>()->horizontalScrollBar()->setValue(800);  // off the middle
    const QPointF before = shown_centre(view);
    main_->set_magnification_preset(300);
    EXPECT_NEAR(shown_centre(view).x(), before.x(), 0.002);
    EXPECT_NEAR(shown_centre(view).y(), before.y(), 0.002);
}

TEST_F(ReachableViewsTest, ReadOutsShowTheirWholeTextsAndNothingStaysAfterTheProjectCloses) {
    open("ScalarListBox");
    View_Info& record = main_->workspace().views.current();
    record.XPos = 61;  // a column of negative x
    for (const std::int32_t kind : {kColumnView, kDetailView}) {
        record.ScalarViewType = kind;
        main_->Redraw();
        EXPECT_TRUE(kind == kDetailView || readout(3)->text().startsWith(QStringLiteral("grid_x=-0.")));
        for (int n = 1; n <= 7; ++n) {
            const int frame = readout(n)->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, readout(n));
            EXPECT_LE(readout(n)->fontMetrics().horizontalAdvance(readout(n)->text()),
                      readout(n)->width() - 2 * (frame + 2))
                << readout(n)->text().toStdString();
        }
    }
    main_->Close_Project();
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(readout(n)->text(), "");
    EXPECT_FALSE(main_->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->isTextVisible());
}

}  // namespace
}  // namespace ruvo
