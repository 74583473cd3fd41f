#include <gtest/gtest.h>

#include <QActionGroup>
#include <QImage>

#include "ViewTestFixture.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "ui/Messages.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using test::ModalScript;
using test::text;

class ViewMenusTest : public test::ViewFixture {
protected:
    // The menus of the menu bar, by name.
    QStringList menu_bar() {
        QStringList names;
        for (QAction* entry : main_->menuBar()->actions()) names << entry->menu<QMenu*>()->objectName();
        return names;
    }
    bool menu_bar_shows(const TRuvo_Sub_Form* view) {
        for (QAction* entry : main_->menuBar()->actions()) {
            if (entry->menu<QMenu*>() == menu(view, "Show_Sub")) return true;
        }
        return false;
    }
    bool enabled(const TRuvo_Sub_Form* view, const char* name) {
        if (QMenu* submenu = menu(view, name)) return submenu->menuAction()->isEnabled();
        return item(view, name)->isEnabled();
    }
    bool checked(const TRuvo_Sub_Form* view, const char* name) { return item(view, name)->isChecked(); }
    QStringList checked_kinds(const TRuvo_Sub_Form* view) {
        QStringList kinds;
        for (const char* name : {"View_Cntr_Switch", "View_Cntr_Beta_Switch", "View_Cntr_KEpsilon_Switch",
                                 "View_Cntr_Column_Switch", "View_Cntr_Row_Switch", "View_Cntr_Detail_Switch"}) {
            if (checked(view, name)) kinds << QString::fromLatin1(name);
        }
        return kinds;
    }
};

TEST_F(ViewMenusTest, TheActiveViewsMenusJoinTheMenuBarAndLeaveItWithTheLastView) {
    const QStringList own{"File_Main", "Project_Main", "Window_Main", "Help_Main"};
    const QStringList merged{"File_Sub",   "Project_Main", "Edit_Sub", "Show_Sub",
                             "Option_Sub", "Window_Main",  "Help_Main"};
    EXPECT_EQ(menu_bar(), own);

    TRuvo_Sub_Form* first = open_grid();
    EXPECT_EQ(menu_bar(), merged);
    EXPECT_TRUE(menu_bar_shows(first));

    TRuvo_Sub_Form* second = open_scalars();
    EXPECT_EQ(menu_bar(), merged);
    EXPECT_TRUE(menu_bar_shows(second));
    EXPECT_FALSE(menu_bar_shows(first));

    activate(first);
    EXPECT_TRUE(menu_bar_shows(first));
    auto* window_menu = main_->findChild<QMenu*>(QStringLiteral("Window_Main"));
    emit window_menu->aboutToShow();
    QStringList marked;
    for (QAction* entry : window_menu->actions()) {
        if (entry->isChecked()) marked << entry->text();
    }
    EXPECT_EQ(marked, QStringList{"&1 " + grid_});

    // The view's own File menu closes it.
    item(first, "Close_File")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(views(), QList<TRuvo_Sub_Form*>{second});
    EXPECT_TRUE(menu_bar_shows(second));
    item(second, "Close_All_File")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(views().isEmpty());
    EXPECT_EQ(menu_bar(), own);

    item(open_grid(), "Exit_Ruvo")->trigger();
    EXPECT_FALSE(main_->isVisible());
}

