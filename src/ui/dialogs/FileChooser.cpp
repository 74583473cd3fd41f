#include "ui/dialogs/FileChooser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "automation/SequentialEngine.h"
#include "data/ProjectFile.h"
#include "ui/Messages.h"
#include "ui/dialogs/ProjectEditing.h"
#include "ui/frame/StartUp.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString mask_of(int filter) {
    switch (filter) {
    case FileChooser::kGridFiles: return QString::fromLatin1(kDefaultGridMask);
    case FileChooser::kVectorFiles: return QString::fromLatin1(kDefaultVectorMask);
    case FileChooser::kScalarFiles: return QString::fromLatin1(kDefaultScalarMask);
    default: return QString::fromLatin1(messages::kAllFilesMask);
    }
}

// The kind radio group's buttons stand for the file kinds in the same order.
int kind_button_of(FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return FileChooser::kGrid;
    case FileKind::Vector: return FileChooser::kVector;
    case FileKind::Scalar: return FileChooser::kScalar;
    }
    return FileChooser::kOther;
}

}  // namespace

FileChooser::FileChooser(QWidget& owner, QGridLayout& grid, QVBoxLayout& kinds, Style style)
    : QObject(&owner), owner_(owner), style_(style) {
    DirectoryListBox1 = new QTreeWidget;
    DirectoryListBox1->setHeaderHidden(true);
    grid.addWidget(label_for(DirectoryListBox1, "FolderLabel", messages::kFolderLabel, "DirectoryListBox1"), 0, 0);
    grid.addWidget(DirectoryListBox1, 1, 0);
    connect(DirectoryListBox1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { change_folder(item->data(0, kPathRole).toString()); });

    FileListBox1 = new QListWidget;
    if (style_.multiple) FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid.addWidget(label_for(FileListBox1, "FileNameLabel", messages::kFileNameLabel, "FileListBox1"), 0, 1);
    grid.addWidget(FileListBox1, 1, 1);
    connect(FileListBox1, &QListWidget::itemClicked, this, &FileChooser::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &FileChooser::add_requested);

    DriveComboBox1 = new QComboBox;
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo& a, const QStorageInfo& b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo& volume : volumes) DriveComboBox1->addItem(volume.rootPath(), volume.rootPath());
    grid.addWidget(label_for(DriveComboBox1, "DriveLabel", messages::kDriveLabel, "DriveComboBox1"), 2, 0);
    grid.addWidget(DriveComboBox1, 3, 0);
    connect(DriveComboBox1, &QComboBox::activated, this, &FileChooser::DriveComboBox1Change);

    FilterComboBox1 = new QComboBox;
    for (const char* filter :
         {messages::kGridFilter, messages::kVectorFilter, messages::kScalarFilter, messages::kAllFilesFilter}) {
        FilterComboBox1->addItem(text(filter));
    }
    grid.addWidget(label_for(FilterComboBox1, "FileFilterLabel", messages::kFileFilterLabel, "FilterComboBox1"), 2, 1);
    grid.addWidget(FilterComboBox1, 3, 1);
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, &FileChooser::FilterComboBox1Change);

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
    kinds.addWidget(kind_group);
    DirectoryListBox1->installEventFilter(this);
    FileListBox1->installEventFilter(this);
}

void FileChooser::start_at(const QString& folder) {
    mask_ = mask_of(kAllFiles);
    {
        const QSignalBlocker quiet(FilterComboBox1);
        FilterComboBox1->setCurrentIndex(kAllFiles);
    }
    kinds_->button(kOther)->setChecked(true);
    change_folder(folder_can_be_entered(folder) ? folder : QDir::homePath());
}

int FileChooser::kind_button() const { return kinds_->checkedId(); }

std::optional<FileKind> FileChooser::kind() const {
    switch (kind_button()) {
    case kGrid: return FileKind::Grid;
    case kVector: return FileKind::Vector;
    case kScalar: return FileKind::Scalar;
    default: return std::nullopt;
    }
}

QStringList FileChooser::chosen_files() const {
    QStringList chosen;
    const QDir dir(folder_);
    for (int row = 0; row < FileListBox1->count(); ++row) {
        if (FileListBox1->item(row)->isSelected()) chosen << dir.filePath(FileListBox1->item(row)->text());
    }
    return chosen;
}

void FileChooser::change_folder(const QString& path) {
    if (!folder_can_be_entered(path)) return;
    folder_ = QDir(path).absolutePath();
    fill_folder_tree();
    fill_file_list();
    select_drive_of_folder();
}

