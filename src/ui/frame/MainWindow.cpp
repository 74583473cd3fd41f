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
#include <QMessageBox>
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
#include "automation/FollowEngine.h"
#include "data/FileNames.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/frame/ControlPanel.h"
#include "ui/dialogs/HelpViewer.h"
#include "ui/frame/MenuShortcuts.h"
#include "ui/frame/PictureCommands.h"
#include "ui/dialogs/ConversionProgressDialog.h"
#include "ui/Messages.h"
#include "ui/frame/StartUp.h"
#include "ui/frame/StatusBindings.h"
#include "ui/viewwindow/ViewWindow.h"
#include "ui/frame/MainWindowKeys.h"
#include "ui/WidgetNames.h"
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
    mdi_area_ = new QMdiArea;
    mdi_area_->setObjectName(QStringLiteral("ViewArea"));
    // A view that reaches past the area is reached by scrolling the area.
    mdi_area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    middle->addWidget(mdi_area_, 1);
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
    create_view_dialogs();
    menus_first_ = new MenusFirst(*menuBar(), this);
    for (QLabel* label : findChildren<QLabel*>()) menus_first_->watch(label);
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) menus_first_->watch(button);
    connect(mdi_area_, &QMdiArea::subWindowActivated, this, &TRuvo_Main_Form::on_sub_window_activated);
    build_follow_mode();
    // Keys pressed while the main window has the focus go to the current view
    // window: the keyboard selection moves and scrolls that one.
    qApp->installEventFilter(new MainWindowKeys(*this, *mdi_area_, [this](const QKeyEvent& key) {
        if (TRuvo_Sub_Form* view = current_view()) view->FormKeyDown(key);
    }));

    progress_ = std::make_unique<ProgressBarBinding>(*ProgressBar1);
    status_boxes_ = std::make_unique<StatusEditBinding>(edits_);

    check_remembered_folders();

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

// The widgets hold references to the workspace and report to the frame:
// they go first, while both are whole.
TRuvo_Main_Form::~TRuvo_Main_Form() {
    disconnect(mdi_area_, nullptr, this, nullptr);
    delete takeCentralWidget();
}

