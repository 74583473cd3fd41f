// The main window's view windows: opening them from the file lists, the
// redraw dispatcher, the status panel, activation and closing, the Window menu.

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

#include <optional>

#include "Workspace.h"
#include "data/FileNames.h"
#include "plot/Renderer.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MenuShortcuts.h"
#include "ui/Messages.h"
#include "ui/ReadDetail.h"
#include "ui/frame/StatusBindings.h"
#include "ui/frame/StatusDump.h"
#include "ui/viewwindow/ViewWindow.h"
#include "ui/frame/WindowLayout.h"
#include "view/DisplaySwitches.h"
#include "view/LayoutRules.h"
#include "view/Probe.h"
#include "view/ViewActivation.h"
#include "view/ViewOpening.h"

namespace ruvo {

namespace {

const char* refusal_text(OpenRefusal refusal) {
    switch (refusal) {
    case OpenRefusal::TooManyViews: return messages::kTooManyViews;
    case OpenRefusal::TooManyNames: return messages::kTooManyNames;
    case OpenRefusal::NoDataSlot: return messages::kNoDataSlot;
    case OpenRefusal::None:
    case OpenRefusal::NoSuchFile: break;
    }
    return nullptr;
}

// A read that failed gives its kind's message; a file that ends early is
// drawn as read, with zeros for the rest, and also says how far it got.
void warn_read(QWidget* parent, const ReadResult& read, int header_nodes) {
    QString message = QString::fromUtf8(messages::read_error(read.kind));
    if (read.ok()) message += u'\n' + read_detail_text(read, header_nodes);
    QMessageBox::warning(parent, QString::fromUtf8(messages::kWarningTitle), message);
}

}  // namespace

void TRuvo_Main_Form::open_selected(QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return;
    const int position = list->row(selected.first());
    const FileKind kind = list == GridListBox     ? FileKind::Grid
                          : list == VectorListBox ? FileKind::Vector
                                                  : FileKind::Scalar;
    open_view_window(kind, position);
}

// The opening sequence of a view: the core takes the slot, reads a new base
// name and initialises the record; the window shows it and draws it.
void TRuvo_Main_Form::open_view_window(FileKind kind, int position) {
    // The view shown so far is left before the new one takes its place.
    TRuvo_Sub_Form* leaving = current_view();
    if (leaving) leaving->FormDeactivate();
    const OpenViewResult opened = open_view(*ws_, kind, position);
    if (!opened.ok()) {
        if (leaving) leaving->FormActivate();
        if (const char* refusal = refusal_text(opened.refusal)) warn(refusal);
        return;
    }
    auto* view = new TRuvo_Sub_Form(opened.slot, opened.caption);
    connect_view(view);
    mdi_area_->addSubWindow(view);
    view->show();
    mdi_area_->setActiveSubWindow(view);
    // The new view is current already; its window shows its layout now,
    // whether or not the area activated it (it does so only while the frame
    // is active).
    view->FormActivate();
    // A last line without its line end is no fault of a file opened by hand.
    if (!opened.read.ok() || opened.read.ended_early) {
        Memo3->appendPlainText(base_name(opened.caption) + QStringLiteral(": ") + opened.read.detail());
        warn_read(this, opened.read, ws_->store.file_area().node_count());
    }
    Redraw();
    place_inside_area(*view);
}

void TRuvo_Main_Form::place_inside_area(TRuvo_Sub_Form& view) {
    view.move(placed_inside(view.geometry(), mdi_area_->viewport()->size()));
}

void TRuvo_Main_Form::connect_view(TRuvo_Sub_Form* view) {
    connect(view, &TRuvo_Sub_Form::activated, this, [this](TRuvo_Sub_Form* activated) { view_activated(*activated); });
    connect(view, &TRuvo_Sub_Form::deactivated, this, [this](TRuvo_Sub_Form* left) { view_deactivated(*left); });
    connect(view, &TRuvo_Sub_Form::mouse_moved, this, &TRuvo_Main_Form::view_mouse_moved);
    connect(view, &TRuvo_Sub_Form::mouse_pressed, this, &TRuvo_Main_Form::view_mouse_pressed);
    connect(view, &TRuvo_Sub_Form::key_pressed, this, &TRuvo_Main_Form::view_key_pressed);
    connect(view, &TRuvo_Sub_Form::key_select_chosen, this, &TRuvo_Main_Form::key_select_chosen);
    connect(view, &TRuvo_Sub_Form::shown, this, &TRuvo_Main_Form::view_shown);
    connect(view, &TRuvo_Sub_Form::window_closed, this, &TRuvo_Main_Form::view_closed);
    connect(view, &TRuvo_Sub_Form::close_requested, this, &TRuvo_Main_Form::close_active_view);
    connect(view, &TRuvo_Sub_Form::close_all_requested, this, &TRuvo_Main_Form::close_all_views);
    connect(view, &TRuvo_Sub_Form::exit_requested, this, &QWidget::close);
    connect(view, &TRuvo_Sub_Form::sequential_requested, this, &TRuvo_Main_Form::Sequential_Change_SaveClick);
    connect(view, &TRuvo_Sub_Form::switch_chosen, this, &TRuvo_Main_Form::apply_view_switch);
    connect(view, &TRuvo_Sub_Form::magnification_chosen, this, [this](TRuvo_Sub_Form* chosen, int magni) {
        if (chosen == current_view()) set_magnification_preset(magni);
    });
    connect_view_commands(view);
    connect(view, &TRuvo_Sub_Form::follow_mode_chosen, this, &TRuvo_Main_Form::FollowSBClick);
    // Keys a view window's items share with the panel's mnemonics go to the items.
    for (QAction* action : view->actions_of_menus()) menus_first_->watch(action);
}

TRuvo_Sub_Form* TRuvo_Main_Form::current_view() const { return view_of_slot(ws_->views.current_active_window); }

TRuvo_Sub_Form* TRuvo_Main_Form::view_of_slot(int slot) const {
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (view->slot() == slot) return view;
    }
    return nullptr;
}

