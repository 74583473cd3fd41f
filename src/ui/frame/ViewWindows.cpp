#include "ui/frame/ViewWindows.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>

#include "Workspace.h"
#include "data/FileNames.h"
#include "ui/ReadDetail.h"
#include "ui/WidgetNames.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/WindowLayout.h"
#include "ui/viewwindow/ViewWindow.h"
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
void warn_read(QWidget* parent, const ReadResult& read, long long header_nodes) {
    QString message = QString::fromUtf8(messages::read_error(read.kind));
    if (read.ok()) message += u'\n' + read_detail_text(read, header_nodes);
    warning_box(parent, message);
}

}  // namespace

ViewWindows::ViewWindows(Workspace& ws, QMdiArea& area, QPlainTextEdit& log)
    : QObject(&area), ws_(ws), area_(area), log_(log) {
    connect(&area_, &QMdiArea::subWindowActivated, this, &ViewWindows::on_sub_window_activated);
}

void ViewWindows::open_from(QListWidget& list, FileKind kind) {
    lists_.insert(&list, kind);
    connect(&list, &QListWidget::itemDoubleClicked, this, [this, &list] { open_selected(list); });
    list.installEventFilter(this);
}

// Enter in a file list opens the selected file, as a double-click does.
bool ViewWindows::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            open_selected(*list);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ViewWindows::open_selected(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty()) return;
    open_view_window(lists_.value(&list), list.row(selected.first()));
}

// The opening sequence of a view: the core takes the slot, reads a new base
// name and initialises the record; the window shows it and draws it.
void ViewWindows::open_view_window(FileKind kind, int position) {
    // The view shown so far is left before the new one takes its place.
    TRuvo_Sub_Form* leaving = current_view();
    if (leaving) leaving->FormDeactivate();
    const OpenViewResult opened = open_view(ws_, kind, position);
    if (!opened.ok()) {
        if (leaving) leaving->FormActivate();
        if (const char* refusal = refusal_text(opened.refusal)) warning_box(area_.window(), refusal);
        return;
    }
    auto* view = new TRuvo_Sub_Form(opened.slot, opened.caption);
    connect_view(view);
    area_.addSubWindow(view);
    view->show();
    area_.setActiveSubWindow(view);
    // The new view is current already; its window shows its layout now,
    // whether or not the area activated it (it does so only while the frame
    // is active).
    view->FormActivate();
    // A last line without its line end is no fault of a file opened by hand.
    if (!opened.read.ok() || opened.read.ended_early) {
        log_.appendPlainText(base_name(opened.caption) + QStringLiteral(": ") + opened.read.detail());
        warn_read(area_.window(), opened.read, ws_.store.file_area().node_count());
    }
    emit redraw_requested();
    place_inside_area(*view);
}

void ViewWindows::place_inside_area(TRuvo_Sub_Form& view) {
    view.move(placed_inside(view.geometry(), area_.viewport()->size()));
}

void ViewWindows::connect_view(TRuvo_Sub_Form* view) {
    connect(view, &TRuvo_Sub_Form::activated, this, [this](TRuvo_Sub_Form* activated) { activate(*activated); });
    connect(view, &TRuvo_Sub_Form::shown, this, &ViewWindows::view_shown);
    connect(view, &TRuvo_Sub_Form::window_closed, this, &ViewWindows::release);
    connect(view, &TRuvo_Sub_Form::close_requested, this, &ViewWindows::close_active_view);
    connect(view, &TRuvo_Sub_Form::close_all_requested, this, &ViewWindows::close_all_views);
    emit view_created(view);
}

TRuvo_Sub_Form* ViewWindows::current_view() const { return view_of_slot(ws_.views.current_active_window); }

TRuvo_Sub_Form* ViewWindows::view_of_slot(int slot) const {
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (view->slot() == slot) return view;
    }
    return nullptr;
}

QList<TRuvo_Sub_Form*> ViewWindows::view_windows() const {
    QList<TRuvo_Sub_Form*> views;
    for (QMdiSubWindow* window : area_.subWindowList(QMdiArea::CreationOrder)) {
        auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
        if (view && !view->closed()) views << view;
    }
    return views;
}

void ViewWindows::on_sub_window_activated(QMdiSubWindow* window) {
    auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
    // Null while the frame itself is inactive (a dialog is up): the current
    // view stays current, and is not activated again when the frame is.
    if (!view || view->closed() || view->slot() == ws_.views.current_active_window) return;
    if (TRuvo_Sub_Form* leaving = current_view()) leaving->FormDeactivate();
    view->FormActivate();
}