TEST_F(ViewMenusTest, ItemsStartAsDesignedAndDisabledMenusStopTheirShortcuts) {
    TRuvo_Sub_Form* view = open_grid();
    for (const char* name : {"CopyArea", "Undo", "KT2", "KE1"}) EXPECT_FALSE(enabled(view, name)) << name;
    for (const char* name : {"View_Cntr_Neglect_Up", "View_Cntr_Neglect_Down"}) {
        EXPECT_FALSE(item(view, name)->isVisible()) << name;
    }
    for (const char* name : {"Beta_Color_Gray_Switch", "View_Cntr_SwitchAxis", "View_Cntr_Point_Switch",
                             "View_Cntr_MinDefault", "View_Cntr_MaxDefault"}) {
        EXPECT_FALSE(enabled(view, name)) << name;
    }
    EXPECT_TRUE(item(view, "View_Cntr_Switch")->actionGroup()->isExclusive());
    EXPECT_EQ(item(view, "View_Cntr_Switch")->actionGroup()->actions().size(), 6);
    EXPECT_EQ(item(view, "X_Dot_Mode")->actionGroup(), nullptr);
    EXPECT_TRUE(item(view, "X_Dot_Mode")->isCheckable());
    EXPECT_EQ(item(view, "View_Cntr_Row_Switch")->text(), text(messages::kViewCntrRowSwitch));
    EXPECT_EQ(item(view, "Beta_Color_Gray_Switch")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_G));

    // The scalar menu of a grid view is disabled, and with it the kind's shortcuts.
    EXPECT_FALSE(enabled(view, "Scalar_Property"));
    redraws();
    press(Qt::Key_F3);
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_EQ(record(view).ScalarViewType, kContourView);
    EXPECT_FALSE(record(view).Vector_Overlap);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ViewMenusTest, EachKindItemSwitchesTheViewAndTheKindShownDoesNothing) {
    TRuvo_Sub_Form* view = open_scalars();
    const std::tuple<QKeyCombination, const char*, std::uint8_t> kinds[] = {
        {Qt::Key_F3, "View_Cntr_Beta_Switch", kFillView},     {Qt::Key_F5, "View_Cntr_KEpsilon_Switch", kKEpsilonView},
        {Qt::Key_F6, "View_Cntr_Column_Switch", kColumnView}, {Qt::Key_F7, "View_Cntr_Row_Switch", kRowView},
        {Qt::Key_F8, "View_Cntr_Detail_Switch", kDetailView}, {Qt::Key_F2, "View_Cntr_Switch", kContourView},
    };
    redraws();
    for (const auto& [key, name, kind] : kinds) {
        SCOPED_TRACE(name);
        press(key);
        EXPECT_EQ(record(view).ScalarViewType, kind);
        EXPECT_EQ(checked_kinds(view), QStringList{name});
        EXPECT_EQ(redraws(), 1);

        const View_Info before = record(view);
        const qint64 picture = view->image()->picture().cacheKey();
        item(view, name)->trigger();  // the kind shown, from the menu
        EXPECT_EQ(redraws(), 0);
        EXPECT_EQ(record(view).Detail_Axis, before.Detail_Axis);
        EXPECT_EQ(view->image()->picture().cacheKey(), picture);
        EXPECT_EQ(checked_kinds(view), QStringList{name});
    }
}

TEST_F(ViewMenusTest, NumbersOnThePlotAreTheViewsOwnSwitch) {
    TRuvo_Sub_Form* view = open_scalars();
    redraws();
    item(view, "View_Cntr_Label_Switch")->trigger();
    EXPECT_TRUE(record(view).numbers_on_plot);
    EXPECT_TRUE(checked(view, "View_Cntr_Label_Switch"));
    press(Qt::Key_F3);  // the fill keeps it
    EXPECT_TRUE(checked(view, "View_Cntr_Label_Switch"));
    item(view, "View_Cntr_Label_Switch")->trigger();
    EXPECT_FALSE(record(view).numbers_on_plot);
    EXPECT_EQ(redraws(), 3);
}

TEST_F(ViewMenusTest, ColourBrokenAndGreySwitchesToggleTheirFlagAndRedraw) {
    TRuvo_Sub_Form* view = open_scalars();
    redraws();
    press(Qt::Key_C);
    EXPECT_TRUE(record(view).Color);
    EXPECT_TRUE(checked(view, "View_Cntr_Color_Switch"));
    item(view, "View_Cntr_Broken_Switch")->trigger();
    EXPECT_TRUE(record(view).Broken);
    EXPECT_TRUE(checked(view, "View_Cntr_Broken_Switch"));
    press(Qt::Key_C);
    EXPECT_FALSE(record(view).Color);
    EXPECT_FALSE(checked(view, "View_Cntr_Color_Switch"));
    EXPECT_EQ(redraws(), 3);

    // Grey belongs to the fill view; the contour switches do not.
    EXPECT_FALSE(enabled(view, "Beta_Color_Gray_Switch"));
    press(Qt::Key_F3);
    EXPECT_TRUE(enabled(view, "Beta_Color_Gray_Switch"));
    EXPECT_FALSE(enabled(view, "View_Cntr_Color_Switch"));
    redraws();
    press(Qt::ALT | Qt::Key_G);
    EXPECT_TRUE(record(view).Gray);
    EXPECT_EQ(redraws(), 1);
    press(Qt::Key_C);
    EXPECT_FALSE(record(view).Color);
    EXPECT_EQ(redraws(), 0);
}