// The folders from the root down to the shown one, then its subfolders.
void FileChooser::fill_folder_tree() {
    DirectoryListBox1->clear();
    QStringList chain;
    for (QDir dir(folder_);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp()) break;
    }
    QTreeWidgetItem* parent = nullptr;
    const QIcon open_icon = owner_.style()->standardIcon(QStyle::SP_DirOpenIcon);
    for (const QString& path : chain) {
        const QString name = QDir(path).isRoot() ? path : QDir(path).dirName();
        auto* item = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(DirectoryListBox1, {name});
        item->setData(0, kPathRole, path);
        item->setIcon(0, open_icon);
        item->setExpanded(true);
        parent = item;
    }
    const QIcon closed_icon = owner_.style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir shown(folder_);
    for (const QString& name : shown.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QTreeWidgetItem(parent, {name});
        item->setData(0, kPathRole, shown.filePath(name));
        item->setIcon(0, closed_icon);
    }
    DirectoryListBox1->setCurrentItem(parent);
}

// QDir matches name filters in any case, as on the system the masks come from.
void FileChooser::fill_file_list() {
    FileListBox1->clear();
    QStringList names = QDir(folder_).entryList(name_filters_of(mask_), QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (style_.natural_order) sort_naturally(names);
    FileListBox1->addItems(names);
}

void FileChooser::select_drive_of_folder() {
    const QSignalBlocker quiet(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(DriveComboBox1->findData(QStorageInfo(folder_).rootPath()));
}

void FileChooser::DriveComboBox1Change(int index) {
    const QString root = DriveComboBox1->itemData(index).toString();
    const QStorageInfo drive(root);
    if (!drive.isValid() || !drive.isReady() || !folder_can_be_entered(root)) {
        show_error(&owner_, messages::kDriveNotReady);
        select_drive_of_folder();
        return;
    }
    change_folder(root);
}

void FileChooser::FilterComboBox1Change(int index) {
    mask_ = mask_of(index);
    kinds_->button(index == kAllFiles ? kOther : index)->setChecked(true);
    fill_file_list();
}

void FileChooser::FileListBox1Click(QListWidgetItem* item) {
    if (const std::optional<FileKind> kind = kind_of_extension(item->text())) {
        kinds_->button(kind_button_of(*kind))->setChecked(true);
    } else if (style_.unknown_is_other) {
        kinds_->button(kOther)->setChecked(true);
    }
}

// Enter opens a folder in the tree and adds the chosen files in the file list.
bool FileChooser::eventFilter(QObject* watched, QEvent* event) {
    if (!is_enter(event)) return QObject::eventFilter(watched, event);
    if (watched == DirectoryListBox1) {
        if (QTreeWidgetItem* item = DirectoryListBox1->currentItem()) {
            change_folder(item->data(0, kPathRole).toString());
        }
    } else {
        emit add_requested();
    }
    return true;
}

void show_error(QWidget* parent, const char* message) {
    QMessageBox::critical(parent, text(messages::kErrorTitle), text(message));
}

bool is_enter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QLabel* label_for(QWidget* widget, const char* name, const char* caption, const char* widget_name) {
    auto* label = new QLabel(text(caption));
    name_widget(label, name);
    label->setBuddy(widget);
    name_widget(widget, widget_name, label->text());
    return label;
}

QString kind_word(FileKind kind) {
    switch (kind) {
    case FileKind::Grid: return text(messages::kGridKind);
    case FileKind::Vector: return text(messages::kVectorKind);
    case FileKind::Scalar: return text(messages::kScalarKind);
    }
    return {};
}

// The kind column has no vertical scroll bar of its own, and it shows a
// horizontal one whenever the names do, so that both lists show the same
// number of rows.
QHBoxLayout* pair_lists(QListWidget& names, QListWidget& kinds, const char* kinds_name) {
    name_widget(&kinds, kinds_name, names.accessibleName());
    kinds.setFixedWidth(70);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(&names, 1);
    row->addWidget(&kinds);
    QObject::connect(&names, &QListWidget::currentRowChanged, &kinds, [&kinds](int row) { kinds.setCurrentRow(row); });
    QObject::connect(&kinds, &QListWidget::currentRowChanged, &names, [&names](int row) { names.setCurrentRow(row); });
    kinds.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* name_bar = names.verticalScrollBar();
    QScrollBar* kind_bar = kinds.verticalScrollBar();
    QObject::connect(name_bar, &QScrollBar::valueChanged, kind_bar, &QScrollBar::setValue);
    QObject::connect(kind_bar, &QScrollBar::valueChanged, name_bar, &QScrollBar::setValue);
    QObject::connect(names.horizontalScrollBar(), &QScrollBar::rangeChanged, &kinds, [&kinds](int, int maximum) {
        kinds.setHorizontalScrollBarPolicy(maximum > 0 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    });
    kinds.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return row;
}

// The row is as high as the taller of its two texts in both lists (a
// Japanese word stands higher than a Latin name), so the rows stay side by
// side however many.
void insert_pair_row(QListWidget& names, QListWidget& kinds, int row, const QString& name, const QString& kind) {
    names.insertItem(row, name);
    kinds.insertItem(row, kind);
    const int height = std::max(names.sizeHintForRow(row), kinds.sizeHintForRow(row));
    for (QListWidget* list : {&names, &kinds}) {
        const int width = list->sizeHintForIndex(list->model()->index(row, 0)).width();
        list->item(row)->setSizeHint(QSize(width, height));
    }
}

}  // namespace ruvo
