#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "plot/RangeSteps.h"
#include "ui/Messages.h"
#include "ui/controls/TrackBarEx.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

using test::ModalScript;

// The cavity sample's pressure, opened as a contour view.
class RangeDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = test::shown_main_window(test::example("cavity/cavity.RVP"));
        QApplication::setActiveWindow(main_.get());
        test::double_click_row(test::list_of(*main_, "ScalarListBox"), 0);
        ASSERT_EQ(main_->view_windows().size(), 1);
        view_ = main_->view_windows().first();
        redraws_ = std::make_unique<QSignalSpy>(main_.get(), &TRuvo_Main_Form::redrawn);
    }

    View_Info& record() { return main_->workspace().views.at(view_->slot()); }
    QAction* item(const char* name) { return view_->findChild<QAction*>(QString::fromLatin1(name)); }
    void press(QKeyCombination keys) { QTest::keyClick(main_.get(), keys.key(), keys.keyboardModifiers()); }
    int redraws() {
        const int count = static_cast<int>(redraws_->count());
        redraws_->clear();
        return count;
    }
    template <typename T>
    static T* child(QWidget* dialog, const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    // Enter in an edit of a dialog, after typing `typed`.
    static void type_into(QLineEdit* edit, const QString& typed) {
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    std::unique_ptr<TRuvo_Main_Form> main_;
    TRuvo_Sub_Form* view_ = nullptr;
    std::unique_ptr<QSignalSpy> redraws_;
};

TEST_F(RangeDialogsTest, ARangeStepShowsItsNodeWhileItsMessageIsReadThenRedraws) {
    View_Info expected = record();
    const RangeNode node = *View_Cntr_MaxDownClick(expected, main_->workspace().store).node;
    const QImage before = view_->image()->picture().copy();
    bool dot_shown = false;
    {
        ModalScript script;
        script.then([&](QWidget* box) {
            dot_shown = view_->image()->picture() != before;
            test::press(QMessageBox::Ok)(box);
        });
        press(Qt::CTRL | Qt::Key_M);
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.messages(), QStringList{QString::fromUtf8("最大値は(%1,%2)の%3に設定されました")
                                                     .arg(node.i)
                                                     .arg(node.j)
                                                     .arg(node.value, 0, 'f', 7)});
    }
    EXPECT_TRUE(dot_shown);
    EXPECT_EQ(record().Scalar_max, node.value);
    EXPECT_TRUE(item("View_Cntr_MaxDefault")->isEnabled());
    EXPECT_EQ(redraws(), 1);

    // Below the smallest value there is none: nothing changes.
    QApplication::setActiveWindow(main_.get());  // as when a message box closes
    record().Scalar_max = record().Scalar_min;
    ModalScript none;
    none.then(test::press(QMessageBox::Ok));
    press(Qt::CTRL | Qt::Key_M);
    EXPECT_EQ(none.messages(), QStringList{test::text(messages::kNoFurtherValue)});
    EXPECT_EQ(redraws(), 0);
}

TEST_F(RangeDialogsTest, TheRangeDialogRefusesWhatItCannotSetAndOkStoresBothEnds) {
    const double data_max = record().Scalar_max;
    const double data_min = record().Scalar_min;
    const double middle = (data_max + data_min) / 2;
    ModalScript script;
    script
        .then([&](QWidget* dialog) {
            auto* max_edit = child<QLineEdit>(dialog, "Max_Edit");
            EXPECT_EQ(max_edit->text(), QString::number(data_max, 'f', 8));
            type_into(max_edit, QStringLiteral("abc"));
            type_into(max_edit, QString::number(data_min, 'g', 17));
            EXPECT_EQ(max_edit->text(), QString::number(data_max, 'g', 15));
            type_into(max_edit, QString::number(middle, 'g', 17));
            EXPECT_EQ(child<TTrackBarEx>(dialog, "Max_TrackBarEx")->value(), 50);
            EXPECT_TRUE(child<QLabel>(dialog, "Max_Definition")->text().startsWith(QString::fromUtf8("Max:定義範囲")));
            EXPECT_TRUE(dialog->isVisible());  // Enter takes a value, after a warning too; only OK closes
            QTest::mouseClick(child<QPushButton>(dialog, "MaxMIn_Ok"), Qt::LeftButton);
        })
        .then(test::press(QMessageBox::Ok))
        .then(test::press(QMessageBox::Ok));
    press(Qt::CTRL | Qt::Key_I);
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(script.messages(), (QStringList{test::text(messages::kNotANumber),
                                              QString::fromUtf8("現在の最小値以下の値は設定できません")}));
    EXPECT_DOUBLE_EQ(record().Scalar_max, middle);
    EXPECT_EQ(record().Scalar_min, data_min);
    EXPECT_TRUE(record().max_changed && record().min_changed);
    EXPECT_TRUE(item("View_Cntr_MinDefault")->isEnabled() && item("View_Cntr_MaxDefault")->isEnabled());
    EXPECT_EQ(redraws(), 1);
}