// Alt+G is also the grid list's mnemonic and Alt+V the vector list's; Qt
// would hand such a key to each owner in turn.
TEST_F(ViewMenusTest, KeysSharedWithThePanelsMnemonicsGoToTheMenus) {
    TRuvo_Sub_Form* view = open_scalars();
    press(Qt::Key_F3);
    redraws();
    press(Qt::ALT | Qt::Key_G);
    press(Qt::ALT | Qt::Key_G);
    EXPECT_FALSE(record(view).Gray);
    EXPECT_EQ(redraws(), 2);

    for (int n = 0; n < 2; ++n) {
        press(Qt::ALT | Qt::Key_V);
        EXPECT_EQ(main_->menuBar()->activeAction(), menu(view, "Show_Sub")->menuAction()) << n;
        EXPECT_NE(QApplication::focusWidget(), test::list_of(*main_, "VectorListBox"));
        menu(view, "Show_Sub")->hide();
        main_->menuBar()->setActiveAction(nullptr);
        reactivate();
    }
}

TEST_F(ViewMenusTest, ContourAndFillOverlapShowsTheOtherKindsGroup) {
    TRuvo_Sub_Form* view = open_scalars();
    redraws();
    press(Qt::CTRL | Qt::Key_F2);
    EXPECT_TRUE(record(view).Cntr_Overlap);
    EXPECT_TRUE(checked(view, "Cntr_Overlap_Switch"));
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "ScalarLineNumberBar", "SBDividedNumberBar"}));
    EXPECT_EQ(number("SBDividedNumber"), "255");
    EXPECT_EQ(redraws(), 1);

    press(Qt::Key_F3);  // the fill view shows the contour count beside its bands
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "ScalarLineNumberBar", "SBDividedNumberBar"}));
    press(Qt::CTRL | Qt::Key_F2);
    EXPECT_FALSE(record(view).Cntr_Overlap);
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "SBDividedNumberBar"}));
}

TEST_F(ViewMenusTest, VectorOverlapWarnsUntilItsArrowsHaveBeenRead) {
    TRuvo_Sub_Form* view = open_scalars();
    const auto refused = [&] {
        ModalScript script;
        script.then(test::press(QMessageBox::Ok));
        press(Qt::CTRL | Qt::Key_V);
        reactivate();
        return script.finished() && script.messages() == QStringList{text(messages::kNoVectorsToOverlap)};
    };
    redraws();
    EXPECT_TRUE(refused());
    EXPECT_FALSE(record(view).Vector_Overlap);
    EXPECT_FALSE(checked(view, "Vector_Overlap_Switch"));
    EXPECT_EQ(redraws(), 0);

    open_vectors();
    activate(view);
    redraws();
    press(Qt::CTRL | Qt::Key_V);
    EXPECT_TRUE(record(view).Vector_Overlap);
    EXPECT_TRUE(checked(view, "Vector_Overlap_Switch"));
    EXPECT_TRUE(enabled(view, "Vector_Property"));
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "ScalarLineNumberBar", "XGridStepBar", "YGridStepBar",
                                         "VectorLengthBar"}));
    EXPECT_EQ(redraws(), 1);

    // The second scalar file overlays the second vector slot, which holds
    // no file: refused, instead of arrows drawn from zeros closing the project.
    TRuvo_Sub_Form* second = open_scalars(1);
    redraws();
    EXPECT_TRUE(refused());
    EXPECT_FALSE(record(second).Vector_Overlap);
    EXPECT_EQ(redraws(), 0);
    EXPECT_EQ(views().size(), 3);
}

// In a contour view with arrows over it, the dot-mode items keep the
// view's own groups and swap only the arrows' step groups.
TEST_F(ViewMenusTest, DotModesSwapTheStepGroupsOfVectorAndOverlaidViews) {
    TRuvo_Sub_Form* arrows = open_vectors();
    redraws();
    press(Qt::CTRL | Qt::Key_D);
    EXPECT_FALSE(record(arrows).x_grid_mode);
    EXPECT_TRUE(checked(arrows, "X_Dot_Mode"));
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "XStepBar", "YGridStepBar", "VectorLengthBar"}));
    EXPECT_EQ(redraws(), 1);

    TRuvo_Sub_Form* contour = open_scalars();
    press(Qt::CTRL | Qt::Key_D);  // the arrows' menu is disabled without arrows
    EXPECT_TRUE(record(contour).x_grid_mode);
    press(Qt::CTRL | Qt::Key_V);
    press(Qt::CTRL | Qt::Key_J);
    EXPECT_FALSE(record(contour).y_grid_mode);
    EXPECT_TRUE(checked(contour, "Y_Dot_Mode"));
    EXPECT_TRUE(enabled(contour, "Scalar_Property"));
    EXPECT_EQ(shown_bars(),
              (QStringList{"MagnificationBar", "ScalarLineNumberBar", "XGridStepBar", "YStepBar", "VectorLengthBar"}));
}