QList<TRuvo_Sub_Form*> TRuvo_Main_Form::view_windows() const {
    QList<TRuvo_Sub_Form*> views;
    for (QMdiSubWindow* window : mdi_area_->subWindowList(QMdiArea::CreationOrder)) {
        auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
        if (view && !view->closed()) views << view;
    }
    return views;
}

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
        warn(messages::kAllZeroVectors);
        project_->close_after_prompt_later();
        break;
    case RenderFailure::Geometry:
    case RenderFailure::Numeric: warn(messages::kRedrawError); break;
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

void TRuvo_Main_Form::on_sub_window_activated(QMdiSubWindow* window) {
    auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
    // Null while the frame itself is inactive (a dialog is up): the current
    // view stays current, and is not activated again when the frame is.
    if (!view || view->closed() || view->slot() == ws_->views.current_active_window) return;
    if (TRuvo_Sub_Form* leaving = current_view()) leaving->FormDeactivate();
    view->FormActivate();
}

// The activation of a view: its slot becomes current, the panel shows its
// values and the groups and items of its kind, and its menus join the menu
// bar. The picture stays as it was drawn last.
void TRuvo_Main_Form::view_activated(TRuvo_Sub_Form& view) {
    activate_view_slot(*ws_, view.slot());
    ws_->key_select = false;
    show_key_mode(KeyModeShade::Ended);
    const View_Info& record = ws_->views.at(view.slot());
    control_panel_->show_magnification(record.magni);
    apply_layout(view, activation_layout(record));
    merge_menus();
    Status_Refresh();
}

void TRuvo_Main_Form::apply_layout(TRuvo_Sub_Form& view, const ControlLayout& layout) {
    control_panel_->apply(layout);
    view.apply_item_layout(layout);
}

void TRuvo_Main_Form::apply_view_switch(TRuvo_Sub_Form* view, const ViewSwitch& change) {
    if (view != current_view()) return;
    apply_switch(*view, change(*ws_, ws_->views.current()));
}

void TRuvo_Main_Form::apply_switch(TRuvo_Sub_Form& view, const SwitchEffect& effect) {
    if (effect.warn_no_vectors) warn(messages::kNoVectorsToOverlap);
    if (effect.layout) apply_layout(view, *effect.layout);
    if (effect.redraw) Redraw();
    if (effect.draw_grid_over) draw_grid_over(view);
}

// The grid overlay turned on: the grid goes over the picture as it is.
void TRuvo_Main_Form::draw_grid_over(TRuvo_Sub_Form& view) {
    const int slot = view.slot();
    const RenderResult drawn =
        render_grid_over(ws_->store, ws_->views.at(slot), ws_->layout_of(slot), view.image()->picture(), *progress_);
    ws_->layout_log.append(drawn.layout_log);
    view.image()->picture_changed();
    if (drawn.ok()) return;
    Memo3->appendPlainText(drawn.reason);
    warn(messages::kRedrawError);
}