// The cavity's area is square: 150 % of its ratio is 1.5.
TEST_F(RangeDialogsTest, TheRatioUpDownWritesTheRatioAndOkFixesIt) {
    ModalScript script;
    script.then([&](QWidget* dialog) {
        auto* edit = child<QLineEdit>(dialog, "C_Ratio_Edit");
        EXPECT_EQ(edit->text(), "1.000");
        QTest::keyClick(child<QWidget>(dialog, "C_Ratio_UpDown"), Qt::Key_Up);
        EXPECT_EQ(edit->text(), "1.500");
        EXPECT_EQ(record().ratio, 1.5);
        QTest::mouseClick(child<QPushButton>(dialog, "C_Ratio_OK"), Qt::LeftButton);
    });
    press(Qt::CTRL | Qt::Key_R);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(record().ratio_fixed);
    EXPECT_EQ(redraws(), 1);
    EXPECT_EQ(view_->image()->picture().height(), 750);
}

// Each dialog opens on the view's own value; a ratio of 0 is refused with
// the dialog left open; Escape then drops what the up-down wrote.
TEST_F(RangeDialogsTest, EscapeInTheRatioAndWidthDialogsLeavesTheNextRedrawAsBefore) {
    record().ratio_fixed = true;  // the layout keeps the view's ratio, as after an earlier OK
    record().line_width = 3;
    main_->Redraw();
    const QImage before = view_->image()->picture().copy();
    struct Case {
        const char *command, *edit, *up_down, *opening;
        bool refuses_zero;
    };
    for (const Case& c : {Case{"Change_Ratio", "C_Ratio_Edit", "C_Ratio_UpDown", "1.000", true},
                          Case{"Scalar_Line_Width", "SLWidth_Edit", "SLWidth_UpDown", "3", false}}) {
        ModalScript script;
        script.then([&](QWidget* dialog) {
            auto* edit = child<QLineEdit>(dialog, c.edit);
            EXPECT_EQ(edit->text(), c.opening);
            if (c.refuses_zero) {
                edit->setText("0");
                QTest::mouseClick(child<QPushButton>(dialog, "C_Ratio_OK"), Qt::LeftButton);
                EXPECT_TRUE(dialog->isVisible());
            }
            QTest::keyClick(child<QWidget>(dialog, c.up_down), Qt::Key_Up);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        if (c.refuses_zero) script.then(test::press(QMessageBox::Ok));
        item(c.command)->trigger();
        EXPECT_TRUE(script.finished()) << c.command;
        main_->Redraw();
        EXPECT_EQ(view_->image()->picture(), before) << c.command;
    }
}

// The neglect items are hidden, but their keys work in the line plots.
TEST_F(RangeDialogsTest, KAndJMoveTheOtherCoordinateOfALinePlotWithoutARedraw) {
    press(QKeyCombination(Qt::Key_K));  // a contour view has none
    EXPECT_EQ(record().YPos, 1);
    press(QKeyCombination(Qt::Key_F8));  // the Detail view along a line of constant i
    press(QKeyCombination(Qt::Key_T));   // with the marker of the other coordinate
    redraws();
    const QImage before = view_->image()->picture().copy();
    press(QKeyCombination(Qt::Key_K));
    press(QKeyCombination(Qt::Key_K));
    press(QKeyCombination(Qt::Key_J));
    EXPECT_EQ(record().YPos, 2);
    EXPECT_EQ(redraws(), 0);
    EXPECT_NE(view_->image()->picture(), before);
    EXPECT_TRUE(item("View_Cntr_YAxis_Switch")->isChecked());
}

}  // namespace
}  // namespace ruvo