TEST_F(ViewMenusTest, TheSwapTurnsRowAndColumnViewsIntoEachOther) {
    TRuvo_Sub_Form* view = open_scalars();
    record(view).XPos = 3;
    record(view).YPos = 2;
    press(Qt::Key_F7);
    EXPECT_FALSE(record(view).Detail_Axis);
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "VectorLengthBar", "YPosBar"}));
    EXPECT_EQ(control("YPosBar")->value(), 2);

    redraws();
    press(Qt::Key_Z);
    EXPECT_EQ(record(view).ScalarViewType, kColumnView);
    EXPECT_TRUE(record(view).Detail_Axis);
    EXPECT_EQ(checked_kinds(view), QStringList{"View_Cntr_Column_Switch"});
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "VectorLengthBar", "XPosBar"}));
    EXPECT_EQ(control("XPosBar")->value(), 3);
    EXPECT_EQ(number("XPosEdit"), "2");  // zero-based
    EXPECT_EQ(redraws(), 1);

    item(view, "View_Cntr_SwitchAxis")->trigger();
    EXPECT_EQ(record(view).ScalarViewType, kRowView);
    EXPECT_FALSE(record(view).Detail_Axis);
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "VectorLengthBar", "YPosBar"}));
    EXPECT_EQ(redraws(), 1);

    press(Qt::Key_F8);  // in the Detail view the swap turns its axis
    press(Qt::Key_Z);
    EXPECT_EQ(record(view).ScalarViewType, kDetailView);
    EXPECT_TRUE(record(view).Detail_Axis);
    EXPECT_EQ(shown_bars(), (QStringList{"MagnificationBar", "VectorLengthBar", "XPosBar"}));
}

TEST_F(ViewMenusTest, OptionSwitchesToggleTheirFlagAndFallBackToTheDetailView) {
    TRuvo_Sub_Form* view = open_scalars();
    press(Qt::Key_F7);
    EXPECT_FALSE(enabled(view, "View_Cntr_Point_Switch"));
    redraws();
    press(Qt::Key_T);  // the other axis, enabled in the Row view
    EXPECT_TRUE(record(view).YAxis);
    EXPECT_EQ(record(view).ScalarViewType, kDetailView);
    EXPECT_TRUE(checked(view, "View_Cntr_YAxis_Switch"));
    EXPECT_EQ(checked_kinds(view), QStringList{"View_Cntr_Detail_Switch"});
    EXPECT_TRUE(enabled(view, "View_Cntr_Point_Switch"));
    EXPECT_EQ(redraws(), 1);

    press(Qt::Key_O);
    EXPECT_TRUE(record(view).Detail_Point);
    EXPECT_TRUE(checked(view, "View_Cntr_Point_Switch"));
    press(Qt::Key_U);
    EXPECT_TRUE(record(view).YScale);
    press(Qt::Key_A);  // the scale per line leaves no place for the arrow-length bar
    EXPECT_TRUE(record(view).AutoScale);
    EXPECT_TRUE(checked(view, "View_Cntr_AutoScale_Switch"));
    EXPECT_FALSE(shown_bars().contains("VectorLengthBar"));
    press(Qt::Key_A);
    EXPECT_TRUE(shown_bars().contains("VectorLengthBar"));
    EXPECT_EQ(redraws(), 4);
    EXPECT_EQ(record(view).ScalarViewType, kDetailView);
}

