#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "UiTestSupport.h"
#include "Workspace.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewwindow/ViewWindow.h"
#include "ui/controls/TrackBarEx.h"

namespace ruvo::test {

// A main window with a project of a 5 x 4 grid, one vector and two scalar
// files, and helpers to open views, use their menus and watch the redraws.
class ViewFixture : public ::testing::Test {
protected:
    static constexpr int kNi = 5;
    static constexpr int kNj = 4;

    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        grid_ = write_grid(dir_.path(), "G.GRD", kNi, kNj);
        vector_ = write_vector(dir_.path(), "FLOW.V", kNi, kNj);
        scalar_ = write_scalar(dir_.path(), "PRES.P", kNi, kNj, -2.0);
        other_scalar_ = write_scalar(dir_.path(), "TURB.K", kNi, kNj, 5.0);
        start(write_project(dir_.filePath("p.RVP"), grid_, {vector_}, {scalar_, other_scalar_}));
    }
    // The main window shown with the project.
    void start(const QString& project) {
        project_ = project;
        main_ = shown_main_window(project_);
        reactivate();
        redraws_ = std::make_unique<QSignalSpy>(main_.get(), &TRuvo_Main_Form::redrawn);
    }

    Workspace& ws() { return main_->workspace(); }
    // The main window becomes the active window again, as it does on the
    // desktop when a message box closes.
    void reactivate() { QApplication::setActiveWindow(main_.get()); }
    QList<TRuvo_Sub_Form*> views() { return main_->view_windows(); }

    // Opens a view from a list, as a double-click does, and returns it.
    TRuvo_Sub_Form* open(const char* list, int row = 0) {
        double_click_row(list_of(*main_, list), row);
        return views().isEmpty() ? nullptr : views().last();
    }
    TRuvo_Sub_Form* open_grid() { return open("GridListBox"); }
    TRuvo_Sub_Form* open_vectors() { return open("VectorListBox"); }
    TRuvo_Sub_Form* open_scalars(int row = 0) { return open("ScalarListBox", row); }

    void activate(TRuvo_Sub_Form* view) { view->mdiArea()->setActiveSubWindow(view); }

    View_Info& record(const TRuvo_Sub_Form* view) { return ws().views.at(view->slot()); }

    QAction* item(const TRuvo_Sub_Form* view, const char* name) {
        auto* action = view->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QMenu* menu(const TRuvo_Sub_Form* view, const char* name) {
        return view->findChild<QMenu*>(QString::fromLatin1(name));
    }

    // A key combination pressed in the main window: the menu bar's shortcuts.
    void press(QKeyCombination keys) { QTest::keyClick(main_.get(), keys.key(), keys.keyboardModifiers()); }

    // Redraws since the last call.
    int redraws() {
        const int count = static_cast<int>(redraws_->count());
        redraws_->clear();
        return count;
    }

    template <typename T = TTrackBarEx>
    T* control(const char* name) {
        auto* widget = main_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString number(const char* name) { return control<QLineEdit>(name)->text(); }

    // The bars of the groups shown, in the panel's order. Each group's label
    // and number field show and hide with its bar.
    QStringList shown_bars() {
        static const char* const kGroups[][3] = {
            {"Magnification", "MagnificationBar", "MagniNumber"},
            {"ScalarLineNumber", "ScalarLineNumberBar", "LineNumber"},
            {"SBDivided", "SBDividedNumberBar", "SBDividedNumber"},
            {"XGridStep", "XGridStepBar", "XGridStepNumber"},
            {"XStep", "XStepBar", "XStepNumber"},
            {"YGridStep", "YGridStepBar", "YGridStepNumber"},
            {"YStep", "YStepBar", "YStepNumber"},
            {"VectorLength", "VectorLengthBar", "Length"},
            {"XPosLabel", "XPosBar", "XPosEdit"},
            {"YPosLabel", "YPosBar", "YPosEdit"},
        };
        QStringList shown;
        for (const auto& group : kGroups) {
            const bool bar = control<QWidget>(group[1])->isVisible();
            EXPECT_EQ(control<QWidget>(group[0])->isVisible(), bar) << group[0];
            EXPECT_EQ(control<QWidget>(group[2])->isVisible(), bar) << group[2];
            if (bar) shown << QString::fromLatin1(group[1]);
        }
        return shown;
    }

    QTemporaryDir dir_;
    QString grid_, vector_, scalar_, other_scalar_, project_;
    std::unique_ptr<TRuvo_Main_Form> main_;
    std::unique_ptr<QSignalSpy> redraws_;
};

}  // namespace ruvo::test
