#include "ui/Project.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "data/FileNames.h"
#include "ui/Messages.h"
#include "ui/ProjectEditing.h"
#include "ui/StartUp.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

constexpr int kDialogWidth = 830;
constexpr int kDialogHeight = 370;
constexpr int kPathRole = Qt::UserRole;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString kind_word(FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return text(messages::kGridKind);
    case FileKind::Vector: return text(messages::kVectorKind);
    case FileKind::Scalar: return text(messages::kScalarKind);
    }
    return {};
}

QString mask_of(int filter) {
    switch (filter) {
    case TProject_Dialog::kGridFiles: return QString::fromLatin1(kDefaultGridMask);
    case TProject_Dialog::kVectorFiles: return QString::fromLatin1(kDefaultVectorMask);
    case TProject_Dialog::kScalarFiles: return QString::fromLatin1(kDefaultScalarMask);
    default: return QString::fromLatin1(messages::kAllFilesMask);
    }
}

bool is_enter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A label over the widget it names; its accelerator moves the focus there.
QLabel* label_for(QWidget* widget, const char* name, const char* caption, const char* widget_name) {
    auto* label = new QLabel(text(caption));
    name_widget(label, name);
    label->setBuddy(widget);
    name_widget(widget, widget_name, label->text());
    return label;
}

bool has_selection(const QListWidget* list) { return !list->selectedItems().isEmpty(); }

// The kind radio group's buttons stand for the file kinds in the same order.
int kind_button_of(FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return TProject_Dialog::kGrid;
    case FileKind::Vector: return TProject_Dialog::kVector;
    case FileKind::Scalar: return TProject_Dialog::kScalar;
    }
    return TProject_Dialog::kOther;
}

FileKind file_kind_of(int kind_button) {
    return kind_button == TProject_Dialog::kGrid     ? FileKind::Grid
           : kind_button == TProject_Dialog::kVector ? FileKind::Vector
                                                     : FileKind::Scalar;
}

}  // namespace

TProject_Dialog::TProject_Dialog(ProjectTables& project, const QString& folder, QWidget* parent)
    : QDialog(parent), project_(project), edited_(project) {
    setObjectName(QStringLiteral("Project_Dialog"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kProjectDialogCaptionBefore) + base_name(edited_.project_file_name) +
                   text(messages::kProjectDialogCaptionAfter));
    build();
    setFixedSize(kDialogWidth, kDialogHeight);

    mask_ = mask_of(kAllFiles);
    {
        const QSignalBlocker quiet(FilterComboBox1);
        FilterComboBox1->setCurrentIndex(kAllFiles);
    }
    kinds_->button(kOther)->setChecked(true);
    fill_project_lists();
    change_folder(folder_can_be_entered(folder) ? folder : QDir::homePath());
}

