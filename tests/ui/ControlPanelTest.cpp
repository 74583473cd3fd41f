#include <gtest/gtest.h>

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSlider>

#include "ViewTestFixture.h"
#include "ui/Messages.h"

namespace ruvo {
namespace {

using test::text;

class ControlPanelTest : public test::ViewFixture {
protected:
    QString caption(const char* button) { return control<QPushButton>(button)->text(); }
    void click(const char* button) { QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton); }
    // A press and release on the bar's thumb, which leaves its position.
    void press_and_release_thumb(TTrackBarEx* bar) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.subControls = QStyle::SC_All;
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb.center());
    }
};

TEST_F(ControlPanelTest, ThePanelStartsWithTheMagnificationDisabledAndResetsWhenNoViewIsLeft) {
    EXPECT_EQ(shown_bars(), QStringList{"MagnificationBar"});
    EXPECT_FALSE(control("MagnificationBar")->isEnabled());
    EXPECT_FALSE(control<QWidget>("Magnification")->isEnabled());
    EXPECT_FALSE(control<QWidget>("MagniNumber")->isEnabled());
    EXPECT_EQ(caption("Magnification"), text(messages::kMagnificationCaption));
    EXPECT_EQ(caption("ScalarLineNumber"), text(messages::kLineNumberCaption));
    const std::tuple<const char*, int, int, int, int, int, int> bars[] = {
        {"MagnificationBar", 100, 800, 100, 25, 10, 25},
        {"ScalarLineNumberBar", 1, 100, 30, 10, 1, 5},
        {"SBDividedNumberBar", 10, 255, 10, 10, 5, 10},
        {"XGridStepBar", 1, 20, 1, 3, 1, 1},
        {"XStepBar", 1, 40, 1, 3, 1, 2},
        {"VectorLengthBar", 1, 100, 5, 5, 1, 5},
        {"XPosBar", 1, kNi, 1, 5, 1, 1},
        {"YPosBar", 1, kNj, 1, 5, 1, 1},
    };
    for (const auto& [name, min, max, start, page, line, tick] : bars) {
        SCOPED_TRACE(name);
        TTrackBarEx* bar = control(name);
        EXPECT_EQ(bar->minimum(), min);
        EXPECT_EQ(bar->maximum(), max);  // the position bars span the project's grid
        EXPECT_EQ(bar->value(), start);
        EXPECT_EQ(bar->pageStep(), page);
        EXPECT_EQ(bar->singleStep(), line);
        EXPECT_EQ(bar->tickInterval(), tick);
    }

    TRuvo_Sub_Form* view = open_scalars();
    EXPECT_TRUE(control("MagnificationBar")->isEnabled());
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "ScalarLineNumberBar"}));
    view->close();
    QApplication::processEvents();
    EXPECT_EQ(shown_bars(), QStringList{"MagnificationBar"});
    EXPECT_FALSE(control("MagnificationBar")->isEnabled());

    open_vectors();
    main_->set_magnification_preset(300);
    main_->Close_Project();
    EXPECT_EQ(shown_bars(), QStringList{"MagnificationBar"});
    EXPECT_FALSE(control<QWidget>("MagniNumber")->isEnabled());
    EXPECT_EQ(number("MagniNumber"), "");  // nothing of the closed view stays
    EXPECT_EQ(control("MagnificationBar")->value(), 100);
}

TEST_F(ControlPanelTest, TheMagnifyButtonsStepTheMagnificationAndRedraw) {
    TRuvo_Sub_Form* view = open_grid();
    redraws();
    QList<int> up;
    for (int n = 0; n < 12; ++n) {
        click("MagniUpSB");
        up << record(view).magni;
    }
    EXPECT_EQ(up, (QList<int>{120, 144, 172, 206, 247, 296, 355, 426, 511, 613, 735, 800}));
    EXPECT_EQ(redraws(), 12);
    EXPECT_EQ(control("MagnificationBar")->value(), 800);
    EXPECT_EQ(number("MagniNumber"), "8.0");
    EXPECT_EQ(view->image()->picture().width(), 4000);

    click("WholeShowSB");  // steps down as the down button does
    EXPECT_EQ(record(view).magni, 640);
    QList<int> down;
    for (int n = 0; n < 10; ++n) {
        click("MagniDownSB");
        down << record(view).magni;
    }
    EXPECT_EQ(down, (QList<int>{512, 409, 327, 261, 208, 166, 132, 105, 100, 100}));
    EXPECT_EQ(number("MagniNumber"), "1.0");
    EXPECT_EQ(caption("Magnification"), text(messages::kMagnificationCaption));
}

TEST_F(ControlPanelTest, TheMagnificationBarPreparesAChangeThatItsButtonOrEnterCommits) {
    TRuvo_Sub_Form* view = open_grid();
    TTrackBarEx* bar = control("MagnificationBar");
    redraws();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), 110);
    EXPECT_EQ(number("MagniNumber"), "1.1");
    EXPECT_EQ(caption("Magnification"), text(messages::kRedrawCaption));
    EXPECT_EQ(record(view).magni, 100);
    EXPECT_EQ(redraws(), 0);

    click("Magnification");
    EXPECT_EQ(record(view).magni, 110);
    EXPECT_EQ(caption("Magnification"), text(messages::kMagnificationCommitted));
    EXPECT_EQ(caption("ScalarLineNumber"), text(messages::kLineNumberCommitted));
    EXPECT_EQ(view->image()->picture().width(), 550);
    EXPECT_EQ(redraws(), 1);
    click("Magnification");  // nothing waits for a commit
    EXPECT_EQ(redraws(), 0);

    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(number("MagniNumber"), "1.4");  // halves round up
    QTest::keyClick(bar, Qt::Key_Return);
    EXPECT_EQ(record(view).magni, 135);
    EXPECT_EQ(redraws(), 1);
}

