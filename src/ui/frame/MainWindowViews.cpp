// The main window's side of the view windows: the redraw dispatcher, the
// status dump, and what the panels, buttons and menus show of the views'
// life.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>

#include <optional>

#include "Workspace.h"
#include "plot/Renderer.h"
#include "ui/Messages.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/FollowControl.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MenuShortcuts.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/StatusBindings.h"
#include "ui/frame/StatusDump.h"
#include "ui/frame/ViewCommands.h"
#include "ui/frame/ViewProbe.h"
#include "ui/frame/ViewWindows.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/LayoutRules.h"
#include "view/Magnify.h"
#include "view/ViewFields.h"

namespace ruvo {

QList<TRuvo_Sub_Form*> TRuvo_Main_Form::view_windows() const { return views_->view_windows(); }

TRuvo_Sub_Form* TRuvo_Main_Form::current_view() const { return views_->current_view(); }

void TRuvo_Main_Form::close_all_views() { views_->close_all_views(); }

QSize TRuvo_Main_Form::view_space() const {
    const QWidget* client = centralWidget();
    return {client->width() - RightStatusBar->width(),
            client->height() - ToolBar->height() - BottomStatusBar->height()};
}

void TRuvo_Main_Form::Redraw() {
    TRuvo_Sub_Form* view = current_view();
    if (!view) return;
    // A new magnification keeps the middle of what the window shows in the middle.
    const std::optional<QPointF> centre = view->visible_centre();
    const RenderResult drawn = render_view(*ws_, view->slot(), view->image()->picture(), *progress_, *status_boxes_);
    view->image()->picture_changed();
    view->fit_to_image(view_space());
    if (centre) view->centre_on(*centre);
    emit redrawn();
    if (!drawn.ok()) Memo3->appendPlainText(drawn.reason);
    switch (drawn.failure) {
    case RenderFailure::None: Status_Refresh(); break;
    case RenderFailure::AllZeroVectors:
        warning_box(this, messages::kAllZeroVectors);
        project_->close_after_prompt_later();
        break;
    case RenderFailure::Geometry:
    case RenderFailure::Numeric: warning_box(this, messages::kRedrawError); break;
    }
}

void TRuvo_Main_Form::Status_Refresh() {
    ws_->probe.skip_erase = true;
    const int slot = ws_->views.current_active_window;
    if (slot < 1 || slot > kMaxViews) return;
    const View_Info& view = ws_->views.at(slot);
    Memo1->setPlainText(view_dump_lines(slot, view).join(u'\n'));
    for (const QString& line : ws_->layout_log.lines()) Memo2->appendPlainText(line);
    ws_->layout_log.clear();
    Memo2->appendPlainText(range_log_lines(view).join(u'\n'));
    Memo3->appendPlainText(table_log_lines(ws_->views).join(u'\n'));
}

// What a new view window tells the parts other than its own.
void TRuvo_Main_Form::connect_view(TRuvo_Sub_Form* view) {
    connect(view, &TRuvo_Sub_Form::deactivated, probe_, [this](TRuvo_Sub_Form* left) { probe_->view_left(*left); });
    connect(view, &TRuvo_Sub_Form::mouse_moved, probe_, &ViewProbe::mouse_moved);
    connect(view, &TRuvo_Sub_Form::mouse_pressed, probe_, &ViewProbe::mouse_pressed);
    connect(view, &TRuvo_Sub_Form::key_pressed, probe_, &ViewProbe::key_pressed);
    connect(view, &TRuvo_Sub_Form::key_select_chosen, probe_, &ViewProbe::key_select_chosen);
    connect(view, &TRuvo_Sub_Form::exit_requested, this, &QWidget::close);
    connect(view, &TRuvo_Sub_Form::sequential_requested, this, &TRuvo_Main_Form::Sequential_Change_SaveClick);
    connect(view, &TRuvo_Sub_Form::magnification_chosen, this, [this](TRuvo_Sub_Form* chosen, int magni) {
        if (chosen == current_view()) set_magnification_preset(magni);
    });
    connect(view, &TRuvo_Sub_Form::zoom_requested, this, &TRuvo_Main_Form::zoom_view);
    commands_->connect_view(view);
    connect(view, &TRuvo_Sub_Form::follow_mode_chosen, follow_, &FollowControl::show_setup);
    // Keys a view window's items share with the panel's mnemonics go to the items.
    for (QAction* action : view->actions_of_menus()) menus_first_->watch(action);
}

// The panel shows the values of the view made current and the groups and
// items of its kind, and its menus join the menu bar.
void TRuvo_Main_Form::view_activated(TRuvo_Sub_Form& view) {
    probe_->show_key_mode(KeyModeShade::Ended);
    const View_Info& record = ws_->views.at(view.slot());
    control_panel_->show_magnification(record.magni);
    const ViewFields fields = view_fields(ws_->store, record);
    std::array<QString, 7> sources;  // Edit5..Edit7: Vx, Vy, S
    sources[4] = sources[5] = fields.current_vectors().file_name;
    sources[6] = fields.current_scalars().file_name;
    status_boxes_->name_sources(sources);
    commands_->apply_layout(view, activation_layout(record));
    merge_menus();
    Status_Refresh();
}

void TRuvo_Main_Form::set_magnification_preset(int magni) { control_panel_->set_magnification_preset(magni); }

void TRuvo_Main_Form::zoom_view(TRuvo_Sub_Form* view, int steps, QPoint pixel) {
    if (view != current_view() || !control_panel_->magnification_enabled()) return;
    const int slot = view->slot();
    const int magni = magnify_by_ticks(ws_->magnification_of(slot), steps);
    if (magni == ws_->magnification_of(slot)) return;
    const PlotState before = mapping_of(ws_->views.at(slot));
    const bool laid_out = before.x_scale != 0.0 && before.y_scale != 0.0;
    const QPointF under_pointer = laid_out ? grid_point_at(before, pixel) : QPointF();
    const QPoint place = view->shown_at(pixel);
    set_magnification_preset(magni);
    if (laid_out) view->show_at(mapping_of(ws_->views.at(slot)).pixel(under_pointer), place);
}

// While a view is active its File menu stands in for the main window's and
// its other menus stand between the Project and Window menus.
void TRuvo_Main_Form::merge_menus() {
    const TRuvo_Sub_Form* view = current_view();
    QList<QAction*> menus{view ? view->file_menu()->menuAction() : File_Main->menuAction(), Project_Main->menuAction()};
    if (view) {
        for (QMenu* menu : view->view_menus()) menus << menu->menuAction();
    }
    menus << Window_Main->menuAction() << Help_Main->menuAction();
    commands_->merge_unlisted_keys(view);
    QMenuBar* bar = menuBar();
    if (bar->actions() == menus) return;
    for (QAction* menu : bar->actions()) bar->removeAction(menu);
    bar->addActions(menus);
}

void TRuvo_Main_Form::view_shown() {
    SaveOvewriteSB->setEnabled(!ws_->sequential_mode);
    set_view_buttons_enabled(true);
    if (!ws_->fixed_size_mode) control_panel_->enable_magnification(true);
}

// The speed buttons and the Window menu that need a view window.
void TRuvo_Main_Form::set_view_buttons_enabled(bool enabled) {
    PrintSB->setEnabled(enabled);
    FollowSB->setEnabled(enabled && !ws_->sequential_mode);
    const bool magnify = enabled && !ws_->fixed_size_mode;
    MagniUpSB->setEnabled(magnify);
    MagniDownSB->setEnabled(magnify);
    WholeShowSB->setEnabled(magnify);
    if (Window_Main) Window_Main->menuAction()->setEnabled(enabled);
}

void TRuvo_Main_Form::view_closed() {
    if (ws_->views.info_number_max == 0) {
        set_view_buttons_enabled(false);
        control_panel_->reset();
    }
    merge_menus();
}

}  // namespace ruvo