void TProject_Dialog::build() {
    auto* grid = new QGridLayout(this);

    DirectoryListBox1 = new QTreeWidget;
    DirectoryListBox1->setHeaderHidden(true);
    grid->addWidget(label_for(DirectoryListBox1, "FolderLabel", messages::kFolderLabel, "DirectoryListBox1"), 0, 0);
    grid->addWidget(DirectoryListBox1, 1, 0);
    connect(DirectoryListBox1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { change_folder(item->data(0, kPathRole).toString()); });

    FileListBox1 = new QListWidget;
    grid->addWidget(label_for(FileListBox1, "FileNameLabel", messages::kFileNameLabel, "FileListBox1"), 0, 1);
    grid->addWidget(FileListBox1, 1, 1);
    connect(FileListBox1, &QListWidget::itemClicked, this, &TProject_Dialog::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &TProject_Dialog::AddButtonClick);

    DriveComboBox1 = new QComboBox;
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo& volume : volumes) DriveComboBox1->addItem(volume.rootPath(), volume.rootPath());
    grid->addWidget(label_for(DriveComboBox1, "DriveLabel", messages::kDriveLabel, "DriveComboBox1"), 2, 0);
    grid->addWidget(DriveComboBox1, 3, 0);
    connect(DriveComboBox1, &QComboBox::activated, this, &TProject_Dialog::DriveComboBox1Change);

    FilterComboBox1 = new QComboBox;
    for (const char* filter : {messages::kGridFilter, messages::kVectorFilter, messages::kScalarFilter,
                               messages::kAllFilesFilter}) {
        FilterComboBox1->addItem(text(filter));
    }
    grid->addWidget(label_for(FilterComboBox1, "FileFilterLabel", messages::kFileFilterLabel, "FilterComboBox1"), 2, 1);
    grid->addWidget(FilterComboBox1, 3, 1);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, &TProject_Dialog::FilterComboBox1Change);

    auto* middle = new QVBoxLayout;
    auto* kind_group = new QGroupBox(text(messages::kKindGroup));
    name_widget(kind_group, "KindRadioGroup");
    auto* kind_column = new QVBoxLayout(kind_group);
    kinds_ = new QButtonGroup(this);
    int id = kGrid;
    for (const char* caption :
         {messages::kGridAccel, messages::kVectorAccel, messages::kScalarAccel, messages::kKindOther}) {
        auto* button = new QRadioButton(text(caption));
        kinds_->addButton(button, id++);
        kind_column->addWidget(button);
    }
    middle->addWidget(kind_group);
    middle->addStretch(1);
    auto* add = new QPushButton(text(messages::kAddButton));
    name_widget(add, "AddButton");
    connect(add, &QPushButton::clicked, this, &TProject_Dialog::AddButtonClick);
    auto* remove = new QPushButton(text(messages::kDeleteButton));
    name_widget(remove, "DeleteButton");
    connect(remove, &QPushButton::clicked, this, &TProject_Dialog::DeleteButtonClick);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch(1);
    grid->addLayout(middle, 1, 2);

    ProjectFileList = new QListWidget;
    FileKindList = new QListWidget;
    name_widget(FileKindList, "FileKindList", text(messages::kProjectListLabel));
    FileKindList->setFixedWidth(70);
    grid->addWidget(label_for(ProjectFileList, "ProjectLabel", messages::kProjectListLabel, "ProjectFileList"), 0, 3);
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    lists->addWidget(ProjectFileList, 1);
    lists->addWidget(FileKindList);
    grid->addLayout(lists, 1, 3);
    // A line chosen in either list is chosen in both.
    connect(ProjectFileList, &QListWidget::currentRowChanged, FileKindList,
            [this](int row) { FileKindList->setCurrentRow(row); });
    connect(FileKindList, &QListWidget::currentRowChanged, ProjectFileList,
            [this](int row) { ProjectFileList->setCurrentRow(row); });
    for (QListWidget* list : {ProjectFileList, FileKindList}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &TProject_Dialog::DeleteButtonClick);
    }
    keep_kinds_beside_names();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto add_button = [this, buttons](const char* name, const char* caption) {
        auto* button = new QPushButton(text(caption));
        name_widget(button, name);
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    connect(add_button("OkButton", messages::kOkButton), &QPushButton::clicked, this, &TProject_Dialog::OkButtonClick);
    connect(add_button("CancelButton", messages::kCancelButton), &QPushButton::clicked, this, &TProject_Dialog::reject);
    add_button("HelpButton", messages::kHelpAccel);
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    grid->addLayout(buttons, 3, 2, 1, 2);

    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    ProjectFileList->setMinimumWidth(150);
    for (QWidget* list : {static_cast<QWidget*>(DirectoryListBox1), static_cast<QWidget*>(FileListBox1),
                          static_cast<QWidget*>(ProjectFileList), static_cast<QWidget*>(FileKindList)}) {
        list->installEventFilter(this);
    }
}