void TRuvo_Main_Form::build_menus() {
    QMenuBar* bar = menuBar();
    name_widget(bar, "MainMenu1");

    File_Main = add_menu(bar, "File_Main", messages::kFileMenu);
    connect(add_named_item(File_Main, "Sequential_Change_Save", messages::kSequentialChangeSave,
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &TRuvo_Main_Form::Sequential_Change_SaveClick);
    connect(add_named_item(File_Main, "Exit1", messages::kExit), &QAction::triggered, this, &QWidget::close);

    Project_Main = add_menu(bar, "Project_Main", messages::kProjectMenu);
    QMenu* project = Project_Main;
    ProjectCommands* commands = project_.get();
    connect(add_named_item(project, "New_Project", messages::kNewProject, QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, commands, &ProjectCommands::New_ProjectClick);
    connect(add_named_item(project, "Open_Project", messages::kOpenProject, QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, commands, &ProjectCommands::Open_ProjectClick);
    Project_OverWrite =
        add_named_item(project, "Project_OverWrite", messages::kProjectOverwrite, QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(Project_OverWrite, &QAction::triggered, commands, &ProjectCommands::Project_OverWriteClick);
    Project_SaveAs =
        add_named_item(project, "Project_SaveAs", messages::kProjectSaveAs, QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(Project_SaveAs, &QAction::triggered, commands, &ProjectCommands::Project_SaveAsClick);
    Project_FileAddDelete = add_named_item(project, "Project_FileAddDelete", messages::kProjectFileAddDelete);
    connect(Project_FileAddDelete, &QAction::triggered, commands, &ProjectCommands::Project_FileAddDeleteClick);
    Close_Project_Action = add_named_item(project, "Close_Project", messages::kCloseProject);
    connect(Close_Project_Action, &QAction::triggered, commands, &ProjectCommands::Close_ProjectClick);
    set_project_items_enabled(false);

    Window_Main = add_menu(bar, "Window_Main", messages::kWindowMenu);
    connect(add_named_item(Window_Main, "Cascade_Windows", messages::kCascadeWindows), &QAction::triggered, this,
            &TRuvo_Main_Form::Window_Cascade);
    connect(add_named_item(Window_Main, "Tile_Horizon", messages::kTileHorizon), &QAction::triggered, this,
            [this] { tile_views(true); });
    connect(add_named_item(Window_Main, "Tile_Vertical", messages::kTileVertical), &QAction::triggered, this,
            [this] { tile_views(false); });
    connect(add_named_item(Window_Main, "Arrange_Icons", messages::kArrangeIcons), &QAction::triggered, this,
            &TRuvo_Main_Form::Arrange_IconsClick);
    connect(Window_Main, &QMenu::aboutToShow, this, &TRuvo_Main_Form::fill_window_menu);
    Window_Main->menuAction()->setEnabled(false);

    Help_Main = add_menu(bar, "Help_Main", messages::kHelpAccel);
    QMenu* help = Help_Main;
    connect(add_named_item(help, "Contents", messages::kHelpContents, QKeySequence(Qt::Key_F1)), &QAction::triggered,
            this, [this] { help_viewer().show_contents(); });
    connect(add_named_item(help, "SearchforHelpOn", messages::kHelpSearch), &QAction::triggered, this,
            [this] { help_viewer().show_search(); });
    connect(add_named_item(help, "About", messages::kAbout), &QAction::triggered, this, &TRuvo_Main_Form::AboutClick);
    help->addSeparator();
    QAction* diagnostics = add_named_item(help, "Diagnostics", messages::kDiagnostics);
    diagnostics->setCheckable(true);
}

void TRuvo_Main_Form::build_tool_bar(QFrame* tool_bar) {
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
    connect(Sq_StartSB, &QToolButton::clicked, this, [this] { Sequential_Info->exec(); });

    // Follow mode's read-outs, shown while it runs.
    for (const char* name : {"Follow_Info_Edit", "Follow_Time_Edit"}) {
        auto* edit = new QLineEdit;
        name_widget(edit, name, text(messages::kFollowTimeHint));
        edit->setReadOnly(true);
        edit->setFixedHeight(kFollowEditHeight);
        edit->hide();
        row->addWidget(edit);
    }
    Follow_Info_Edit = tool_bar->findChild<QLineEdit*>(QStringLiteral("Follow_Info_Edit"));
    Follow_Time_Edit = tool_bar->findChild<QLineEdit*>(QStringLiteral("Follow_Time_Edit"));
    Follow_Time_Edit->setToolTip(text(messages::kFollowTimeHint));
    row->addStretch(1);
    set_view_buttons_enabled(false);
    SaveOvewriteSB->setEnabled(false);
}

void TRuvo_Main_Form::build_right_panel(QFrame* panel) {
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
    for (QListWidget* list : {GridListBox, VectorListBox, ScalarListBox}) {
        connect(list, &QListWidget::itemDoubleClicked, this, [this, list] { open_selected(list); });
        list->installEventFilter(this);
    }
    // The control bars of the view being shown go below the lists.
    control_panel_ = new ControlPanel(*ws_);
    connect(control_panel_, &ControlPanel::redraw_requested, this, &TRuvo_Main_Form::Redraw);
    connect(control_panel_, &ControlPanel::status_refresh_requested, this, &TRuvo_Main_Form::Status_Refresh);
    column->addWidget(control_panel_);
    column->addStretch(1);
}

void TRuvo_Main_Form::build_status_panel(QFrame* panel) {
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, kProgressRightMargin, 2);
    row->setSpacing(2);
    for (std::size_t n = 0; n < edits_.size(); ++n) {
        auto* edit = new QLineEdit;
        const QByteArray name = "Edit" + QByteArray::number(static_cast<int>(n) + 1);
        name_widget(edit, name.constData(), QString::fromLatin1(name));
        edit->setReadOnly(true);
        edit->setFixedWidth(readout_width(*edit, n));
        row->addWidget(edit);
        edits_[n] = edit;
    }
    KBMode_Edit = new QLineEdit(text(messages::kKBModeText));
    name_widget(KBMode_Edit, "KBMode_Edit");
    KBMode_Edit->setReadOnly(true);
    KBMode_Edit->setFixedWidth(KBMode_Edit->fontMetrics().horizontalAdvance(KBMode_Edit->text()) + 16);
    show_key_mode(KeyModeShade::Ended);
    row->addWidget(KBMode_Edit);
    row->addStretch(1);
    ProgressBar1 = new QProgressBar;
    name_widget(ProgressBar1, "ProgressBar1", QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);  // the percentage shows while a plot draws
    // The read-outs come first: the bar gives up width to them in a narrow window.
    ProgressBar1->setMinimumWidth(60);
    ProgressBar1->setMaximumWidth(150);
    row->addWidget(ProgressBar1);
}

// The diagnostic dump of the status panel, hidden until asked for from the
// Help menu.
void TRuvo_Main_Form::build_diagnostics_pane() {
    diagnostics_ = new QDockWidget(text(messages::kDiagnosticsTitle), this);
    name_widget(diagnostics_, "DiagnosticsPane");
    auto* memos = new QWidget;
    auto* row = new QHBoxLayout(memos);
    for (auto [memo, name] : {std::pair{&Memo1, "Memo1"}, std::pair{&Memo2, "Memo2"}, std::pair{&Memo3, "Memo3"}}) {
        *memo = new QPlainTextEdit;
        name_widget(*memo, name, QString::fromLatin1(name));
        (*memo)->setReadOnly(true);
        (*memo)->setMaximumBlockCount(kDiagnosticLines);
        row->addWidget(*memo);
    }
    diagnostics_->setWidget(memos);
    addDockWidget(Qt::BottomDockWidgetArea, diagnostics_);
    diagnostics_->hide();
    QAction* item = findChild<QAction*>(QStringLiteral("Diagnostics"));
    // The item and the pane follow each other (the pane has its own close box).
    connect(item, &QAction::toggled, diagnostics_, &QWidget::setVisible);
    connect(diagnostics_, &QDockWidget::visibilityChanged, item, &QAction::setChecked);
}

// Each remembered folder that cannot be entered is replaced by the user's
// home folder, and then all five are written back.
void TRuvo_Main_Form::check_remembered_folders() {
    folders_ = RememberedFolders::read();
    if (replace_unusable_folders(folders_, QDir::homePath())) folders_.write();
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
    for (QAction* item : {Project_OverWrite, Project_SaveAs, Project_FileAddDelete, Close_Project_Action}) {
        item->setEnabled(enabled);
    }
}

void TRuvo_Main_Form::closeEvent(QCloseEvent* event) {
    if (!project_->Save_Prompt()) {
        event->ignore();
        return;
    }
    if (help_viewer_) help_viewer_->close();
    QMainWindow::closeEvent(event);
}

// Enter in a file list opens the selected file, as a double-click does.
bool TRuvo_Main_Form::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            open_selected(list);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

HelpViewer& TRuvo_Main_Form::help_viewer() {
    if (!help_viewer_) help_viewer_ = new HelpViewer(this);
    return *help_viewer_;
}

void TRuvo_Main_Form::AboutClick() {
    TAboutWindow about(this);
    about.exec();
}

void TRuvo_Main_Form::warn(const char* message) {
    QMessageBox::warning(this, text(messages::kWarningTitle), text(message));
}

void TRuvo_Main_Form::fail(const QString& message) {
    QMessageBox::critical(this, text(messages::kErrorTitle), message);
}

}  // namespace ruvo