TEST_F(ControlPanelTest, TheContourCountIsCommittedOnContourViewsOnly) {
    TRuvo_Sub_Form* contour = open_scalars();
    TTrackBarEx* bar = control("ScalarLineNumberBar");
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(number("LineNumber"), "20");
    redraws();
    QTest::keyClick(bar, Qt::Key_Left);
    EXPECT_EQ(number("LineNumber"), "19");
    EXPECT_EQ(caption("ScalarLineNumber"), text(messages::kRedrawCaption));
    EXPECT_EQ(record(contour).line_num, 20);
    EXPECT_EQ(redraws(), 0);
    QTest::keyClick(bar, Qt::Key_Enter);
    EXPECT_EQ(record(contour).line_num, 19);
    EXPECT_EQ(caption("ScalarLineNumber"), text(messages::kLineNumberCommitted));
    EXPECT_EQ(redraws(), 1);

    // A change left waiting when a vector view becomes active: its commit
    // resets the captions and nothing else.
    QTest::keyClick(bar, Qt::Key_PageUp);
    TRuvo_Sub_Form* arrows = open_vectors();
    const View_Info before = record(arrows);
    redraws();
    control<QPushButton>("ScalarLineNumber")->click();
    EXPECT_EQ(caption("ScalarLineNumber"), text(messages::kLineNumberCommitted));
    EXPECT_EQ(caption("Magnification"), text(messages::kMagnificationCommitted));
    EXPECT_EQ(record(arrows).line_num, before.line_num);
    EXPECT_EQ(record(contour).line_num, 19);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ControlPanelTest, ADotStepIsStoredAtOnceAndDrawnWhenTheBarIsReleased) {
    TRuvo_Sub_Form* view = open_vectors();
    item(view, "X_Dot_Mode")->trigger();
    TTrackBarEx* bar = control("XStepBar");
    redraws();
    QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(record(view).x_dot_step, 3);  // which the arrows read
    EXPECT_EQ(number("XStepNumber"), "3");
    EXPECT_EQ(redraws(), 0);

    press_and_release_thumb(bar);
    EXPECT_EQ(bar->value(), 3);
    EXPECT_EQ(redraws(), 1);
    QTest::keyClick(bar, Qt::Key_Return);  // Enter released
    EXPECT_EQ(redraws(), 1);

    // The arrow length stores into the view, which the plots read.
    QTest::keyClick(control("VectorLengthBar"), Qt::Key_Right);
    EXPECT_EQ(record(view).length, 6);
}

TEST_F(ControlPanelTest, ThePositionFieldShowsTheZeroBasedIndexAndEveryKeyRedraws) {
    TRuvo_Sub_Form* view = open_scalars();
    QTest::keyClick(main_.get(), Qt::Key_F6);
    TTrackBarEx* bar = control("XPosBar");
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(number("XPosEdit"), "0");
    redraws();

    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(record(view).XPos, 2);
    EXPECT_EQ(number("XPosEdit"), "1");
    EXPECT_EQ(redraws(), 1);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(record(view).XPos, kNi);
    EXPECT_EQ(number("XPosEdit"), QString::number(kNi - 1));
    QTest::keyClick(bar, Qt::Key_Right);  // at the end: no move, still a redraw
    EXPECT_EQ(record(view).XPos, kNi);
    EXPECT_EQ(redraws(), 2);
    press_and_release_thumb(bar);
    EXPECT_EQ(redraws(), 1);
}

TEST_F(ControlPanelTest, ActivationLoadsTheViewsValuesIntoTheBarsWithoutRedrawing) {
    TRuvo_Sub_Form* first = open_vectors();
    click("MagniUpSB");
    QTest::keyClick(control("XGridStepBar"), Qt::Key_PageUp);
    TRuvo_Sub_Form* second = open_vectors();
    EXPECT_EQ(control("MagnificationBar")->value(), 100);
    EXPECT_EQ(number("MagniNumber"), "1");
    EXPECT_EQ(control("XGridStepBar")->value(), 1);
    redraws();

    activate(first);
    EXPECT_EQ(control("MagnificationBar")->value(), 120);
    EXPECT_EQ(number("MagniNumber"), "1.2");
    EXPECT_EQ(control("XGridStepBar")->value(), 4);
    EXPECT_EQ(number("XGridStepNumber"), "4");
    EXPECT_EQ(record(first).x_grid_step, 4);
    EXPECT_EQ(ws().magnification_of(first->slot()), 120);  // what the view is drawn at
    // Set by the program, the bar prepared no change.
    EXPECT_EQ(caption("Magnification"), text(messages::kMagnificationCaption));
    EXPECT_EQ(redraws(), 0);
    activate(second);
    EXPECT_EQ(control("XGridStepBar")->value(), 1);
    EXPECT_EQ(record(second).x_grid_step, 1);
}

TEST_F(ControlPanelTest, LabelsCarryTheMnemonicsOfTheirBars) {
    open_scalars();
    QTest::keyClick(main_.get(), Qt::Key_F3);
    QTest::keyClick(main_.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("SBDividedNumberBar"));
    EXPECT_EQ(control<QLabel>("SBDivided")->text(), text(messages::kSBDividedCaption));
    EXPECT_EQ(control("SBDividedNumberBar")->accessibleName(), "ベタ分割数：");
    EXPECT_EQ(control("SBDividedNumberBar")->accessibleDescription(), "SBDividedNumberBar");
    // The tab order follows the panel downwards.
    EXPECT_EQ(control<QWidget>("SBDividedNumberBar")->nextInFocusChain(), control<QWidget>("SBDividedNumber"));
}

}  // namespace
}  // namespace ruvo
