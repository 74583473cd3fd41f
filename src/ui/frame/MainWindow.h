#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <memory>

#include "data/FieldStore.h"
#include "data/RememberedFolders.h"
#include "ui/frame/ProjectCommands.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/KeySelect.h"

class QAction;
class QDockWidget;
class QFrame;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QTimer;
class QToolButton;
class QWidget;

namespace ruvo {

struct FollowCheck;
struct FollowFailure;
struct SwitchEffect;
struct Workspace;
class FollowEngine;
class SteadyClock;
class TFollow_Mode_Setup;
class ControlLayout;
class ControlPanel;
class HelpViewer;
class MenusFirst;
class PictureCommands;
class ProgressBarBinding;
class StatusEditBinding;
class TArrow_Shape_Change;
class TChangeRatio;
class TMaxMinSet;
class TScalarLineWidth;
class TSequential_Info;
struct FrameResult;

// The frame of the program: menus, tool bar, the right-hand panel with the
// file lists, the status panel, and the view windows inside. It owns the
// workspace and the project commands, opens views and runs the redraw
// dispatcher.
class TRuvo_Main_Form : public QMainWindow, private ProjectFrame {
    Q_OBJECT

public:
    // Client area at start.
    static constexpr int kClientWidth = 920;
    static constexpr int kClientHeight = 657;

    // `parameters`: the command line without the program's name; when first
    // shown, the window opens the project they name.
    explicit TRuvo_Main_Form(QStringList parameters = {}, QWidget* parent = nullptr);
    ~TRuvo_Main_Form() override;

    Workspace& workspace() { return *ws_; }
    const RememberedFolders& remembered_folders() const { return folders_; }

    // Redraw dispatcher: redraws the current view's window from its slot.
    void Redraw();
    // A magnification preset of a view window's pop-up menu.
    void set_magnification_preset(int magni);
    // Rewrites the diagnostic dump of the current view. The probe's next
    // step leaves the marker dot where it is.
    void Status_Refresh();
    // The probe node's read-outs in Edit1..Edit7.
    void Show_Probe_Values();

    void Show_File_Lists() override;
    void Delete_File_Lists() override;

    // The open view windows, in the order they were opened.
    QList<TRuvo_Sub_Form*> view_windows() const;
    // The window of the current view (the workspace's current_active_window).
    TRuvo_Sub_Form* current_view() const;
    // The space the main window leaves for view windows: its client area
    // without the right-hand panel, the tool bar and the status panel.
    QSize view_space() const;

    ProjectCommands& project_commands() { return *project_; }
    PictureCommands& picture_commands() { return *pictures_; }
    // The project commands' own, for the command line and the tests.
    void open_project_file(const QString& path);
    void Close_Project();

    // Sequential conversion (MainWindowSequential.cpp): the entry closes the
    // project and shows the choice of the files; the set chosen opens in
    // views drawn at the fixed size, ready for the run dialog.
    void Sequential_Change_SaveClick();
    void OpenSequentialSet();

signals:
    // A view was drawn by the dispatcher.
    void redrawn();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_menus();
    void build_tool_bar(QFrame* tool_bar);
    void build_right_panel(QFrame* panel);
    void build_status_panel(QFrame* panel);
    void build_diagnostics_pane();
    void check_remembered_folders();

    // Opening views from the lists.
    void open_view_window(FileKind kind, int position);
    void connect_view(TRuvo_Sub_Form* view);
    void open_selected(QListWidget* list);
    TRuvo_Sub_Form* view_of_slot(int slot) const;
    void on_sub_window_activated(QMdiSubWindow* window);
    // The life of a view window, as its signals tell it.
    void view_shown();
    void view_activated(TRuvo_Sub_Form& view);
    void view_closed(int slot);
    void close_active_view();
    void close_all_views() override;
    // A switch of a view window's menus acts when its window is current: it
    // changes the record, then the panel, the window's items and the picture
    // follow what it asks for.
    void apply_view_switch(TRuvo_Sub_Form* view, const ViewSwitch& change);
    // MainWindowProbe.cpp: the probe, the area selection and the keys of the view
    // windows. `receiver` is the window that got the event; the marks go on
    // the current view's picture.
    bool probes(const TRuvo_Sub_Form* view) const;
    void view_mouse_moved(TRuvo_Sub_Form* view, QPoint pixel);
    void view_mouse_pressed(TRuvo_Sub_Form* view, Qt::MouseButton button);
    void view_deactivated(TRuvo_Sub_Form& view);
    void view_key_pressed(TRuvo_Sub_Form* receiver, int key, Qt::KeyboardModifiers modifiers);
    void key_select_chosen(TRuvo_Sub_Form* view);
    bool panel_control_focused() const;
    void apply_probe_effect(TRuvo_Sub_Form& receiver, const ProbeEffect& effect);
    void show_key_mode(KeyModeShade shade);
    void apply_switch(TRuvo_Sub_Form& view, const SwitchEffect& effect);
    void apply_layout(TRuvo_Sub_Form& view, const ControlLayout& layout);
    void draw_grid_over(TRuvo_Sub_Form& view);
    void merge_menus();
    void fill_window_menu();
    void Window_Cascade();
    void tile_views(bool one_above_the_other);
    // Moves a view up and left as far as needed to show it whole in the area.
    void place_inside_area(TRuvo_Sub_Form& view);
    void Arrange_IconsClick();
    void set_view_buttons_enabled(bool enabled);

