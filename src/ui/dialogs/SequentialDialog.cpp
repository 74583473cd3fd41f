#include "ui/dialogs/SequentialDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/BrowseDialog.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/Messages.h"
#include "ui/frame/StartUp.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const char* refusal_text(AddRefusal refusal) {
    switch (refusal) {
    case AddRefusal::Full: return messages::kCannotAddMore;
    case AddRefusal::OneGridOnly: return messages::kOneGridOnly;
    case AddRefusal::OtherKind: return messages::kOneDataKindOnly;
    case AddRefusal::KindNotChosen: return messages::kChooseKindFirst;
    case AddRefusal::None: break;
    }
    return nullptr;
}

QPushButton* named_button(const char* name, const char* caption) {
    auto* button = new QPushButton(text(caption));
    name_widget(button, name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TSequential_Dialog::TSequential_Dialog(SequentialSet& set, RememberedFolders& folders, QWidget* parent)
    : QDialog(parent), set_(set), edited_(set), folders_(folders) {
    setObjectName(QStringLiteral("Sequential_Dialog"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kSequentialDialogCaption));
    build();
    ProjectFileShow();
}

void TSequential_Dialog::build() {
    auto* grid = new QGridLayout(this);
    auto* middle = new QVBoxLayout;
    chooser_ =
        new FileChooser(*this, *grid, *middle, {.multiple = true, .natural_order = true, .unknown_is_other = true});
    connect(chooser_, &FileChooser::add_requested, this, &TSequential_Dialog::AddButtonClick);
    middle->addStretch(1);
    QPushButton* add = named_button("AddButton", messages::kAddButton);
    connect(add, &QPushButton::clicked, this, &TSequential_Dialog::AddButtonClick);
    QPushButton* remove = named_button("DeleteButton", messages::kDeleteButton);
    connect(remove, &QPushButton::clicked, this, &TSequential_Dialog::DeleteButtonClick);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addStretch(1);
    grid->addLayout(middle, 1, 2);

    auto* lists = new QVBoxLayout;
    GridListBox = new QListWidget;
    GridKindList = new QListWidget;
    name_widget(GridListBox, "GridListBox", QStringLiteral("GridListBox"));
    GridListBox->setFixedHeight(GridListBox->fontMetrics().height() * 2);
    GridKindList->setFixedHeight(GridListBox->height());
    lists->addLayout(pair_lists(*GridListBox, *GridKindList, "GridKindList"));
    ProjectFileList = new QListWidget;
    FileKindList = new QListWidget;
    name_widget(ProjectFileList, "ProjectFileList", QStringLiteral("ProjectFileList"));
    ProjectFileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ProjectFileList->setMinimumWidth(150);
    lists->addLayout(pair_lists(*ProjectFileList, *FileKindList, "FileKindList"), 1);
    grid->addLayout(lists, 1, 3);
    for (QListWidget* list : {ProjectFileList, FileKindList}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &TSequential_Dialog::DeleteButtonClick);
    }
    for (QListWidget* list : {GridListBox, GridKindList}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &TSequential_Dialog::remove_grid);
    }
    for (QListWidget* list : {GridListBox, GridKindList, ProjectFileList, FileKindList}) list->installEventFilter(this);

    BMPSaveDirEdit = new QLineEdit;
    auto* save_row = new QHBoxLayout;
    save_row->addWidget(label_for(BMPSaveDirEdit, "BMPSaveLabel", messages::kBMPSaveLabel, "BMPSaveDirEdit"));
    save_row->addWidget(BMPSaveDirEdit, 1);
    QPushButton* browse = named_button("BMPSaveBrowseBtn", messages::kBrowseButton);
    connect(browse, &QPushButton::clicked, this, &TSequential_Dialog::BMPSaveBrowseBtnClick);
    save_row->addWidget(browse);
    grid->addLayout(save_row, 4, 0, 1, 4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = named_button("OkButton", messages::kOkButton);
    connect(ok, &QPushButton::clicked, this, &TSequential_Dialog::OkButtonClick);
    QPushButton* cancel = named_button("CancelButton", messages::kCancelButton);
    connect(cancel, &QPushButton::clicked, this, &TSequential_Dialog::reject);
    for (QPushButton* button : {ok, cancel, named_button("HelpButton", messages::kHelpAccel)})
        buttons->addWidget(button);
    grid->addLayout(buttons, 3, 2, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

// The lists show the set as it stands; the chooser starts in the folder of
// the last data files.
void TSequential_Dialog::ProjectFileShow() {
    BMPSaveDirEdit->setText(folders_.sequential_save);
    chooser_->start_at(folders_.sequential_load);
    show_grid();
    const QString kind = kind_word(edited_.seq_kind == SequentialKind::Vector ? FileKind::Vector : FileKind::Scalar);
    for (const QString& name : edited_.seq_file_name) {
        insert_pair_row(*ProjectFileList, *FileKindList, ProjectFileList->count(), base_name(name), kind);
    }
}

void TSequential_Dialog::show_grid() {
    GridListBox->clear();
    GridKindList->clear();
    const QString name = edited_.seq_grid_count > 0 ? base_name(edited_.seq_grid_file) : text(messages::kNotRegistered);
    insert_pair_row(*GridListBox, *GridKindList, 0, name, kind_word(FileKind::Grid));
}

void TSequential_Dialog::AddButtonClick() {
    const QStringList chosen = chooser_->chosen_files();
    if (chosen.isEmpty()) return;
    const int first_new = edited_.seq_file_count();
    if (const char* refusal = refusal_text(add_sequential_files(edited_, chooser_->kind(), chosen))) {
        show_error(this, refusal);
        return;
    }
    if (chooser_->kind() == FileKind::Grid) {
        show_grid();
        return;
    }
    const QString kind = kind_word(*chooser_->kind());
    for (int row = first_new; row < edited_.seq_file_count(); ++row) {
        insert_pair_row(*ProjectFileList, *FileKindList, row, edited_.seq_file_name[row], kind);
    }
    folders_.sequential_load = chooser_->folder();
}

void TSequential_Dialog::DeleteButtonClick() {
    QList<int> rows;
    for (int row = 0; row < ProjectFileList->count(); ++row) {
        if (ProjectFileList->item(row)->isSelected()) rows << row;
    }
    remove_sequential_files(edited_, rows);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row) {
        delete ProjectFileList->takeItem(*row);
        delete FileKindList->takeItem(*row);
    }
}

void TSequential_Dialog::remove_grid() {
    edited_.seq_grid_file.clear();
    edited_.seq_grid_count = 0;
    show_grid();
}

void TSequential_Dialog::BMPSaveBrowseBtnClick() {
    TBrowseDialog BrowseDialog1(this);
    BrowseDialog1.Caption = text(messages::kSequentialBrowseCaption);
    BrowseDialog1.Directory = BMPSaveDirEdit->text();
    if (BrowseDialog1.Execute()) BMPSaveDirEdit->setText(BrowseDialog1.Directory);
}

// The data files are taken from the folder shown now.
void TSequential_Dialog::OkButtonClick() {
    if (edited_.seq_grid_count == 0) {
        show_error(this, messages::kGridRequired);
        return;
    }
    // One picture would replace the other.
    if (const auto same = duplicate_picture_name(edited_.seq_file_name)) {
        QMessageBox::critical(this, text(messages::kErrorTitle),
                              text(messages::kSamePictureName) + u'\n' + same->first + u'\n' + same->second);
        return;
    }
    folders_.sequential_load = chooser_->folder();
    if (!folder_can_be_entered(BMPSaveDirEdit->text())) {
        BMPSaveDirEdit->setText(folders_.sequential_save);
        show_error(this, messages::kSaveFolderInvalid);
        return;
    }
    folders_.sequential_save = BMPSaveDirEdit->text();
    folders_.write();
    resolve_sequential_files(edited_, folders_.sequential_load);
    set_ = edited_;
    accept();
}

// Enter in the data lists deletes the chosen files, in the grid lists the grid.
bool TSequential_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (!is_enter(event)) return QDialog::eventFilter(watched, event);
    if (watched == GridListBox || watched == GridKindList) {
        remove_grid();
    } else {
        DeleteButtonClick();
    }
    return true;
}

}  // namespace ruvo