// The kind column scrolls with the names, row for row: it has no vertical
// scroll bar of its own, and it shows a horizontal one whenever the names do,
// so that both lists show the same number of rows.
void TProject_Dialog::keep_kinds_beside_names() {
    FileKindList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* names = ProjectFileList->verticalScrollBar();
    QScrollBar* kinds = FileKindList->verticalScrollBar();
    connect(names, &QScrollBar::valueChanged, kinds, &QScrollBar::setValue);
    connect(kinds, &QScrollBar::valueChanged, names, &QScrollBar::setValue);
    connect(ProjectFileList->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
        FileKindList->setHorizontalScrollBarPolicy(maximum > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    });
    FileKindList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int TProject_Dialog::kind() const { return kinds_->checkedId(); }

void TProject_Dialog::fill_project_lists() {
    ProjectFileList->clear();
    FileKindList->clear();
    int row = 0;
    for (const ProjectLine& line : project_lines(edited_)) insert_project_row(row++, path_of(edited_, line), line.kind);
}

// A file's name and its kind on one row of the two lists. The row is as
// high as the taller of its two texts in both lists (a Japanese word stands
// higher than a Latin name), so the rows stay side by side however many.
void TProject_Dialog::insert_project_row(int row, const QString& path, FileKind kind) {
    ProjectFileList->insertItem(row, base_name(path));
    FileKindList->insertItem(row, kind_word(kind));
    const int height = std::max(ProjectFileList->sizeHintForRow(row), FileKindList->sizeHintForRow(row));
    for (QListWidget* list : {ProjectFileList, FileKindList}) {
        const int width = list->sizeHintForIndex(list->model()->index(row, 0)).width();
        list->item(row)->setSizeHint(QSize(width, height));
    }
}

void TProject_Dialog::change_folder(const QString& path) {
    if (!folder_can_be_entered(path)) return;
    folder_ = QDir(path).absolutePath();
    fill_folder_tree();
    fill_file_list();
    select_drive_of_folder();
}

// The folders from the root down to the shown one, then its subfolders.
void TProject_Dialog::fill_folder_tree() {
    DirectoryListBox1->clear();
    QStringList chain;
    for (QDir dir(folder_);; ) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) break;
    }
    QTreeWidgetItem* parent = nullptr;
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(DirectoryListBox1, {name});
        item->setData(0, kPathRole, path);
        item->setIcon(0, open_icon);
        item->setExpanded(true);
        parent = item;
    }
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir shown(folder_);
    for (const QString& name : shown.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QTreeWidgetItem(parent, {name});
        item->setData(0, kPathRole, shown.filePath(name));
        item->setIcon(0, closed_icon);
    }
    DirectoryListBox1->setCurrentItem(parent);
}

// QDir matches name filters in any case, as on the system the masks come from.
void TProject_Dialog::fill_file_list() {
    FileListBox1->clear();
    FileListBox1->addItems(
        QDir(folder_).entryList(name_filters_of(mask_), QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void TProject_Dialog::select_drive_of_folder() {
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(QStorageInfo(folder_).rootPath()));
}

void TProject_Dialog::DriveComboBox1Change(int index) {
    const QString root = DriveComboBox1->itemData(index).toString();
    const QStorageInfo drive(root);
    if (!drive.isValid() || !drive.isReady() || !folder_can_be_entered(root)) {
        error(messages::kDriveNotReady);
        select_drive_of_folder();
        return;
    }
    change_folder(root);
}

// The kind follows the filter: a filter of one kind selects that kind.
void TProject_Dialog::FilterComboBox1Change(int index) {
    mask_ = mask_of(index);
    kinds_->button(index == kAllFiles ? kOther : index)->setChecked(true);
    fill_file_list();
}

void TProject_Dialog::FileListBox1Click(QListWidgetItem* item) {
    if (const std::optional<FileKind> kind = kind_of_extension(item->text())) {
        kinds_->button(kind_button_of(*kind))->setChecked(true);
    }
}

void TProject_Dialog::AddButtonClick() {
    if (!has_selection(FileListBox1)) return;
    if (kind() == kOther) {
        error(messages::kChooseKindFirst);
        return;
    }
    const FileKind kind_to_add = file_kind_of(kind());
    const QString path = QDir(folder_).filePath(FileListBox1->selectedItems().first()->text());
    const std::optional<int> line = add_project_file(edited_, kind_to_add, path);
    if (!line) {
        error(messages::kCannotAddMore);
        return;
    }
    insert_project_row(*line, path, kind_to_add);
}

void TProject_Dialog::DeleteButtonClick() {
    if (!has_selection(ProjectFileList)) return;
    const int line = ProjectFileList->currentRow();
    if (!delete_project_line(edited_, line)) return;
    delete ProjectFileList->takeItem(line);
    delete FileKindList->takeItem(line);
}

void TProject_Dialog::OkButtonClick() {
    if (edited_.grid_file_count == 0) {
        error(messages::kGridRequired);
        return;
    }
    project_ = edited_;
    accept();
}

// Enter opens a folder in the tree, adds the chosen file in the file list,
// and deletes the chosen line in the project lists.
bool TProject_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (!is_enter(event)) return QDialog::eventFilter(watched, event);
    if (watched == DirectoryListBox1) {
        if (QTreeWidgetItem* item = DirectoryListBox1->currentItem()) {
            change_folder(item->data(0, kPathRole).toString());
        }
    } else if (watched == FileListBox1) {
        AddButtonClick();
    } else {
        DeleteButtonClick();
    }
    return true;
}

void TProject_Dialog::error(const char* message) {
    QMessageBox::critical(this, text(messages::kErrorTitle), text(message));
}

}  // namespace ruvo
