#pragma once

#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QPointF>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "plot/RangeSteps.h"
#include "view/LayoutRules.h"
#include "view/Magnify.h"

class QAction;
class QMenu;
class QMouseEvent;
class QNativeGestureEvent;
class QScrollArea;
class QWheelEvent;

namespace ruvo {

struct SwitchEffect;
struct View_Info;
struct Workspace;

// A switch of a view window's menus: what it does to the workspace and the
// current view's record, and what it asks of the windows then.
using ViewSwitch = std::function<SwitchEffect(Workspace& ws, View_Info& view)>;

// The dialogs a view window's menus open (on the current view).
enum class ViewDialog { MaxMinSet, ChangeRatio, ScalarLineWidth, ArrowShape };

// The commands of a view window's File menu that hand its picture on.
enum class PictureCommand { SaveAsBitmap, GRAFile, PrinterSetup, Print, PrintPreview };

// Image1: the view's picture, shown at its own size inside the scrolled
// client area. The redraw dispatcher draws onto picture() and then calls
// picture_changed().
class ViewImage : public QWidget {
public:
    explicit ViewImage(QWidget* parent = nullptr);
    QImage& picture() { return picture_; }
    const QImage& picture() const { return picture_; }
    void picture_changed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

// A view window: one file shown in one slot of the view table. The window
// knows its own slot; everything else about the view lives in the slot. It
// tells the main window what happens to it and what its menus ask for
// through signals; the main window owns the reaction.
class TRuvo_Sub_Form : public QMdiSubWindow {
    Q_OBJECT

public:
    // Design size of a new view window, before its first redraw fits it.
    static constexpr int kDesignWidth = 539;
    static constexpr int kDesignHeight = 448;
    // A notch of the wheel in eighths of a degree, and the growth of a pinch
    // (its scale less one) that make one mark of the magnification bar.
    static constexpr double kWheelNotch = 120;
    static constexpr double kPinchStep = 0.25;

    TRuvo_Sub_Form(int slot, const QString& caption, QWidget* parent = nullptr);

    int slot() const { return slot_; }
    ViewImage* image() const { return Image1; }
    bool closed() const { return closed_; }
    QSize client_size() const;

    // After a redraw: in each direction in which the image is smaller than
    // `space`, the client area takes the image's size; otherwise it scrolls.
    void fit_to_image(QSize space);

    // The point of the picture in the middle of the part the window shows,
    // as fractions of the picture's width and height; none without a picture.
    std::optional<QPointF> visible_centre() const;
    // Scrolls the picture so that the point at these fractions lies in the
    // middle of the part shown, as far as the scroll ranges allow.
    void centre_on(QPointF fractions);

    // The window became the active view: its slot becomes current and the
    // main window shows its settings. No redraw.
    void FormActivate() { emit activated(this); }
    // Another view window is becoming the active one: the probe's marks leave
    // this picture.
    void FormDeactivate() { emit deactivated(this); }

    // A key for this window: pressed while it has the focus, or handed on by
    // the main window.
    void FormKeyDown(const QKeyEvent& event) { emit key_pressed(this, event.key(), event.modifiers()); }

    // Scrolls the picture by `pixels`, as far as the scroll ranges allow.
    void scroll_by(QPoint pixels);
    // Where a pixel of the picture shows in the client area.
    QPoint shown_at(QPoint pixel) const;
    // Scrolls the picture so that `pixel` shows at `place` of the client
    // area, as far as the scroll ranges allow.
    void show_at(QPoint pixel, QPoint place);
    // Scrolls the picture, if need be, so that `pixel` shows with a margin.
    void keep_in_sight(QPoint pixel);

    // The check mark of KeyBoardAreaSelect: the keyboard selection mode is on.
    void show_key_select_mark(bool on);

    // The menus of the window (Sub_Menu). While the window is active the
    // main window's menu bar shows File_Sub in place of its own File menu
    // and the others before its Window menu.
    QMenu* file_menu() const { return File_Sub; }
    QList<QMenu*> view_menus() const;

    // Enabled and checked states of the menu items that follow the view;
    // the items a layout leaves alone keep theirs.
    void apply_item_layout(const ControlLayout& layout);

    // The window's actions, to be watched for the keys they share with the panel.
    QList<QAction*> actions_of_menus() const;
    // The keys of items the menus do not show (Qt gives a hidden item no
    // key). While the window is active the main window takes them, as it
    // takes the menus.
    QList<QAction*> unlisted_keys() const { return unlisted_keys_; }

    void Close_FileClick() { emit close_requested(); }
    // Not on a menu: the main window's sequential conversion, for the keys.
    void SequentialFile_OpenClick() { emit sequential_requested(); }
    void Close_All_FileClick() { emit close_all_requested(); }

