#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

// The cylinder sample with a view open, driven with the mouse and the keys.
class ProbeWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = test::shown_main_window(test::example(QStringLiteral("cylinder/cylinder.RVP")));
        QApplication::setActiveWindow(main_.get());
    }
    Workspace& ws() { return main_->workspace(); }
    void open(const char* list) { test::double_click_row(test::list_of(*main_, list), 0); }
    ViewImage* image() { return main_->current_view()->image(); }
    // A pixel inside the lower-left quarter of cell (i, j), near node (i, j).
    QPoint near_node(int i, int j) {
        const FieldStore& s = ws().store;
        const auto near = [&](const Table& c) { return 0.75 * c(i, j) + 0.25 * c(i + 1, j + 1); };
        return mapping_of(ws().views.current()).pixel({near(s.grid_x), near(s.grid_y)});
    }
    // The mouse moved over the picture. QTest moves the cursor, which stays
    // put when asked to go where it is: each move comes from off the screen.
    void move_to(QPoint pixel) {
        QCursor::setPos(-1, -1);
        QTest::mouseMove(image(), pixel);
    }
    void click_at(QPoint pixel) {
        move_to(pixel);
        QTest::mouseClick(image(), Qt::LeftButton, {}, pixel);
    }
    // A key pressed where the focus is, as on the keyboard.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : main_.get(), key, modifiers);
    }
    QLineEdit* edit(const char* name) { return main_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QColor key_mode_colour() { return edit("KBMode_Edit")->palette().color(QPalette::Text); }
    std::array<int, 4> area() {
        const View_Info& v = ws().views.current();
        return {v.x_start, v.y_start, v.x_end, v.y_end};
    }

    std::unique_ptr<TRuvo_Main_Form> main_;
};

TEST_F(ProbeWindowTest, TheMouseMarksTheNodeUnderItAndShowsItsValues) {
    open("ScalarListBox");
    const QImage before = image()->picture();
    move_to(near_node(61, 20));
    EXPECT_EQ(edit("Edit1")->text(), " i=60");
    EXPECT_EQ(edit("Edit2")->text(), " j= 19");
    const ViewFields shown = view_fields(ws().store, ws().views.current());
    EXPECT_EQ(edit("Edit7")->text(), "S=" + QString::number(shown.current_scalars().value(61, 20), 'f', 7));
    EXPECT_EQ(edit("Edit7")->toolTip(), edit("Edit7")->text() + u'\n' + shown.current_scalars().file_name);
    const QPoint node = mapping_of(ws().views.current()).node_pixel(ws().store, 61, 20);
    EXPECT_NE(image()->picture().pixel(node), before.pixel(node));
}

// At 800 % the picture follows the cursor the arrows move, from the cylinder out to the far boundary.
TEST_F(ProbeWindowTest, TheKeyboardCursorStaysInSightAtTheLargestMagnification) {
    open("GridListBox");
    main_->set_magnification_preset(800);
    press(Qt::Key_R);
    for (int k = 0; k < 40; ++k) press(Qt::Key_Up);
    const ProbeNode cursor = ws().probe.probe();
    ASSERT_TRUE(cursor.is_set());
    const QPoint pixel = mapping_of(ws().views.current()).node_pixel(ws().store, cursor.i, cursor.j);
    TRuvo_Sub_Form& view = *main_->current_view();
    EXPECT_TRUE(QRect(QPoint(0, 0), view.client_size()).contains(view.shown_at(pixel))) << cursor.i << "," << cursor.j;
}

// Two clicks select an area and draw it; in keyboard mode Esc shows the whole grid.
TEST_F(ProbeWindowTest, TwoClicksSelectAnAreaAndEscInKeyboardModeShowsTheWholeGrid) {
    open("GridListBox");
    QSignalSpy redraws(main_.get(), &TRuvo_Main_Form::redrawn);
    const QImage whole = image()->picture();
    click_at(near_node(40, 25));
    move_to(near_node(60, 35));
    EXPECT_EQ(redraws.count(), 0);
    QTest::mouseClick(image(), Qt::LeftButton, {}, near_node(60, 35));
    EXPECT_EQ(redraws.count(), 1);
    EXPECT_EQ(area(), (std::array{40, 25, 60, 35}));
    EXPECT_NE(image()->picture(), whole);

    press(Qt::Key_R);
    EXPECT_TRUE(ws().key_select);
    EXPECT_EQ(key_mode_colour(), QColor(255, 0, 0));
    press(Qt::Key_Right);
    EXPECT_EQ(edit("Edit1")->text(), " i=40");
    press(Qt::Key_Escape);
    EXPECT_EQ(area(), (std::array{1, 1, 121, 41}));
    EXPECT_EQ(image()->picture(), whole);
    TRuvo_Sub_Form* first = main_->current_view();
    open("GridListBox");  // leaving the first view adds no dot: the redraw took its marker away
    EXPECT_EQ(first->image()->picture(), whole);
    first->mdiArea()->setActiveSubWindow(first);
    ws().views.current().magni = 300;  // a picture larger than its window
    main_->Redraw();
    const int left = image()->pos().x();  // Shift+arrows scroll the current view, not the one opened last
    press(Qt::Key_R);
    press(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(image()->pos().x(), left - 100);
}

TEST_F(ProbeWindowTest, AFocusKeyEndsTheKeyboardMode) {
    open("VectorListBox");
    press(Qt::Key_R);
    ASSERT_TRUE(ws().key_select);
    press(Qt::Key_V);
    EXPECT_FALSE(ws().key_select);
    EXPECT_EQ(key_mode_colour(), QColor(128, 128, 128));
    EXPECT_EQ(QApplication::focusWidget(), test::list_of(*main_, "VectorListBox"));
    press(Qt::Key_Up);
    EXPECT_EQ(ws().probe.probe(), (ProbeNode{1, 1}));
}

}  // namespace
}  // namespace ruvo