TEST_F(ViewMenusTest, TheGridOverlayIsDrawnOverThePictureAndRemovedByARedraw) {
    TRuvo_Sub_Form* view = open_scalars();
    const QImage contours = view->image()->picture().copy();
    redraws();

    press(Qt::CTRL | Qt::Key_G);
    EXPECT_TRUE(record(view).show_grid);
    EXPECT_TRUE(checked(view, "Grid_Overlap_Show"));
    EXPECT_EQ(redraws(), 0);
    const QImage& overlaid = view->image()->picture();
    ASSERT_EQ(overlaid.size(), contours.size());
    int kept = 0, added = 0;
    for (int y = 0; y < contours.height(); ++y) {
        for (int x = 0; x < contours.width(); ++x) {
            const bool before = contours.pixel(x, y) != qRgb(255, 255, 255);
            const bool after = overlaid.pixel(x, y) != qRgb(255, 255, 255);
            EXPECT_TRUE(!before || after) << "cleared at " << x << "," << y;
            kept += before && after;
            added += !before && after;
        }
    }
    EXPECT_GT(kept, 0);
    EXPECT_GT(added, 0);

    press(Qt::CTRL | Qt::Key_G);
    EXPECT_FALSE(record(view).show_grid);
    EXPECT_FALSE(checked(view, "Grid_Overlap_Show"));
    EXPECT_EQ(redraws(), 1);
    EXPECT_EQ(view->image()->picture(), contours);

    // Line plots have no grid to overlay.
    press(Qt::Key_F7);
    EXPECT_FALSE(enabled(view, "Grid_Overlap_Show"));
    redraws();
    press(Qt::CTRL | Qt::Key_G);
    EXPECT_FALSE(record(view).show_grid);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ViewMenusTest, ClosedGridShowIsOneFlagWhileEachWindowKeepsItsMark) {
    TRuvo_Sub_Form* first = open_grid();
    TRuvo_Sub_Form* second = open_scalars();
    redraws();

    press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_TRUE(ws().store.closed_grid_show);
    EXPECT_TRUE(checked(second, "Closed_Grid_Show"));
    EXPECT_FALSE(checked(first, "Closed_Grid_Show"));
    EXPECT_EQ(redraws(), 1);

    // The other window's unchecked item sets the flag again, and checks itself.
    activate(first);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_TRUE(ws().store.closed_grid_show);
    EXPECT_TRUE(checked(first, "Closed_Grid_Show"));
    EXPECT_EQ(redraws(), 1);

    activate(second);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_FALSE(ws().store.closed_grid_show);
    EXPECT_FALSE(checked(second, "Closed_Grid_Show"));
    EXPECT_TRUE(checked(first, "Closed_Grid_Show"));
}

TEST_F(ViewMenusTest, ShowAllRestoresTheWholeAreaInEveryKindOfView) {
    for (const char* list : {"GridListBox", "ScalarListBox"}) {
        View_Info& area = record(open(list));
        area.x_start = 2;
        area.y_end = 3;
        area.pre_x_start = 3;
        redraws();
        press(Qt::CTRL | Qt::Key_W);
        EXPECT_EQ(area.x_start, 1);
        EXPECT_EQ(area.y_start, 1);
        EXPECT_EQ(area.x_end, kNi);
        EXPECT_EQ(area.y_end, kNj);
        EXPECT_EQ(area.pre_x_start, 3);
        EXPECT_EQ(area_of(ws().views.current()).x_end, kNi);
        EXPECT_EQ(redraws(), 1);
    }
}

TEST_F(ViewMenusTest, PopupPresetsSetTheMagnificationAndTheWholeAreaItemActs) {
    TRuvo_Sub_Form* view = open_grid();
    auto* popup = menu(view, "PopupMenu");
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(item(view, "Pre_Area")->isEnabled());
    redraws();

    item(view, "Ratio_150")->trigger();
    EXPECT_EQ(record(view).magni, 150);
    EXPECT_EQ(control("MagnificationBar")->value(), 150);
    EXPECT_EQ(number("MagniNumber"), "1.5");
    EXPECT_EQ(control<QWidget>("Magnification")->property("text").toString(), text(messages::kMagnificationCommitted));
    EXPECT_EQ(view->image()->picture().width(), 750);
    EXPECT_EQ(redraws(), 1);

    record(view).x_start = 2;
    item(view, "All_Area")->trigger();
    EXPECT_EQ(record(view).x_start, 1);
    EXPECT_EQ(redraws(), 1);
}

