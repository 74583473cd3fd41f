// The main window's part of a sequential conversion: the entry, and the set
// opened in views, ready for the run.

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QToolButton>

#include "Workspace.h"
#include "automation/SequentialEngine.h"
#include "ui/Messages.h"
#include "ui/dialogs/SequentialDialog.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/ProjectCommands.h"
#include "ui/frame/ViewWindows.h"
#include "view/ViewOpening.h"

namespace ruvo {

namespace {

// The set as a project of one grid and its first data file, so that its
// views open as a project's do.
ProjectTables project_of(const SequentialSet& set) {
    ProjectTables tables;
    tables.grid_file_count = set.seq_grid_count;
    tables.grid_file_name = set.seq_grid_file;
    if (set.seq_file_name.isEmpty()) return tables;
    if (set.seq_kind == SequentialKind::Vector) {
        tables.vector_file_count = 1;
        tables.vector_file_name[0] = set.seq_file_name.front();
    } else {
        tables.scalar_file_count = 1;
        tables.scalar_file_name[0] = set.seq_file_name.front();
    }
    return tables;
}

}  // namespace

void TRuvo_Main_Form::Sequential_Change_SaveClick() {
    if (!may_end_following() || !project_->Save_Prompt()) return;
    Close_Project();
    setWindowTitle(QString::fromUtf8(messages::kSequentialMainCaption));
    ws_->project.set_default_masks();
    TSequential_Dialog dialog(ws_->sequential, folders_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QCoreApplication::processEvents();
    OpenSequentialSet();
}

void TRuvo_Main_Form::OpenSequentialSet() {
    ws_->fixed_size_mode = true;
    ws_->sequential_mode = true;
    set_project_items_enabled(false);
    for (QToolButton* button : {SaveOvewriteSB, MagniUpSB, MagniDownSB, WholeShowSB, FollowSB}) {
        button->setEnabled(false);
    }
    control_panel_->enable_magnification(false);
    Sq_StartSB->setEnabled(true);
    Sq_StartSB->show();

    const SequentialSet& set = ws_->sequential;
    const ReadResult grid = commit_project(*ws_, project_of(set), QString());
    grid_read();
    if (!grid.ok()) {
        Memo3->appendPlainText(set.seq_grid_file + QStringLiteral(": ") + grid.detail());
        warning_box(this, messages::kGridReadError);
    }
    views_->open_view_window(FileKind::Grid, 0);
    if (set.seq_kind != SequentialKind::Nothing) {
        views_->open_view_window(set.seq_kind == SequentialKind::Vector ? FileKind::Vector : FileKind::Scalar, 0);
    }
}

}  // namespace ruvo
