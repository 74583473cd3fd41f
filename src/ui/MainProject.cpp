// The main window's project commands: new, open, overwrite, save as, add and
// delete files, close, and the save prompt before anything that would drop
// a changed project.

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolButton>

#include "Workspace.h"
#include "data/FileNames.h"
#include "ui/ControlPanel.h"
#include "ui/Main.h"
#include "ui/Messages.h"
#include "ui/Project.h"
#include "ui/StatusBindings.h"
#include "view/ViewOpening.h"

namespace ruvo {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

bool is_untitled(const ProjectTables& project) {
    return project.project_file_name == QString::fromUtf8(kUntitledProjectName);
}

// The folder of a file, with its separator, as the remembered folders keep it.
QString folder_of(const QString& path) { return folder_part(QFileInfo(path).absoluteFilePath()); }

// The open and save dialogs of project files. Qt's own dialog is used on
// every platform, so the program behaves (and is tested) the same everywhere.
void set_up_project_file_dialog(QFileDialog& dialog) {
    dialog.setNameFilter(text(messages::kProjectFileFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("RVP"));
}

}  // namespace

// Asked before a command would drop a changed project. Returns false when
// the command must stop: the user cancelled, or chose to save and the
// project was not saved (the save dialog cancelled, or the file could not be
// written), so nothing is lost.
bool TRuvo_Main_Form::Save_Prompt() {
    if (!ws_->project.project_modified) return true;
    const QString question =
        text(messages::kSavePromptBefore) + ws_->project.project_file_name + text(messages::kSavePromptAfter);
    const auto answer = QMessageBox::warning(this, text(messages::kWarningTitle), question,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    return is_untitled(ws_->project) ? save_project_as() : overwrite_project();
}

void TRuvo_Main_Form::New_ProjectClick() {
    if (!Save_Prompt()) return;
    Close_Project();
    ws_->project.project_file_name = QString::fromUtf8(kUntitledProjectName);
    ws_->project.set_default_masks();
    show_project_dialog();
}

void TRuvo_Main_Form::Open_ProjectClick() {
    if (!Save_Prompt()) return;
    QFileDialog dialog(this, text(messages::kProjectOpenTitle), folders_.project_save);
    set_up_project_file_dialog(dialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    open_project_file(dialog.selectedFiles().first());
}

void TRuvo_Main_Form::open_project_file(const QString& path) {
    ProjectTables readable;
    if (const ProjectLoadResult check = load_project_file(path, readable); !check.ok) {
        fail(text(messages::kProjectReadFailed) + u'\n' + path + u'\n' + check.error);
        return;
    }
    Close_Project();
    Load_Project(path);
}

void TRuvo_Main_Form::Load_Project(const QString& path) {
    setWindowTitle(text(messages::kProjectCaptionPrefix) + path);
    folders_.project_save = folder_of(path);
    folders_.write();
    const ProjectOpenResult opened = load_project(*ws_, path);
    if (!opened.project.ok) {
        fail(text(messages::kProjectReadFailed) + u'\n' + path + u'\n' + opened.project.error);
        return;
    }
    for (const QString& note : opened.project.notes) Memo3->appendPlainText(note);
    control_panel_->set_position_ranges(ws_->store);
    Show_File_Lists();
    if (!opened.grid.ok()) {
        Memo3->appendPlainText(ws_->project.grid_file_name + QStringLiteral(": ") + opened.grid.detail());
        warn(messages::kGridReadError);
    }
    set_project_items_enabled(true);
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
    GridListBox->setFocus();
}

// Overwrite: an untitled project has no place of its own yet, so it is
// saved under a name the user chooses.
bool TRuvo_Main_Form::overwrite_project() {
    if (is_untitled(ws_->project)) return save_project_as();
    if (!write_project(ws_->project.project_file_name)) return false;
    ws_->project.project_modified = false;
    return true;
}

bool TRuvo_Main_Form::save_project_as() {
    QFileDialog dialog(this, text(messages::kProjectSaveTitle), folders_.project_save);
    set_up_project_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(ws_->project.project_file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString path = dialog.selectedFiles().first();
    if (!write_project(path)) return false;
    ws_->project.project_file_name = path;
    setWindowTitle(text(messages::kProjectCaptionPrefix) + path);
    folders_.project_save = folder_of(path);
    folders_.write();
    ws_->project.project_modified = false;
    return true;
}

bool TRuvo_Main_Form::write_project(const QString& path) {
    const ProjectSaveResult saved = save_project_file(path, ws_->project);
    if (!saved.ok) fail(text(messages::kProjectWriteFailed) + u'\n' + path + u'\n' + saved.error);
    return saved.ok;
}

void TRuvo_Main_Form::Project_FileAddDeleteClick() {
    Delete_File_Lists();
    show_project_dialog();
}

// The project dialog edits the tables; confirmed, the project's grid is
// read and the project can be saved; cancelled, the tables are as before.
void TRuvo_Main_Form::show_project_dialog() {
    TProject_Dialog dialog(ws_->project, folders_.project_load, this);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed) {
        ws_->project.project_modified = true;
        folders_.project_load = dialog.folder();
        folders_.write();
        setWindowTitle(text(messages::kProjectCaptionPrefix) + ws_->project.project_file_name);
    }
    Show_File_Lists();
    if (!confirmed) return;
    read_project_grid();
    set_project_items_enabled(true);
    OpenSequentialSB->show();
    Sq_StartSB->setEnabled(false);
    Sq_StartSB->hide();
}

void TRuvo_Main_Form::read_project_grid() {
    const ReadResult grid = read_grid(ws_->store, ws_->project.grid_file_name);
    control_panel_->set_position_ranges(ws_->store);
    if (grid.ok()) return;
    Memo3->appendPlainText(ws_->project.grid_file_name + QStringLiteral(": ") + grid.detail());
    warn(messages::kGridReadError);
}

void TRuvo_Main_Form::Close_Project() {
    Delete_File_Lists();
    close_all_views();
    control_panel_->reset();
    clear_status_panel();
    reset_project_state();
    ws_->store.clear_values();
    set_project_items_enabled(false);
    SaveOvewriteSB->setEnabled(false);
}

// Nothing the closed project showed stays in the status panel.
void TRuvo_Main_Form::clear_status_panel() {
    status_boxes_->show({});
    progress_->set_position(0);
}

void TRuvo_Main_Form::reset_project_state() {
    ws_->views.clear_names();
    ws_->views.current_active_window = 0;
    ws_->store.current_data = 0;
    ws_->store.vector_count = 0;
    ws_->store.scalar_count = 0;
    ws_->project.reset();
    setWindowTitle(text(messages::kNoProjectCaption));
}

// A vector file that cannot be drawn at all makes the project unusable; it
// is closed, after the user could save a changed file list.
void TRuvo_Main_Form::close_project_after_prompt() {
    if (Save_Prompt()) Close_Project();
}

void TRuvo_Main_Form::set_project_items_enabled(bool enabled) {
    for (QAction* item : {Project_OverWrite, Project_SaveAs, Project_FileAddDelete, Close_Project_Action}) {
        item->setEnabled(enabled);
    }
}

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

}  // namespace ruvo