TEST_F(ViewMenusTest, EachKindOfViewShowsItsGroupsAndItems) {
    struct Kind {
        const char* name;
        std::function<void()> reach;
        QStringList bars;
        QStringList enabled, disabled, checked;
    };
    const Kind kinds[] = {
        {"grid",
         [this] { open_grid(); },
         {"MagnificationBar"},
         {"Show_All"},
         {"Vector_Property", "Scalar_Property", "Grid_Overlap_Show"},
         {}},
        {"vector",
         [this] { open_vectors(); },
         {"MagnificationBar", "XGridStepBar", "YGridStepBar", "VectorLengthBar"},
         {"Vector_Property", "Grid_Overlap_Show"},
         {"Scalar_Property"},
         {}},
        {"contour",
         [this] { open_scalars(); },
         {"MagnificationBar", "ScalarLineNumberBar"},
         {"Scalar_Property", "View_Cntr_Color_Switch", "Scalar_Line_Width", "Cntr_Overlap_Switch", "View_Cntr_MinUp",
          "Grid_Overlap_Show"},
         {"Vector_Property", "Beta_Color_Gray_Switch", "View_Cntr_SwitchAxis", "View_Cntr_MinDefault"},
         {"View_Cntr_Switch"}},
        {"fill",
         [this] { press(Qt::Key_F3); },
         {"MagnificationBar", "SBDividedNumberBar"},
         {"Beta_Color_Gray_Switch", "View_Cntr_MaxDown", "Grid_Overlap_Show"},
         {"View_Cntr_Color_Switch", "Scalar_Line_Width", "View_Cntr_Point_Switch"},
         {"View_Cntr_Beta_Switch"}},
        {"K-e",
         [this] { press(Qt::Key_F5); },
         {"MagnificationBar", "XGridStepBar", "VectorLengthBar"},
         {"Grid_Overlap_Show"},
         {"Cntr_Overlap_Switch", "View_Cntr_MinUp", "View_Cntr_SwitchAxis"},
         {"View_Cntr_KEpsilon_Switch"}},
        {"Row",
         [this] { press(Qt::Key_F7); },
         {"MagnificationBar", "VectorLengthBar", "YPosBar"},
         {"View_Cntr_SwitchAxis", "View_Cntr_YAxis_Switch"},
         {"View_Cntr_Point_Switch", "Grid_Overlap_Show", "Vector_Overlap_Switch"},
         {"View_Cntr_Row_Switch"}},
        {"Column",
         [this] { press(Qt::Key_F6); },
         {"MagnificationBar", "VectorLengthBar", "XPosBar"},
         {"View_Cntr_SwitchAxis", "View_Cntr_YAxis_Switch"},
         {"View_Cntr_AutoScale_Switch", "Grid_Overlap_Show"},
         {"View_Cntr_Column_Switch"}},
        {"Detail",
         [this] { press(Qt::Key_F8); },
         {"MagnificationBar", "VectorLengthBar", "XPosBar"},
         {"View_Cntr_SwitchAxis", "View_Cntr_Point_Switch", "View_Cntr_AutoScale_Switch", "View_Cntr_YScale_Switch"},
         {"Grid_Overlap_Show", "View_Cntr_MinUp", "Cntr_Overlap_Switch"},
         {"View_Cntr_Detail_Switch"}},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        kind.reach();
        TRuvo_Sub_Form* view = views().last();
        EXPECT_EQ(shown_bars(), kind.bars);
        EXPECT_TRUE(control<QWidget>("MagnificationBar")->isEnabled());
        for (const QString& name : kind.enabled) EXPECT_TRUE(enabled(view, qPrintable(name))) << qPrintable(name);
        for (const QString& name : kind.disabled) EXPECT_FALSE(enabled(view, qPrintable(name))) << qPrintable(name);
        if (record(view).FileType == kScalarView) {
            EXPECT_EQ(checked_kinds(view), kind.checked);
        }
    }
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

// The command line reaches a view the core's one way (open, activate,
// draw); for every kind the picture is the window's.
TEST_F(ViewMenusTest, TheCommandLinesWayToAViewDrawsTheWindowsPicture) {
    const std::tuple<const char*, FileKind, Qt::Key> kinds[] = {
        {"GridListBox", FileKind::Grid, Qt::Key_unknown},     {"VectorListBox", FileKind::Vector, Qt::Key_unknown},
        {"ScalarListBox", FileKind::Scalar, Qt::Key_unknown}, {"ScalarListBox", FileKind::Scalar, Qt::Key_F3},
        {"ScalarListBox", FileKind::Scalar, Qt::Key_F5},      {"ScalarListBox", FileKind::Scalar, Qt::Key_F6},
        {"ScalarListBox", FileKind::Scalar, Qt::Key_F7},      {"ScalarListBox", FileKind::Scalar, Qt::Key_F8}};
    for (const auto& [list, kind, key] : kinds) {
        TRuvo_Sub_Form* view = open(list);
        if (key != Qt::Key_unknown) press(key);
        auto cli = std::make_unique<Workspace>();
        load_project(*cli, project_);
        const int slot = open_view(*cli, kind, 0).slot;
        cli->views.at(slot) = record(view);
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        ASSERT_TRUE(render_view(*cli, slot, image, progress, status).ok()) << list << key;
        EXPECT_EQ(image, view->image()->picture()) << list << key;
    }
}

}  // namespace
}  // namespace ruvo