    // What the project commands leave to the frame.
    void reset_panels() override;
    void show_caption(const QString& caption) override { setWindowTitle(caption); }
    void grid_read() override;
    void note(const QString& line) override;
    void project_loaded() override;
    void project_files_chosen() override;
    void project_closed() override;
    bool may_end_following() override;
    void end_following() override;
    void set_project_items_enabled(bool enabled);
    // One file of a sequential run read into the current view, drawn and saved.
    FrameResult convert_sequential_file(const QString& name);

    // The range commands, neglect steps and dialogs of the view windows (MainWindowDialogs.cpp).
    void create_view_dialogs();
    void connect_view_commands(TRuvo_Sub_Form* view);
    void apply_range_command(TRuvo_Sub_Form* view, RangeCommand command);
    void Announce_Range_Node(TRuvo_Sub_Form& view, const RangeStep& step);
    void step_other_coordinate(TRuvo_Sub_Form* view, int delta);
    void open_view_dialog(TRuvo_Sub_Form* view, ViewDialog which);
    void merge_unlisted_keys(const TRuvo_Sub_Form* view);
    void run_picture_command(TRuvo_Sub_Form* view, PictureCommand command);
    void File_GRAFileClick(TRuvo_Sub_Form* view);
    void inform(const QString& text);

    // Follow mode (MainWindowFollow.cpp): its dialog, its two timers and its read-outs.
    void build_follow_mode();
    void FollowSBClick();
    void follow_started();
    void follow_stopped();
    void Follow_TimerTimer();
    void Progress_TimerTimer();
    void show_follow_check(const FollowCheck& check);
    void show_follow_failure(const std::vector<FollowFailure>& failures);
    void show_follow_finished();
    void show_follow_info(const QString& info);
    void wait_for_check(int interval_ms);
    void show_countdown();

    // Help.
    HelpViewer& help_viewer();
    void AboutClick();

    void warn(const char* text);
    void fail(const QString& text);

    std::unique_ptr<Workspace> ws_;
    RememberedFolders folders_;
    std::unique_ptr<ProjectCommands> project_;
    std::unique_ptr<PictureCommands> pictures_;
    const QStringList parameters_;
    bool first_show_done_ = false;

    QMdiArea* mdi_area_ = nullptr;
    QFrame* ToolBar = nullptr;
    QFrame* RightStatusBar = nullptr;
    QFrame* BottomStatusBar = nullptr;
    QListWidget* GridListBox = nullptr;
    QListWidget* VectorListBox = nullptr;
    QListWidget* ScalarListBox = nullptr;
    std::array<QLineEdit*, 7> edits_{};  // Edit1..Edit7
    QLineEdit* KBMode_Edit = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QDockWidget* diagnostics_ = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;

    ControlPanel* control_panel_ = nullptr;
    MenusFirst* menus_first_ = nullptr;

    QMenu* File_Main = nullptr;
    QMenu* Project_Main = nullptr;
    QMenu* Window_Main = nullptr;
    QMenu* Help_Main = nullptr;
    QList<QAction*> window_list_actions_;
    QAction* Project_OverWrite = nullptr;
    QAction* Project_SaveAs = nullptr;
    QAction* Project_FileAddDelete = nullptr;
    QAction* Close_Project_Action = nullptr;

    QToolButton* OpenSequentialSB = nullptr;
    QToolButton* SaveOvewriteSB = nullptr;
    QToolButton* PrintSB = nullptr;
    QToolButton* MagniUpSB = nullptr;
    QToolButton* MagniDownSB = nullptr;
    QToolButton* WholeShowSB = nullptr;
    QToolButton* FollowSB = nullptr;
    QToolButton* Sq_StartSB = nullptr;

    // Created once, reused for every view.
    TChangeRatio* ChangeRatio = nullptr;
    TMaxMinSet* MaxMinSet = nullptr;
    TScalarLineWidth* ScalarLineWidth = nullptr;
    TArrow_Shape_Change* Arrow_Shape_Change = nullptr;
    TSequential_Info* Sequential_Info = nullptr;
    QList<QPointer<QAction>> merged_keys_;  // the active view's unlisted keys

    std::unique_ptr<SteadyClock> follow_clock_;
    std::unique_ptr<FollowEngine> follow_;
    TFollow_Mode_Setup* Follow_Mode_Setup = nullptr;
    QTimer* Follow_Timer = nullptr;
    QTimer* Progress_Timer = nullptr;
    QLineEdit* Follow_Info_Edit = nullptr;
    QLineEdit* Follow_Time_Edit = nullptr;
    QString follow_failure_;  // the last view not drawn or saved: shown until an update without one

    std::unique_ptr<ProgressBarBinding> progress_;
    std::unique_ptr<StatusEditBinding> status_boxes_;
    HelpViewer* help_viewer_ = nullptr;
};

}  // namespace ruvo
