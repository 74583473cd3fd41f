#include "ui/frame/ProjectCommands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

#include "Workspace.h"
#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "data/StructuredProject.h"
#include "data/WholeFile.h"
#include "export/CgnsWriter.h"
#include "export/VtkWriter.h"
#include "ui/Messages.h"
#include "ui/dialogs/ProjectDialog.h"
#include "view/ViewOpening.h"

namespace ruvo {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString project_caption(const QString& path) { return text(messages::kProjectCaptionPrefix) + path; }

bool is_untitled(const ProjectTables& project) {
    return project.project_file_name == QString::fromUtf8(kUntitledProjectName);
}

// The open and save dialogs of project files. Qt's own dialog is used on
// every platform, so the program behaves (and is tested) the same everywhere.
void set_up_project_file_dialog(QFileDialog& dialog) {
    dialog.setNameFilter(text(messages::kProjectFileFilter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("RVP"));
}

}  // namespace

ProjectCommands::ProjectCommands(Workspace& ws, RememberedFolders& folders, ProjectFrame& frame, QWidget& dialog_parent)
    : ws_(ws), folders_(folders), frame_(frame), dialog_parent_(dialog_parent) {}

// Returns false when the command must stop: the user cancelled, or chose to
// save and the project was not saved (the save dialog cancelled, or the file
// could not be written), so nothing is lost.
bool ProjectCommands::Save_Prompt() {
    if (!ws_.project.project_modified) return true;
    const QString question =
        text(messages::kSavePromptBefore) + ws_.project.project_file_name + text(messages::kSavePromptAfter);
    const auto answer =
        QMessageBox::warning(&dialog_parent_, text(messages::kWarningTitle), question,
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    return is_untitled(ws_.project) ? save_project_as() : overwrite_project();
}

void ProjectCommands::New_ProjectClick() {
    if (!frame_.may_end_following() || !Save_Prompt()) return;
    Close_Project();
    ws_.project.project_file_name = QString::fromUtf8(kUntitledProjectName);
    ws_.project.set_default_masks();
    show_project_dialog();
}

void ProjectCommands::Open_ProjectClick() {
    if (!frame_.may_end_following() || !Save_Prompt()) return;
    QFileDialog dialog(&dialog_parent_, text(messages::kProjectOpenTitle), folders_.project_save);
    set_up_project_file_dialog(dialog);
    dialog.setNameFilters({text(messages::kProjectFileFilter), text(messages::kStructuredFileFilter)});
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    open_project_file(dialog.selectedFiles().first());
}

// The file is read once, aside; only a file that was read replaces the
// current project.
void ProjectCommands::open_project_file(const QString& path) {
    ProjectTables read;
    const bool structured = is_structured_file(path);
    const ProjectLoadResult loaded = structured ? load_structured_file(path, read) : load_project_file(path, read);
    if (!loaded.ok) {
        // Without a reason the user cancelled the choice of a block.
        if (!loaded.error.isEmpty())
            fail(text(structured ? messages::kStructuredReadFailed : messages::kProjectReadFailed) + u'\n' + path +
                 u'\n' + loaded.error);
        return;
    }
    Close_Project();
    const ReadResult grid = commit_project(ws_, std::move(read), path);
    frame_.show_caption(project_caption(path));
    folders_.project_save = folder_of(path);
    folders_.write();
    for (const QString& note : loaded.notes) frame_.note(note);
    frame_.Show_File_Lists();
    report_grid(grid);
    frame_.project_loaded();
}

// The project of one block of another program's file; the user chooses the
// block when the file holds several.
ProjectLoadResult ProjectCommands::load_structured_file(const QString& path, ProjectTables& read) {
    const StructuredOpening opening = open_structured(path);
    const QStringList blocks = opening.block_names();
    QString block = blocks.value(0);
    if (opening.ok() && blocks.size() > 1) {
        bool chosen = false;
        block = QInputDialog::getItem(&dialog_parent_, text(messages::kBlockChoiceTitle),
                                      text(messages::kBlockChoiceLabel), blocks, 0, false, &chosen);
        if (!chosen) return {};
    }
    return structured_project(opening, block, read);
}

// Overwrite: an untitled project has no place of its own yet, so it is
// saved under a name the user chooses.
bool ProjectCommands::overwrite_project() {
    if (is_untitled(ws_.project)) return save_project_as();
    if (!write_project(ws_.project.project_file_name)) return false;
    ws_.project.project_modified = false;
    return true;
}

bool ProjectCommands::save_project_as() {
    QFileDialog dialog(&dialog_parent_, text(messages::kProjectSaveTitle), folders_.project_save);
    set_up_project_file_dialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(ws_.project.project_file_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const QString path = dialog.selectedFiles().first();
    if (!write_project(path)) return false;
    ws_.project.project_file_name = path;
    frame_.show_caption(project_caption(path));
    folders_.project_save = folder_of(path);
    folders_.write();
    ws_.project.project_modified = false;
    return true;
}

bool ProjectCommands::write_project(const QString& path) {
    const ProjectSaveResult saved = save_project_file(path, ws_.project);
    if (!saved.ok) fail(text(messages::kProjectWriteFailed) + u'\n' + path + u'\n' + saved.error);
    return saved.ok;
}

void ProjectCommands::Export_VtsClick() {
    QFileDialog dialog(&dialog_parent_, text(messages::kVtsExportTitle), folders_.project_save);
    const QString cgns_filter = text(messages::kCgnsFileFilter);
    dialog.setNameFilters({text(messages::kVtsFileFilter), cgns_filter});
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("vts"));
    // The other filter takes the name along: the writer follows the name's ending.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, cgns_filter](const QString& filter) {
        const QString suffix = filter == cgns_filter ? QStringLiteral("cgns") : QStringLiteral("vts");
        dialog.setDefaultSuffix(suffix);
        const QString typed = dialog.selectedFiles().value(0);
        if (!typed.isEmpty()) dialog.selectFile(QFileInfo(typed).completeBaseName() + u'.' + suffix);
    });
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(QFileInfo(ws_.project.project_file_name).completeBaseName() + QStringLiteral(".vts"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    const WriteResult written = path.endsWith(QStringLiteral(".cgns"), Qt::CaseInsensitive)
                                    ? write_cgns_file(path, ws_.store)
                                    : write_whole_file(path, vts_file_bytes(ws_.store));
    if (!written.ok) fail(text(messages::kVtsWriteFailed) + u'\n' + path + u'\n' + written.error);
}

void ProjectCommands::Project_FileAddDeleteClick() {
    frame_.Delete_File_Lists();
    show_project_dialog();
}

// The project dialog puts its edited tables back only when confirmed; then
// the project's grid is read and the project can be saved.
void ProjectCommands::show_project_dialog() {
    TProject_Dialog dialog(ws_.project, folders_.project_load, &dialog_parent_);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    if (confirmed) {
        ws_.project.project_modified = true;
        folders_.project_load = dialog.folder();
        folders_.write();
        frame_.show_caption(project_caption(ws_.project.project_file_name));
    }
    frame_.Show_File_Lists();
    if (!confirmed) return;
    report_grid(read_grid(ws_.store, ws_.project.grid_file_name, ws_.read_shown));
    frame_.project_files_chosen();
}

void ProjectCommands::report_grid(const ReadResult& grid) {
    frame_.grid_read();
    if (grid.ok()) return;
    // Without a name there is no file to blame: the project itself lacks it.
    if (ws_.project.grid_file_name.isEmpty()) {
        frame_.note(text(messages::kProjectNamesNoGrid));
        QMessageBox::warning(&dialog_parent_, text(messages::kWarningTitle),
                             text(messages::kGridReadError) + u'\n' + text(messages::kProjectNamesNoGrid));
        return;
    }
    frame_.note(ws_.project.grid_file_name + QStringLiteral(": ") + grid.detail());
    warn(messages::kGridReadError);
}

void ProjectCommands::Close_ProjectClick() {
    if (frame_.may_end_following()) Close_Project();
}

void ProjectCommands::Close_Project() {
    frame_.end_following();
    frame_.Delete_File_Lists();
    frame_.close_all_views();
    frame_.reset_panels();
    ws_.reset_project();
    frame_.show_caption(text(messages::kNoProjectCaption));
    ws_.store.clear_values();
    frame_.project_closed();
}

// A vector file that cannot be drawn at all makes the project unusable; it
// is closed, after the user could save a changed file list. The redraw that
// finds it may run inside a view window's handler, which must not lose its
// window under it; and several redraws may fail before the close runs.
void ProjectCommands::close_after_prompt_later() {
    if (close_pending_) return;
    close_pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (Save_Prompt()) Close_Project();
            close_pending_ = false;
        },
        Qt::QueuedConnection);
}

void ProjectCommands::warn(const char* message) {
    QMessageBox::warning(&dialog_parent_, text(messages::kWarningTitle), text(message));
}

void ProjectCommands::fail(const QString& message) {
    QMessageBox::critical(&dialog_parent_, text(messages::kErrorTitle), message);
}

}  // namespace ruvo