// The activation of a view: its slot becomes current and the keyboard
// selection ends. The picture stays as it was drawn last.
void ViewWindows::activate(TRuvo_Sub_Form& view) {
    activate_view_slot(ws_, view.slot());
    ws_.key_select = false;
    emit view_activated(view);
}

void ViewWindows::release(int slot) {
    // A selection ends with the view it was made in.
    if (slot == ws_.views.current_active_window) probe_view_left(ws_);
    release_view_slot(ws_, slot);
    emit view_closed();
}

void ViewWindows::close_active_view() {
    if (QMdiSubWindow* active = area_.activeSubWindow()) active->close();
}

// The last opened first, as the windows are listed.
void ViewWindows::close_all_views() {
    const QList<TRuvo_Sub_Form*> views = view_windows();
    for (qsizetype n = views.size(); n-- > 0;) views[n]->close();
}

void ViewWindows::add_window_items(QMenu& menu) {
    window_menu_ = &menu;
    connect(add_named_item(&menu, "Cascade_Windows", messages::kCascadeWindows), &QAction::triggered, this,
            &ViewWindows::Window_Cascade);
    connect(add_named_item(&menu, "Tile_Horizon", messages::kTileHorizon), &QAction::triggered, this,
            [this] { tile_views(true); });
    connect(add_named_item(&menu, "Tile_Vertical", messages::kTileVertical), &QAction::triggered, this,
            [this] { tile_views(false); });
    connect(add_named_item(&menu, "Arrange_Icons", messages::kArrangeIcons), &QAction::triggered, this,
            &ViewWindows::Arrange_IconsClick);
    connect(&menu, &QMenu::aboutToShow, this, &ViewWindows::fill_window_menu);
}

// The open view windows, numbered, after the menu's own items; the active
// one checked.
void ViewWindows::fill_window_menu() {
    qDeleteAll(window_list_actions_);
    window_list_actions_.clear();
    const QList<TRuvo_Sub_Form*> views = view_windows();
    if (views.isEmpty()) return;
    window_list_actions_ << window_menu_->addSeparator();
    int number = 0;
    for (TRuvo_Sub_Form* view : views) {
        ++number;
        QString caption = view->windowTitle();
        caption.replace(u'&', QStringLiteral("&&"));  // a path's "&" is no accelerator
        QAction* item = window_menu_->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
        item->setCheckable(true);
        item->setChecked(view == current_view());
        connect(item, &QAction::triggered, this, [this, view = QPointer<TRuvo_Sub_Form>(view)] {
            if (view) area_.setActiveSubWindow(view);
        });
        window_list_actions_ << item;
    }
}

// The views in their stacking order, the active one last and so in front,
// each keeping its size as far as the area allows.
void ViewWindows::Window_Cascade() {
    QList<TRuvo_Sub_Form*> views;
    std::vector<QSize> sizes;
    for (QMdiSubWindow* window : area_.subWindowList(QMdiArea::StackingOrder)) {
        auto* view = qobject_cast<TRuvo_Sub_Form*>(window);
        if (!view || view->closed() || view->isMinimized()) continue;
        if (view->isMaximized()) view->showNormal();
        views << view;
        sizes.push_back(view->size());
    }
    const QStyle* style = area_.style();
    const int step = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &area_) +
                     style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &area_);
    const std::vector<QRect> rects = cascaded_rects(area_.viewport()->size(), sizes, step);
    for (qsizetype n = 0; n < views.size(); ++n) {
        views[n]->setGeometry(rects[static_cast<std::size_t>(n)]);
        views[n]->raise();
    }
}

void ViewWindows::tile_views(bool one_above_the_other) {
    QList<TRuvo_Sub_Form*> views;
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (!view->isMinimized()) views << view;
    }
    const auto direction = one_above_the_other ? TileDirection::OneAboveTheOther : TileDirection::SideBySide;
    const std::vector<QRect> rects = tiled_rects(area_.viewport()->size(), static_cast<int>(views.size()), direction);
    for (qsizetype n = 0; n < views.size(); ++n) {
        if (views[n]->isMaximized()) views[n]->showNormal();
        views[n]->setGeometry(rects[static_cast<std::size_t>(n)]);
    }
}

void ViewWindows::Arrange_IconsClick() {
    QList<TRuvo_Sub_Form*> icons;
    for (TRuvo_Sub_Form* view : view_windows()) {
        if (view->isMinimized()) icons << view;
    }
    if (icons.isEmpty()) return;
    const std::vector<QPoint> places =
        icon_positions(area_.viewport()->size(), icons.first()->size(), static_cast<int>(icons.size()));
    for (qsizetype n = 0; n < icons.size(); ++n) icons[n]->move(places[static_cast<std::size_t>(n)]);
}

}  // namespace ruvo
