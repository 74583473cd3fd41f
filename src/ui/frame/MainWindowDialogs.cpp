// The main window's part in the range commands, the neglect steps, the
// range and style dialogs, the picture commands and the GRAF export of the
// view windows.

#include <QAction>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "Workspace.h"
#include "data/FileNames.h"
#include "data/WholeFile.h"
#include "export/GrafExport.h"
#include "plot/NeglectSteps.h"
#include "ui/Messages.h"
#include "ui/dialogs/ArrowShapeDialog.h"
#include "ui/dialogs/ImageFileDialog.h"
#include "ui/dialogs/LineWidthDialog.h"
#include "ui/dialogs/RangeDialog.h"
#include "ui/dialogs/RatioDialog.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/PictureCommands.h"
#include "ui/frame/StatusBindings.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString announcement(const RangeStep& step) {
    const char* form = step.end == RangeEnd::Min ? messages::kMinSetAtNode : messages::kMaxSetAtNode;
    const RangeNode& node = *step.node;
    return text(form).arg(node.i).arg(node.j).arg(QString::number(node.value, 'f', 7));
}
}  // namespace

void TRuvo_Main_Form::create_view_dialogs() {
    ChangeRatio = new TChangeRatio(*ws_, this);
    MaxMinSet = new TMaxMinSet(*ws_, this);
    ScalarLineWidth = new TScalarLineWidth(*ws_, this);
    Arrow_Shape_Change = new TArrow_Shape_Change(*ws_, this);
}

void TRuvo_Main_Form::connect_view_commands(TRuvo_Sub_Form* view) {
    connect(view, &TRuvo_Sub_Form::range_command_chosen, this, &TRuvo_Main_Form::apply_range_command);
    connect(view, &TRuvo_Sub_Form::neglect_step_chosen, this, &TRuvo_Main_Form::step_other_coordinate);
    connect(view, &TRuvo_Sub_Form::dialog_chosen, this, &TRuvo_Main_Form::open_view_dialog);
    connect(view, &TRuvo_Sub_Form::picture_command_chosen, this, &TRuvo_Main_Form::run_picture_command);
}

// The picture is the chosen view's own, as last drawn.
void TRuvo_Main_Form::run_picture_command(TRuvo_Sub_Form* view, PictureCommand command) {
    const QImage& picture = view->image()->picture();
    switch (command) {
    case PictureCommand::SaveAsBitmap: pictures_->SaveAsBitmapClick(picture); break;
    case PictureCommand::GRAFile: File_GRAFileClick(view); break;
    case PictureCommand::PrinterSetup: pictures_->PrinterSetupClick(); break;
    case PictureCommand::Print: pictures_->PrintClick(picture); break;
    }
}

// The view's plot as a GRAF file for Ngraph, laid out on the page by the
// view's picture. The file is written whole or not at all: a plot that the
// screen cannot draw either, or a failed write, leaves an earlier file of the
// chosen name as it was.
void TRuvo_Main_Form::File_GRAFileClick(TRuvo_Sub_Form* view) {
    const QString path = ask_file_to_save(this, folders_.images, text(messages::kGrafFileFilter), QStringLiteral("gra"),
                                          ExistingFile::AskFirst);
    if (path.isEmpty()) return;
    folders_.images = folder_of(path);
    folders_.write();
    const GrafFileText graf = graf_file_text(ws_->store, ws_->views.at(view->slot()), ws_->fixed_size_mode,
                                             view->image()->picture().size(), *progress_);
    if (!graf.drawn.ok()) {
        Memo3->appendPlainText(graf.drawn.reason);
        warn(graf.drawn.failure == RenderFailure::AllZeroVectors ? messages::kAllZeroVectors : messages::kRedrawError);
        return;
    }
    if (const WriteResult written = write_whole_file(path, graf.text); !written.ok) {
        fail(text(messages::kGrafWriteFailed) + u'\n' + path + u'\n' + written.error);
    }
}

// A range command: the node of the new end is announced, then the view is
// drawn with it. Without a further value nothing changes.
void TRuvo_Main_Form::apply_range_command(TRuvo_Sub_Form* view, RangeCommand command) {
    if (view != current_view()) return;
    View_Info& record = ws_->views.current();
    const RangeStep step = command(record, ws_->store);
    if (!step.node) {
        inform(text(messages::kNoFurtherValue));
        return;
    }
    Announce_Range_Node(*view, step);
    apply_layout(*view, range_item_layout(record));
    Redraw();
}

// The node is marked on the picture while its message is read.
void TRuvo_Main_Form::Announce_Range_Node(TRuvo_Sub_Form& view, const RangeStep& step) {
    const auto toggle_dot = [this, &view, &step] {
        Toggle_Range_Dot(view.image()->picture(), mapping_of(ws_->views.at(view.slot())), ws_->store, *step.node);
        view.image()->picture_changed();
    };
    toggle_dot();
    inform(announcement(step));
    toggle_dot();
}

void TRuvo_Main_Form::step_other_coordinate(TRuvo_Sub_Form* view, int delta) {
    if (view != current_view()) return;
    const std::optional<ControlLayout> layout = neglect_step(*ws_, view->image()->picture(), delta, *status_boxes_);
    if (!layout) return;
    view->image()->picture_changed();
    view->apply_item_layout(*layout);
}

// A dialog's OK has changed the view: it is drawn again.
void TRuvo_Main_Form::open_view_dialog(TRuvo_Sub_Form* view, ViewDialog which) {
    if (view != current_view()) return;
    const auto dialog = [this, which]() -> QDialog* {
        switch (which) {
        case ViewDialog::MaxMinSet: return MaxMinSet;
        case ViewDialog::ChangeRatio: return ChangeRatio;
        case ViewDialog::ScalarLineWidth: return ScalarLineWidth;
        case ViewDialog::ArrowShape: return Arrow_Shape_Change;
        }
        return nullptr;
    }();
    if (!dialog || dialog->exec() != QDialog::Accepted) return;
    // Both ends of the range are marked changed: the items that put them back follow.
    if (which == ViewDialog::MaxMinSet) apply_layout(*view, range_item_layout(ws_->views.current()));
    Redraw();
}

void TRuvo_Main_Form::merge_unlisted_keys(const TRuvo_Sub_Form* view) {
    for (const QPointer<QAction>& key : merged_keys_) {
        if (key) removeAction(key);
    }
    merged_keys_.clear();
    if (!view) return;
    for (QAction* key : view->unlisted_keys()) {
        addAction(key);
        merged_keys_ << key;
    }
}

void TRuvo_Main_Form::inform(const QString& message) {
    QMessageBox::information(this, text(messages::kInformationTitle), message);
}

}  // namespace ruvo