    void SaveAsBitmapClick() { emit picture_command_chosen(this, PictureCommand::SaveAsBitmap); }
    void File_GRAFileClick() { emit picture_command_chosen(this, PictureCommand::GRAFile); }
    void PrinterSetupClick() { emit picture_command_chosen(this, PictureCommand::PrinterSetup); }
    void PrintClick() { emit picture_command_chosen(this, PictureCommand::Print); }
    void PrintPreviewClick() { emit picture_command_chosen(this, PictureCommand::PrintPreview); }
    // The picture goes on the clipboard as an image; Qt offers it in the
    // usual bitmap formats.
    void CopyClick();

signals:
    void activated(TRuvo_Sub_Form* view);
    void deactivated(TRuvo_Sub_Form* view);
    void mouse_moved(TRuvo_Sub_Form* view, QPoint pixel);                              // Image1MouseMove
    void mouse_pressed(TRuvo_Sub_Form* view, Qt::MouseButton button);                  // Image1MouseDown
    void key_pressed(TRuvo_Sub_Form* view, int key, Qt::KeyboardModifiers modifiers);  // FormKeyDown
    void key_select_chosen(TRuvo_Sub_Form* view);                                      // KeyBoardAreaSelect
    // Ctrl + wheel or a pinch: `steps` marks of the magnification bar up or
    // down, about the picture's `pixel` under the pointer.
    void zoom_requested(TRuvo_Sub_Form* view, int steps, QPoint pixel);
    void shown();
    void window_closed(int slot);
    void close_requested();       // Close_File
    void close_all_requested();   // Close_All_File
    void exit_requested();        // Exit_Ruvo
    void sequential_requested();  // SequentialFile_Open
    void switch_chosen(TRuvo_Sub_Form* view, const ruvo::ViewSwitch& change);
    void magnification_chosen(TRuvo_Sub_Form* view, int magni);  // a preset of the pop-up menu
    void range_command_chosen(TRuvo_Sub_Form* view, ruvo::RangeCommand command);
    void neglect_step_chosen(TRuvo_Sub_Form* view, int delta);  // +1 up, -1 down
    void dialog_chosen(TRuvo_Sub_Form* view, ruvo::ViewDialog dialog);
    void picture_command_chosen(TRuvo_Sub_Form* view, ruvo::PictureCommand command);
    void follow_mode_chosen();  // Follow_Mode_Switch

protected:
    void showEvent(QShowEvent* event) override;    // FormShow
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // the mouse on Image1

private:
    // ViewWindowMenus.cpp
    void build_menus();
    void build_file_menu();
    void build_show_menu();
    void build_popup_menu();
    QAction* add_layout_item(QMenu* menu, ViewMenuItem item, const char* name, const char* caption,
                             const QKeySequence& shortcut = {});
    void connect_switches();
    void connect_switch(QAction* action, const ViewSwitch& change);
    void connect_range_and_style_items();
    // `act` runs when the item is triggered and reachable.
    void on_reachable(QAction* action, const std::function<void()>& act);
    bool reachable(const QAction* action) const;
    void Image1MouseMove(QPoint pixel) { emit mouse_moved(this, pixel); }
    void Image1MouseDown(Qt::MouseButton button) { emit mouse_pressed(this, button); }
    // The wheel, the middle button and a pinch over Image1; true when taken.
    bool wheel_over_picture(const QWheelEvent& event);
    bool pinch_over_picture(const QNativeGestureEvent& event);
    bool pan_with_middle_button(const QMouseEvent& event);
    void settle_scroll_bars() const;

    QAction* item(ViewMenuItem item) const { return items_[static_cast<std::size_t>(item)]; }
    void show_item_marks();

    const int slot_;
    QScrollArea* scroll_area_;
    ViewImage* Image1;
    bool closed_ = false;
    StepGatherer wheel_notches_{kWheelNotch};
    StepGatherer pinch_steps_{kPinchStep};
    std::optional<QPointF> pan_from_;  // the pointer on the screen while the middle button drags

    QMenu* File_Sub = nullptr;
    QMenu* Edit_Sub = nullptr;
    QMenu* Show_Sub = nullptr;
    QMenu* Option_Sub = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* Show_All = nullptr;
    QAction* All_Area = nullptr;
    QAction* Pre_Area = nullptr;
    QAction* KeyBoardAreaSelect = nullptr;
    std::array<QAction*, kViewMenuItemCount> items_{};
    QList<QAction*> unlisted_keys_;
    // The states the items should show. Qt toggles a checkable item as it
    // triggers it; the marks put back what the switch decided.
    struct ItemMark {
        bool enabled = true;
        bool checked = false;
    };
    std::array<ItemMark, kViewMenuItemCount> marks_{};
};

}  // namespace ruvo