void TRuvo_Main_Form::set_magnification_preset(int magni) { control_panel_->set_magnification_preset(magni); }

// While a view is active its File menu stands in for the main window's and
// its other menus stand between the Project and Window menus.
void TRuvo_Main_Form::merge_menus() {
    const TRuvo_Sub_Form* view = current_view();
    QList<QAction*> menus{view ? view->file_menu()->menuAction() : File_Main->menuAction(), Project_Main->menuAction()};
    if (view) {
        for (QMenu* menu : view->view_menus()) menus << menu->menuAction();
    }
    menus << Window_Main->menuAction() << Help_Main->menuAction();
    merge_unlisted_keys(view);
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

void TRuvo_Main_Form::view_closed(int slot) {
    // A selection ends with the view it was made in.
    if (slot == ws_->views.current_active_window) probe_view_left(*ws_);
    release_view_slot(*ws_, slot);
    if (ws_->views.info_number_max == 0) {
        set_view_buttons_enabled(false);
        control_panel_->reset();
    }
    merge_menus();
}

void TRuvo_Main_Form::close_active_view() {
    if (QMdiSubWindow* active = mdi_area_->activeSubWindow()) active->close();
}

// The last opened first, as the windows are listed.
void TRuvo_Main_Form::close_all_views() {
    const QList<TRuvo_Sub_Form*> views = view_windows();
    for (auto view = views.rbegin(); view != views.rend(); ++view) (*view)->close();
}

// The open view windows, numbered, after the menu's own items; the active
// one checked.
void TRuvo_Main_Form::fill_window_menu() {
    qDeleteAll(window_list_actions_);
    window_list_actions_.clear();
    const QList<TRuvo_Sub_Form*> views = view_windows();
    if (views.isEmpty()) return;
    window_list_actions_ << Window_Main->addSeparator();
    int number = 0;
    for (TRuvo_Sub_Form* view : views) {
        ++number;
        QString caption = view->windowTitle();
        caption.replace(u'&', QStringLiteral("&&"));  // a path's "&" is no accelerator
        QAction* item = Window_Main->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
        item->setCheckable(true);
        item->setChecked(view == current_view());
        connect(item, &QAction::triggered, this, [this, view = QPointer<TRuvo_Sub_Form>(view)] {
            if (view) mdi_area_->setActiveSubWindow(view);
        });
        window_list_actions_ << item;
    }
}

// The views in their stacking order, the active one last and so in front,
// each keeping its size as far as the area allows.
void TRuvo_Main_Form::Window_Cascade() {
    QList<TRuvo_Sub_Form*> views;
    std::vector<QSize> sizes;
    for (QMdiSubWindow* window : mdi_area_->subWindowList(QMdiArea::StackingOrder)) {
        auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
        if (!view || view->closed() || view->isMinimized()) continue;
        if (view->isMaximized()) view->showNormal();
        views << view;
        sizes.push_back(view->size());
    }
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, mdi_area_) +
                     style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, mdi_area_);
    const std::vector<QRect> rects = cascaded_rects(mdi_area_->viewport()->size(), sizes, step);
    for (qsizetype n = 0; n < views.size(); ++n) {
        views[n]->setGeometry(rects[static_cast<std::size_t>(n)]);
        views[n]->raise();
    }
}

void TRuvo_Main_Form::tile_views(bool one_above_the_other) {
    QList<TRuvo_Sub_Form*> views;
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (!view->isMinimized()) views << view;
    }
    const auto direction = one_above_the_other ? TileDirection::OneAboveTheOther : TileDirection::SideBySide;
    const std::vector<QRect> rects =
        tiled_rects(mdi_area_->viewport()->size(), static_cast<int>(views.size()), direction);
    for (qsizetype n = 0; n < views.size(); ++n) {
        if (views[n]->isMaximized()) views[n]->showNormal();
        views[n]->setGeometry(rects[static_cast<std::size_t>(n)]);
    }
}

void TRuvo_Main_Form::Arrange_IconsClick() {
    QList<TRuvo_Sub_Form*> icons;
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (view->isMinimized()) icons << view;
    }
    if (icons.isEmpty()) return;
    const std::vector<QPoint> places =
        icon_positions(mdi_area_->viewport()->size(), icons.first()->size(), static_cast<int>(icons.size()));
    for (qsizetype n = 0; n < icons.size(); ++n) icons[n]->move(places[static_cast<std::size_t>(n)]);
}

}  // namespace ruvo
