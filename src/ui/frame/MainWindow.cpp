#include "ui/frame/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <vector>

#include "Workspace.h"
#include "data/FileNames.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/FollowControl.h"
#include "ui/frame/MainWindowKeys.h"
#include "ui/frame/MenuShortcuts.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/PictureCommands.h"
#include "ui/frame/SequentialRun.h"
#include "ui/frame/StartUp.h"
#include "ui/frame/StatusBindings.h"
#include "ui/frame/ViewCommands.h"
#include "ui/frame/ViewProbe.h"
#include "ui/frame/ViewWindows.h"
#include "ui/viewwindow/ViewWindow.h"
#include "view/Magnify.h"

namespace ruvo {

namespace {

constexpr int kToolBarHeight = 50;
constexpr int kRightPanelWidth = 153;
constexpr int kStatusPanelHeight = 30;
constexpr int kToolButtonSize = 40;
constexpr int kFollowEditHeight = 25;
constexpr int kProgressRightMargin = 15;
constexpr int kDiagnosticLines = 2000;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QMenu* add_menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(text(caption));
    name_widget(menu, name);
    return menu;
}

// A list box of the right-hand panel, tall enough for `rows` rows.
QListWidget* file_list(QVBoxLayout* column, QLabel* label, const char* name, int rows) {
    auto* list = new QListWidget;
    name_widget(list, name, label->text());
    label->setBuddy(list);
    const int row = std::max(15, list->fontMetrics().height() + 2);
    list->setFixedHeight(rows * row + 2 * list->frameWidth());
    column->addWidget(label);
    column->addWidget(list);
    return list;
}

// A read-out box is wide enough for the longest of the texts it shows with
// a value of up to two integer digits; a longer value scrolls in its box and
// shows whole in its tool tip.
int readout_width(const QLineEdit& box, std::size_t n) {
    using namespace messages;
    static const std::array<std::vector<const char*>, 7> kPrefixes{{
        {kLineReadoutI, kProbeReadoutI},
        {kLineReadoutJ, kProbeReadoutJ},
        {kLineReadoutGridX, kLineReadoutVerticalMax, kLineReadoutAxisMax},
        {kLineReadoutGridY, kLineReadoutVerticalMin, kLineReadoutAxisMin},
        {kLineReadoutVx, kLineReadoutSMax, kLineReadoutSMaxIs},
        {kLineReadoutVy, kLineReadoutSMin},
        {kLineReadoutS},
    }};
    const QString widest_value = n < 2 ? QStringLiteral("149") : QStringLiteral("-00.0000000");
    int widest = 0;
    for (const char* prefix : kPrefixes[n]) {
        widest = std::max(widest, box.fontMetrics().horizontalAdvance(text(prefix) + widest_value));
    }
    // Inside its frame a line edit keeps two pixels beside the text and one
    // for the cursor.
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    return widest + 2 * (frame + 2) + 1;
}

// Each remembered folder that cannot be entered is replaced by the user's
// home folder, and then all five are written back.
RememberedFolders checked_remembered_folders() {
    RememberedFolders folders = RememberedFolders::read();
    if (replace_unusable_folders(folders, QDir::homePath())) folders.write();
    return folders;
}

// One of the three panels around the view area.
QFrame* panel(const char* name) {
    auto* frame = new QFrame;
    name_widget(frame, name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

}  // namespace

TRuvo_Main_Form::TRuvo_Main_Form(QStringList parameters, QWidget* parent)
    : QMainWindow(parent),
      ws_(std::make_unique<Workspace>()),
      project_(std::make_unique<ProjectCommands>(*ws_, folders_, static_cast<ProjectFrame&>(*this), *this)),
      pictures_(std::make_unique<PictureCommands>(folders_, *this)),
      parameters_(std::move(parameters)) {
    setObjectName(QStringLiteral("Ruvo_Main_Form"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kMainFormCaption));

    auto* central = new QWidget;
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    ToolBar = panel("ToolBar");
    ToolBar->setFixedHeight(kToolBarHeight);
    build_tool_bar(ToolBar);
    rows->addWidget(ToolBar);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    auto* view_area = new QMdiArea;
    view_area->setObjectName(QStringLiteral("ViewArea"));
    // A view that reaches past the area is reached by scrolling the area.
    view_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    middle->addWidget(view_area, 1);
    RightStatusBar = panel("RightStatusBar");
    RightStatusBar->setFixedWidth(kRightPanelWidth);
    build_right_panel(RightStatusBar);
    middle->addWidget(RightStatusBar);
    rows->addLayout(middle, 1);

    BottomStatusBar = panel("BottomStatusBar");
    BottomStatusBar->setFixedHeight(kStatusPanelHeight);
    build_status_panel(BottomStatusBar);
    rows->addWidget(BottomStatusBar);
    setCentralWidget(central);

    build_menus();
    build_diagnostics_pane();
    build_parts(*view_area);
    folders_ = checked_remembered_folders();

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

// The widgets hold references to the workspace and report to the frame and
// its parts: they go first, while all are whole, and the view area stops
// activating views as it goes.
TRuvo_Main_Form::~TRuvo_Main_Form() {
    disconnect(centralWidget()->findChild<QMdiArea*>(), nullptr, views_, nullptr);
    delete takeCentralWidget();
}

// The parts of the frame, each with one job, once the widgets they show in are built.
void TRuvo_Main_Form::build_parts(QMdiArea& view_area) {
    views_ = new ViewWindows(*ws_, view_area, *Memo3);
    views_->add_window_items(*Window_Main);
    for (auto [list, kind] : {std::pair{GridListBox, FileKind::Grid}, std::pair{VectorListBox, FileKind::Vector},
                              std::pair{ScalarListBox, FileKind::Scalar}}) {
        views_->open_from(*list, kind);
    }
    connect(views_, &ViewWindows::view_created, this, &TRuvo_Main_Form::connect_view);
    connect(views_, &ViewWindows::view_activated, this, &TRuvo_Main_Form::view_activated);
    connect(views_, &ViewWindows::view_shown, this, &TRuvo_Main_Form::view_shown);
    connect(views_, &ViewWindows::view_closed, this, &TRuvo_Main_Form::view_closed);
    connect(views_, &ViewWindows::redraw_requested, this, &TRuvo_Main_Form::Redraw);
    // Its dialogs are the window's own: the mnemonics of their labels and buttons come after the menus.
    commands_ = new ViewCommands(*ws_, folders_, *pictures_,
                                 {*this, *control_panel_, *progress_, *status_boxes_, *Memo3,
                                  [this] { return current_view(); }, [this] { Redraw(); }});
    menus_first_ = new MenusFirst(*menuBar(), this);
    for (QLabel* label : findChildren<QLabel*>()) menus_first_->watch(label);
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) menus_first_->watch(button);
    const auto readout = [this](const char* name) { return ToolBar->findChild<QLineEdit*>(QString::fromLatin1(name)); };
    follow_ = new FollowControl(
        *ws_, folders_, *this, {*readout("Follow_Info_Edit"), *readout("Follow_Time_Edit"), *Memo3},
        [this] { return view_windows(); }, [this] { return view_space(); });
    connect(FollowSB, &QToolButton::clicked, follow_, &FollowControl::show_setup);
    // Keys pressed while the main window has the focus go to the current view
    // window: the keyboard selection moves and scrolls that one.
    qApp->installEventFilter(new MainWindowKeys(*this, view_area, [this](const QKeyEvent& key) {
        if (TRuvo_Sub_Form* view = current_view()) view->FormKeyDown(key);
    }));
    probe_ =
        new ViewProbe(*ws_, {*this, view_area, *RightStatusBar, *KBMode_Edit, *status_boxes_,
                             [this] { return current_view(); }, [this] { Redraw(); }, [this] { Status_Refresh(); }});
    sequential_run_ = new SequentialRun(*ws_, folders_, *this, {*progress_, *status_boxes_, *Memo3},
                                        [this] { return current_view(); });
}

void TRuvo_Main_Form::build_menus() {
    QMenuBar* bar = menuBar();
    name_widget(bar, "MainMenu1");

    File_Main = add_menu(bar, "File_Main", messages::kFileMenu);
    connect(add_named_item(File_Main, "Sequential_Change_Save", messages::kSequentialChangeSave,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TRuvo_Main_Form::Sequential_Change_SaveClick);
    QAction* export_vts = add_named_item(File_Main, "Vts_Export", messages::kVtsExport);
    connect(export_vts, &QAction::triggered, project_.get(), &ProjectCommands::Export_VtsClick);
    connect(add_named_item(File_Main, "Exit1", messages::kExit), &QAction::triggered, this, &QWidget::close);

    Project_Main = add_menu(bar, "Project_Main", messages::kProjectMenu);
    QMenu* project = Project_Main;
    ProjectCommands* commands = project_.get();
    connect(add_named_item(project, "New_Project", messages::kNewProject, QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, commands, &ProjectCommands::New_ProjectClick);
    connect(add_named_item(project, "Open_Project", messages::kOpenProject, QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, commands, &ProjectCommands::Open_ProjectClick);
    const auto project_item = [&](const char* name, const char* caption, void (ProjectCommands::*command)(),
                                  const QKeySequence& shortcut = {}) {
        QAction* item = add_named_item(project, name, caption, shortcut);
        connect(item, &QAction::triggered, commands, command);
        return item;
    };
    project_items_ = {
        project_item("Project_OverWrite", messages::kProjectOverwrite, &ProjectCommands::Project_OverWriteClick,
                     QKeySequence(Qt::CTRL | Qt::Key_S)),
        project_item("Project_SaveAs", messages::kProjectSaveAs, &ProjectCommands::Project_SaveAsClick,
                     QKeySequence(Qt::CTRL | Qt::Key_A)),
        project_item("Project_FileAddDelete", messages::kProjectFileAddDelete,
                     &ProjectCommands::Project_FileAddDeleteClick),
        project_item("Close_Project", messages::kCloseProject, &ProjectCommands::Close_ProjectClick),
        export_vts,
    };
    set_project_items_enabled(false);

    // Its items come with the view windows' part.
    Window_Main = add_menu(bar, "Window_Main", messages::kWindowMenu);
    Window_Main->menuAction()->setEnabled(false);

    Help_Main = add_menu(bar, "Help_Main", messages::kHelpAccel);
    QMenu* help = Help_Main;
    connect(add_named_item(help, "Contents", messages::kHelpContents, QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, [this] { help_viewer().show_contents(); });
    connect(add_named_item(help, "SearchforHelpOn", messages::kHelpSearch), &QAction::triggered, this,
            [this] { help_viewer().show_search(); });
    connect(add_named_item(help, "About", messages::kAbout), &QAction::triggered, this, [this] {
        TAboutWindow about(this);
        about.exec();
    });
    help->addSeparator();
    QAction* diagnostics = add_named_item(help, "Diagnostics", messages::kDiagnostics);
    diagnostics->setCheckable(true);
}

bool TRuvo_Main_Form::may_end_following() { return follow_->may_end(); }

void TRuvo_Main_Form::end_following() { follow_->end(); }

void TRuvo_Main_Form::build_tool_bar(QWidget* tool_bar) {
    auto* row = new QHBoxLayout(tool_bar);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(2);
    // A speed button shows a picture, or a caption where it has one; its
    // hint is its tool tip.
    const auto add_button = [row](const char* name, const char* hint, const char* caption = nullptr) {
        auto* button = new QToolButton;
        name_widget(button, name, text(caption ? caption : hint));
        button->setToolTip(text(hint));
        button->setAutoRaise(true);
        button->setMinimumSize(kToolButtonSize, kToolButtonSize);
        button->setIconSize(QSize(24, 24));
        if (caption) button->setText(text(caption));
        row->addWidget(button);
        return button;
    };
    const auto picture = [this](QToolButton* button, QStyle::StandardPixmap icon) {
        button->setIcon(style()->standardIcon(icon));
        return button;
    };
    const auto new_project = picture(add_button("NewProjectSB", messages::kNewProjectHint), QStyle::SP_FileIcon);
    connect(new_project, &QToolButton::clicked, project_.get(), &ProjectCommands::New_ProjectClick);
    const auto open_project =
        picture(add_button("OpenProjectSB", messages::kOpenProjectHint), QStyle::SP_DialogOpenButton);
    connect(open_project, &QToolButton::clicked, project_.get(), &ProjectCommands::Open_ProjectClick);
    OpenSequentialSB =
        picture(add_button("OpenSequentialSB", messages::kOpenSequentialHint), QStyle::SP_FileDialogContentsView);
    connect(OpenSequentialSB, &QToolButton::clicked, this, &TRuvo_Main_Form::Sequential_Change_SaveClick);
    SaveOvewriteSB = picture(add_button("SaveOvewriteSB", messages::kSaveOverwriteHint), QStyle::SP_DialogSaveButton);
    connect(SaveOvewriteSB, &QToolButton::clicked, project_.get(), &ProjectCommands::Project_OverWriteClick);
    row->addSpacing(8);
    PrintSB = picture(add_button("PrintSB", messages::kPrint), QStyle::SP_FileDialogDetailedView);
    connect(PrintSB, &QToolButton::clicked, this, [this] {
        if (TRuvo_Sub_Form* view = current_view()) view->PrintClick();
    });
    MagniUpSB = picture(add_button("MagniUpSB", messages::kMagniUpHint), QStyle::SP_ArrowUp);
    MagniDownSB = picture(add_button("MagniDownSB", messages::kMagniDownHint), QStyle::SP_ArrowDown);
    WholeShowSB = add_button("WholeShowSB", messages::kWholeShowHint, messages::kWholeShowCaption);
    // The whole-view button steps down as MagniDownSB does.
    connect(MagniUpSB, &QToolButton::clicked, this, [this] { control_panel_->magnify(magnify_up); });
    for (QToolButton* down : {MagniDownSB, WholeShowSB}) {
        connect(down, &QToolButton::clicked, this, [this] { control_panel_->magnify(magnify_down); });
    }
    row->addSpacing(8);
    const auto help = picture(add_button("HelpSB", messages::kHelpHint), QStyle::SP_DialogHelpButton);
    connect(help, &QToolButton::clicked, this, [this] { help_viewer().show_contents(); });
    FollowSB = add_button("FollowSB", messages::kFollowHint, messages::kFollowCaption);
    Sq_StartSB = add_button("Sq_StartSB", messages::kSqStartHint, messages::kSqStartCaption);
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
    connect(Sq_StartSB, &QToolButton::clicked, this, [this] { sequential_run_->show_dialog(); });

    // Follow mode's read-outs, shown while it runs.
    for (const char* name : {"Follow_Info_Edit", "Follow_Time_Edit"}) {
        auto* edit = new QLineEdit;
        name_widget(edit, name, text(messages::kFollowTimeHint));
        edit->setReadOnly(true);
        edit->setFixedHeight(kFollowEditHeight);
        edit->hide();
        row->addWidget(edit);
    }
    tool_bar->findChild<QLineEdit*>(QStringLiteral("Follow_Time_Edit"))->setToolTip(text(messages::kFollowTimeHint));
    row->addStretch(1);
    set_view_buttons_enabled(false);
    SaveOvewriteSB->setEnabled(false);
}

void TRuvo_Main_Form::build_right_panel(QWidget* panel) {
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);
    const auto label = [](const char* name, const char* caption) {
        auto* widget = new QLabel(text(caption));
        name_widget(widget, name);
        return widget;
    };
    GridListBox = file_list(column, label("GridLabel", messages::kGridAccel), "GridListBox", 1);
    VectorListBox = file_list(column, label("VectorLabel", messages::kVectorAccel), "VectorListBox", 2);
    ScalarListBox = file_list(column, label("ScalarLabel", messages::kScalarAccel), "ScalarListBox", 3);
    // The control bars of the view being shown go below the lists.
    control_panel_ = new ControlPanel(*ws_);
    connect(control_panel_, &ControlPanel::redraw_requested, this, &TRuvo_Main_Form::Redraw);
    connect(control_panel_, &ControlPanel::status_refresh_requested, this, &TRuvo_Main_Form::Status_Refresh);
    column->addWidget(control_panel_);
    column->addStretch(1);
}

void TRuvo_Main_Form::build_status_panel(QWidget* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, kProgressRightMargin, 2);
    row->setSpacing(2);
    std::array<QLineEdit*, 7> edits{};  // Edit1..Edit7
    for (std::size_t n = 0; n < edits.size(); ++n) {
        auto* edit = new QLineEdit;
        const QByteArray name = "Edit" + QByteArray::number(static_cast<int>(n) + 1);
        name_widget(edit, name.constData(), QString::fromLatin1(name));
        edit->setReadOnly(true);
        edit->setFixedWidth(readout_width(*edit, n));
        row->addWidget(edit);
        edits[n] = edit;
    }
    status_boxes_ = std::make_unique<StatusEditBinding>(edits);
    KBMode_Edit = new QLineEdit(text(messages::kKBModeText));
    name_widget(KBMode_Edit, "KBMode_Edit");
    KBMode_Edit->setReadOnly(true);
    KBMode_Edit->setFixedWidth(KBMode_Edit->fontMetrics().horizontalAdvance(KBMode_Edit->text()) + 16);
    row->addWidget(KBMode_Edit);
    row->addStretch(1);
    auto* progress = new QProgressBar;
    name_widget(progress, "ProgressBar1", QStringLiteral("ProgressBar1"));
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);  // the percentage shows while a plot draws
    // The read-outs come first: the bar gives up width to them in a narrow window.
    progress->setMinimumWidth(60);
    progress->setMaximumWidth(150);
    row->addWidget(progress);
    progress_ = std::make_unique<ProgressBarBinding>(*progress);
    // A long read shows on the same bar, in thousandths of the file.
    ws_->read_shown = [bar = progress_.get(), showing = false](int thousandths) mutable {
        if (!showing) bar->set_maximum(ReadProgress::kSteps);
        showing = thousandths > 0;
        bar->set_position(thousandths);
    };
}

// The diagnostic dump of the status panel, hidden until asked for from the
// Help menu.
void TRuvo_Main_Form::build_diagnostics_pane() {
    auto* diagnostics = new QDockWidget(text(messages::kDiagnosticsTitle), this);
    name_widget(diagnostics, "DiagnosticsPane");
    auto* memos = new QWidget;
    auto* row = new QHBoxLayout(memos);
    for (auto [memo, name] : {std::pair{&Memo1, "Memo1"}, std::pair{&Memo2, "Memo2"}, std::pair{&Memo3, "Memo3"}}) {
        *memo = new QPlainTextEdit;
        name_widget(*memo, name, QString::fromLatin1(name));
        (*memo)->setReadOnly(true);
        (*memo)->setMaximumBlockCount(kDiagnosticLines);
        row->addWidget(*memo);
    }
    diagnostics->setWidget(memos);
    addDockWidget(Qt::BottomDockWidgetArea, diagnostics);
    diagnostics->hide();
    QAction* item = findChild<QAction*>(QStringLiteral("Diagnostics"));
    // The item and the pane follow each other (the pane has its own close box).
    connect(item, &QAction::toggled, diagnostics, &QWidget::setVisible);
    connect(diagnostics, &QDockWidget::visibilityChanged, item, &QAction::setChecked);
}

void TRuvo_Main_Form::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (first_show_done_) return;
    first_show_done_ = true;
    const QString project = command_line_project(parameters_, QDir::currentPath());
    if (!project.isEmpty()) open_project_file(project);
}

void TRuvo_Main_Form::open_project_file(const QString& path) { project_->open_project_file(path); }

void TRuvo_Main_Form::Close_Project() { project_->Close_Project(); }

void TRuvo_Main_Form::Show_File_Lists() {
    Delete_File_Lists();
    const ProjectTables& project = ws_->project;
    if (project.grid_file_count > 0) GridListBox->addItem(base_name(project.grid_file_name));
    for (int n = 0; n < project.vector_file_count; ++n) VectorListBox->addItem(base_name(project.vector_file_name[n]));
    for (int n = 0; n < project.scalar_file_count; ++n) ScalarListBox->addItem(base_name(project.scalar_file_name[n]));
}

void TRuvo_Main_Form::Delete_File_Lists() {
    GridListBox->clear();
    VectorListBox->clear();
    ScalarListBox->clear();
}

// Nothing the closed project showed stays in the panels.
void TRuvo_Main_Form::reset_panels() {
    control_panel_->reset();
    status_boxes_->show({});
    progress_->set_position(0);
}

void TRuvo_Main_Form::grid_read() { control_panel_->set_position_ranges(ws_->store); }

void TRuvo_Main_Form::note(const QString& line) { Memo3->appendPlainText(line); }

void TRuvo_Main_Form::project_loaded() {
    set_project_items_enabled(true);
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
    GridListBox->setFocus();
}

void TRuvo_Main_Form::project_files_chosen() {
    set_project_items_enabled(true);
    OpenSequentialSB->show();
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
}

void TRuvo_Main_Form::project_closed() {
    set_project_items_enabled(false);
    SaveOvewriteSB->setEnabled(false);
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
}

void TRuvo_Main_Form::set_project_items_enabled(bool enabled) {
    for (QAction* item : project_items_) item->setEnabled(enabled);
}

void TRuvo_Main_Form::closeEvent(QCloseEvent* event) {
    if (!project_->Save_Prompt()) {
        event->ignore();
        return;
    }
    if (help_viewer_) help_viewer_->close();
    QMainWindow::closeEvent(event);
}

HelpViewer& TRuvo_Main_Form::help_viewer() {
    if (!help_viewer_) help_viewer_ = new HelpViewer(this);
    return *help_viewer_;
}

}  // namespace ruvo
