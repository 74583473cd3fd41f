#include "ui/dialogs/ProjectDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "data/FileNames.h"
#include "ui/Messages.h"
#include "ui/dialogs/FileChooser.h"
#include "ui/dialogs/ProjectEditing.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {

constexpr int kDialogWidth = 830;
constexpr int kDialogHeight = 370;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

bool has_selection(const QListWidget* list) { return !list->selectedItems().isEmpty(); }

}  // namespace

TProject_Dialog::TProject_Dialog(ProjectTables& project, const QString& folder, QWidget* parent)
    : QDialog(parent), project_(project), edited_(project) {
    setObjectName(QStringLiteral("Project_Dialog"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kProjectDialogCaptionBefore) + base_name(edited_.project_file_name) +
                   text(messages::kProjectDialogCaptionAfter));
    build();
    setFixedSize(kDialogWidth, kDialogHeight);

    fill_project_lists();
    chooser_->start_at(folder);
}

void TProject_Dialog::build() {
    auto* grid = new QGridLayout(this);
    auto* middle = new QVBoxLayout;
    chooser_ = new FileChooser(*this, *grid, *middle, {});
    connect(chooser_, &FileChooser::add_requested, this, &TProject_Dialog::AddButtonClick);
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
    grid->addWidget(label_for(ProjectFileList, "ProjectLabel", messages::kProjectListLabel, "ProjectFileList"), 0, 3);
    grid->addLayout(pair_lists(*ProjectFileList, *FileKindList, "FileKindList"), 1, 3);
    for (QListWidget* list : {ProjectFileList, FileKindList}) {
        connect(list, &QListWidget::itemDoubleClicked, this, &TProject_Dialog::DeleteButtonClick);
    }

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
    for (QListWidget* list : {ProjectFileList, FileKindList}) list->installEventFilter(this);
}

QString TProject_Dialog::folder() const { return chooser_->folder(); }

int TProject_Dialog::kind() const { return chooser_->kind_button(); }

void TProject_Dialog::fill_project_lists() {
    ProjectFileList->clear();
    FileKindList->clear();
    int row = 0;
    for (const ProjectLine& line : project_lines(edited_)) insert_project_row(row++, path_of(edited_, line), line.kind);
}

void TProject_Dialog::insert_project_row(int row, const QString& path, FileKind kind) {
    insert_pair_row(*ProjectFileList, *FileKindList, row, base_name(path), kind_word(kind));
}

void TProject_Dialog::AddButtonClick() {
    const QStringList chosen = chooser_->chosen_files();
    if (chosen.isEmpty()) return;
    if (!chooser_->kind()) {
        error(messages::kChooseKindFirst);
        return;
    }
    const FileKind kind_to_add = *chooser_->kind();
    const QString& path = chosen.front();
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

// Enter deletes the chosen line in the project lists.
bool TProject_Dialog::eventFilter(QObject* watched, QEvent* event) {
    if (!is_enter(event)) return QDialog::eventFilter(watched, event);
    DeleteButtonClick();
    return true;
}

void TProject_Dialog::error(const char* message) { show_error(this, message); }

}  // namespace ruvo
