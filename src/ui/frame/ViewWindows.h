#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include "data/FieldStore.h"

class QAction;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;

namespace ruvo {

struct Workspace;
class TRuvo_Sub_Form;

// The view windows in the main window's area: opening them from the file
// lists, their life (shown, activated, closed), the Window menu and the
// arrangements, and which of them is current. The core keeps the views'
// records; this keeps their windows in step with them.
class ViewWindows : public QObject {
    Q_OBJECT

public:
    // `log` takes what a read left out.
    ViewWindows(Workspace& ws, QMdiArea& area, QPlainTextEdit& log);

    // A double-click on `list`, or Enter in it, opens its selected file.
    void open_from(QListWidget& list, FileKind kind);
    // The opening sequence of a view; a refusal is only warned about.
    void open_view_window(FileKind kind, int position);

    // The open view windows, in the order they were opened.
    QList<TRuvo_Sub_Form*> view_windows() const;
    // The window of the current view (the workspace's current_active_window).
    TRuvo_Sub_Form* current_view() const;

    void close_active_view();
    void close_all_views();
    // The arrangements and, each time it opens, the list of the views.
    void add_window_items(QMenu& menu);

signals:
    // A new window, before it shows: the other parts connect to it.
    void view_created(TRuvo_Sub_Form* view);
    // Its slot became current: what shows its values follows.
    void view_activated(TRuvo_Sub_Form& view);
    void view_shown();
    // Its slot was released.
    void view_closed();
    void redraw_requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void open_selected(const QListWidget& list);
    void connect_view(TRuvo_Sub_Form* view);
    TRuvo_Sub_Form* view_of_slot(int slot) const;
    void on_sub_window_activated(QMdiSubWindow* window);
    void activate(TRuvo_Sub_Form& view);
    void release(int slot);
    // Moves a view up and left as far as needed to show it whole in the area.
    void place_inside_area(TRuvo_Sub_Form& view);
    void fill_window_menu();
    void Window_Cascade();
    void tile_views(bool one_above_the_other);
    void Arrange_IconsClick();

    Workspace& ws_;
    QMdiArea& area_;
    QPlainTextEdit& log_;
    QHash<const QListWidget*, FileKind> lists_;
    QMenu* window_menu_ = nullptr;
    QList<QAction*> window_list_actions_;
};

}  // namespace ruvo
