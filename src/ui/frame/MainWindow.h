#pragma once

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

#include "data/RememberedFolders.h"
#include "ui/frame/ProjectCommands.h"

class QAction;
class QLineEdit;
class QListWidget;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace ruvo {

struct Workspace;
class ControlPanel;
class FollowControl;
class HelpViewer;
class MenusFirst;
class PictureCommands;
class ProgressBarBinding;
class SequentialRun;
class StatusEditBinding;
class TRuvo_Sub_Form;
class ViewCommands;
class ViewProbe;
class ViewWindows;

// The frame of the program: menus, tool bar, the right-hand panel with the
// file lists, the status panel, and the view windows inside. It owns the
// workspace and its parts, each with one job, and runs the redraw dispatcher.
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
    // Ctrl + wheel or a pinch over a view: its magnification goes `steps`
    // marks of the bar up or down, set as a preset is, and the grid point at
    // the picture's `pixel` stays under the pointer.
    void zoom_view(TRuvo_Sub_Form* view, int steps, QPoint pixel);
    // Rewrites the diagnostic dump of the current view. The probe's next
    // step leaves the marker dot where it is.
    void Status_Refresh();

    QList<TRuvo_Sub_Form*> view_windows() const;
    TRuvo_Sub_Form* current_view() const;
    // The space the main window leaves for view windows: its client area
    // without the right-hand panel, the tool bar and the status panel.
    QSize view_space() const;

    ProjectCommands& project_commands() { return *project_; }
    PictureCommands& picture_commands() { return *pictures_; }
    // The project commands' own, for the command line and the tests.
    void open_project_file(const QString& path);
    void Close_Project();

    // Sequential conversion (MainWindowSequential.cpp): the entry, and the set
    // chosen opened in views drawn at the fixed size, ready for the run.
    void Sequential_Change_SaveClick();
    void OpenSequentialSet();

signals:
    // A view was drawn by the dispatcher.
    void redrawn();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build_menus();
    void build_tool_bar(QWidget* tool_bar);
    void build_right_panel(QWidget* panel);
    void build_status_panel(QWidget* panel);
    void build_diagnostics_pane();
    void build_parts(QMdiArea& view_area);

    // What the frame shows of the view windows' life.
    void connect_view(TRuvo_Sub_Form* view);
    void view_activated(TRuvo_Sub_Form& view);
    void view_shown();
    void view_closed();
    void merge_menus();
    void set_view_buttons_enabled(bool enabled);

    // What the project commands leave to the frame.
    void Show_File_Lists() override;
    void Delete_File_Lists() override;
    void reset_panels() override;
    void show_caption(const QString& caption) override { setWindowTitle(caption); }
    void grid_read() override;
    void note(const QString& line) override;
    void project_loaded() override;
    void project_files_chosen() override;
    void project_closed() override;
    bool may_end_following() override;
    void end_following() override;
    void close_all_views() override;
    void set_project_items_enabled(bool enabled);

    HelpViewer& help_viewer();

    std::unique_ptr<Workspace> ws_;
    RememberedFolders folders_;
    std::unique_ptr<ProjectCommands> project_;
    std::unique_ptr<PictureCommands> pictures_;
    const QStringList parameters_;
    bool first_show_done_ = false;

    QWidget *ToolBar = nullptr, *RightStatusBar = nullptr, *BottomStatusBar = nullptr;
    QListWidget *GridListBox = nullptr, *VectorListBox = nullptr, *ScalarListBox = nullptr;
    QLineEdit* KBMode_Edit = nullptr;
    QPlainTextEdit *Memo1 = nullptr, *Memo2 = nullptr, *Memo3 = nullptr;
    QMenu *File_Main = nullptr, *Project_Main = nullptr, *Window_Main = nullptr, *Help_Main = nullptr;
    std::array<QAction*, 5> project_items_{};  // need an open project
    QToolButton *OpenSequentialSB = nullptr, *SaveOvewriteSB = nullptr, *PrintSB = nullptr, *MagniUpSB = nullptr,
                *MagniDownSB = nullptr, *WholeShowSB = nullptr, *FollowSB = nullptr, *Sq_StartSB = nullptr;

    ControlPanel* control_panel_ = nullptr;
    MenusFirst* menus_first_ = nullptr;
    ViewWindows* views_ = nullptr;
    ViewCommands* commands_ = nullptr;
    FollowControl* follow_ = nullptr;
    SequentialRun* sequential_run_ = nullptr;
    ViewProbe* probe_ = nullptr;
    std::unique_ptr<ProgressBarBinding> progress_;
    std::unique_ptr<StatusEditBinding> status_boxes_;
    HelpViewer* help_viewer_ = nullptr;
};

}  // namespace ruvo
