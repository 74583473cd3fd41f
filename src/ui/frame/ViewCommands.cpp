#include "ui/frame/ViewCommands.h"

#include <QAction>
#include <QPlainTextEdit>

#include "Workspace.h"
#include "data/FileNames.h"
#include "data/RememberedFolders.h"
#include "data/WholeFile.h"
#include "export/GrafExport.h"
#include "plot/NeglectSteps.h"
#include "plot/Renderer.h"
#include "ui/dialogs/ArrowShapeDialog.h"
#include "ui/dialogs/ImageFileDialog.h"
#include "ui/dialogs/LineWidthDialog.h"
#include "ui/dialogs/RangeDialog.h"
#include "ui/dialogs/RatioDialog.h"
#include "ui/frame/ControlPanel.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/PictureCommands.h"
#include "view/DisplaySwitches.h"
#include "view/Geometry.h"
#include "view/StyleSettings.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString announcement(const RangeStep& step) {
    const char* form = step.end == RangeEnd::Min ? messages::kMinSetAtNode : messages::kMaxSetAtNode;
    const RangeNode& node = *step.node;
    return text(form).arg(node.i).arg(node.j).arg(QString::number(node.value, 'f', 7));
}
}  // namespace

ViewCommands::ViewCommands(Workspace& ws, RememberedFolders& folders, PictureCommands& pictures,
                           ViewCommandsFrame frame)
    : QObject(&frame.window),
      ws_(ws),
      folders_(folders),
      pictures_(pictures),
      frame_(std::move(frame)),
      ChangeRatio(new TChangeRatio([this](double ratio, RatioChoice choice) { set_current_ratio(ratio, choice); },
                                   &frame_.window)),
      MaxMinSet(new TMaxMinSet(ws, &frame_.window)),
      ScalarLineWidth(new TScalarLineWidth(ws, &frame_.window)),
      Arrow_Shape_Change(new TArrow_Shape_Change(ws, &frame_.window)) {}

void ViewCommands::connect_view(TRuvo_Sub_Form* view) {
    connect(view, &TRuvo_Sub_Form::switch_chosen, this, &ViewCommands::apply_view_switch);
    connect(view, &TRuvo_Sub_Form::range_command_chosen, this, &ViewCommands::apply_range_command);
    connect(view, &TRuvo_Sub_Form::neglect_step_chosen, this, &ViewCommands::step_other_coordinate);
    connect(view, &TRuvo_Sub_Form::dialog_chosen, this, &ViewCommands::open_view_dialog);
    connect(view, &TRuvo_Sub_Form::picture_command_chosen, this, &ViewCommands::run_picture_command);
}

void ViewCommands::apply_layout(TRuvo_Sub_Form& view, const ControlLayout& layout) {
    frame_.panel.apply(layout);
    view.apply_item_layout(layout);
}

void ViewCommands::apply_view_switch(TRuvo_Sub_Form* view, const ViewSwitch& change) {
    if (view != frame_.current_view()) return;
    apply_switch(*view, change(ws_, ws_.views.current()));
}

void ViewCommands::apply_switch(TRuvo_Sub_Form& view, const SwitchEffect& effect) {
    if (effect.warn_no_vectors) warn(messages::kNoVectorsToOverlap);
    if (effect.layout) apply_layout(view, *effect.layout);
    if (effect.redraw) frame_.redraw();
    if (effect.draw_grid_over) draw_grid_over(view);
}

// The grid overlay turned on: the grid goes over the picture as it is.
void ViewCommands::draw_grid_over(TRuvo_Sub_Form& view) {
    const int slot = view.slot();
    const RenderResult drawn =
        render_grid_over(ws_.store, ws_.views.at(slot), ws_.layout_of(slot), view.image()->picture(), frame_.progress);
    ws_.layout_log.append(drawn.layout_log);
    view.image()->picture_changed();
    if (drawn.ok()) return;
    frame_.log.appendPlainText(drawn.reason);
    warn(messages::kRedrawError);
}

// The picture is the chosen view's own, as last drawn; its shapes are drawn
// at the magnification the picture was laid out at.
void ViewCommands::run_picture_command(TRuvo_Sub_Form* view, PictureCommand command) {
    const QImage& picture = view->image()->picture();
    const int slot = view->slot();
    const ShapesOfView shapes = [this, slot] {
        View_Info& record = ws_.views.at(slot);
        return draw_view_shapes(ws_.store, record, {record.drawn_magni, ws_.fixed_size_mode}, frame_.progress);
    };
    switch (command) {
    case PictureCommand::SaveAsBitmap: pictures_.SaveAsBitmapClick(picture, shapes); break;
    case PictureCommand::GRAFile: File_GRAFileClick(view); break;
    case PictureCommand::PrinterSetup: pictures_.PrinterSetupClick(); break;
    case PictureCommand::Print: pictures_.PrintClick(picture, shapes); break;
    case PictureCommand::PrintPreview: pictures_.PrintPreviewClick(picture, shapes); break;
    }
}

// The view's plot as a GRAF file for Ngraph, laid out on the page by the
// view's picture. The file is written whole or not at all: a plot that the
// screen cannot draw either, or a failed write, leaves an earlier file of the
// chosen name as it was.
void ViewCommands::File_GRAFileClick(TRuvo_Sub_Form* view) {
    const QString path = ask_file_to_save(&frame_.window, folders_.images, text(messages::kGrafFileFilter),
                                          QStringLiteral("gra"), ExistingFile::AskFirst);
    if (path.isEmpty()) return;
    folders_.images = folder_of(path);
    folders_.write();
    const GrafFileText graf = graf_file_text(ws_.store, ws_.views.at(view->slot()), ws_.fixed_size_mode,
                                             view->image()->picture().size(), frame_.progress);
    if (!graf.drawn.ok()) {
        frame_.log.appendPlainText(graf.drawn.reason);
        warn(graf.drawn.failure == RenderFailure::AllZeroVectors ? messages::kAllZeroVectors : messages::kRedrawError);
        return;
    }
    if (const WriteResult written = write_whole_file(path, graf.text); !written.ok) {
        error_box(&frame_.window, text(messages::kGrafWriteFailed) + u'\n' + path + u'\n' + written.error);
    }
}

// A range command: the node of the new end is announced, then the view is
// drawn with it. Without a further value nothing changes.
void ViewCommands::apply_range_command(TRuvo_Sub_Form* view, RangeCommand command) {
    if (view != frame_.current_view()) return;
    View_Info& record = ws_.views.current();
    const RangeStep step = command(record, ws_.store);
    if (!step.node) {
        information_box(&frame_.window, text(messages::kNoFurtherValue));
        return;
    }
    Announce_Range_Node(*view, step);
    apply_layout(*view, range_item_layout(record));
    frame_.redraw();
}

// The node is marked on the picture while its message is read.
void ViewCommands::Announce_Range_Node(TRuvo_Sub_Form& view, const RangeStep& step) {
    const auto toggle_dot = [this, &view, &step] {
        Toggle_Range_Dot(view.image()->picture(), mapping_of(ws_.views.at(view.slot())), ws_.store, *step.node);
        view.image()->picture_changed();
    };
    toggle_dot();
    information_box(&frame_.window, announcement(step));
    toggle_dot();
}

void ViewCommands::step_other_coordinate(TRuvo_Sub_Form* view, int delta) {
    if (view != frame_.current_view()) return;
    const std::optional<ControlLayout> layout = neglect_step(ws_, view->image()->picture(), delta, frame_.status);
    if (!layout) return;
    view->image()->picture_changed();
    view->apply_item_layout(*layout);
}

// A dialog's OK has changed the view: it is drawn again.
void ViewCommands::open_view_dialog(TRuvo_Sub_Form* view, ViewDialog which) {
    if (view != frame_.current_view()) return;
    if (which == ViewDialog::ChangeRatio) {
        const View_Info& record = ws_.views.current();
        ChangeRatio->edit(record.ratio, natural_ratio(view_fields(ws_.store, record)));
    }
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
    if (which == ViewDialog::MaxMinSet) apply_layout(*view, range_item_layout(ws_.views.current()));
    frame_.redraw();
}

// The ratio dialog's one way into the view: the up-down's ratio is drawn
// with at the next redraw; OK's ratio is kept by the layout.
void ViewCommands::set_current_ratio(double ratio, RatioChoice choice) {
    View_Info& view = ws_.views.current();
    if (choice == RatioChoice::Fixed) {
        fix_ratio(view, ratio, natural_ratio(view_fields(ws_.store, view)));
    } else {
        view.ratio = ratio;
    }
}

void ViewCommands::merge_unlisted_keys(const TRuvo_Sub_Form* view) {
    for (const QPointer<QAction>& key : merged_keys_) {
        if (key) frame_.window.removeAction(key);
    }
    merged_keys_.clear();
    if (!view) return;
    for (QAction* key : view->unlisted_keys()) {
        frame_.window.addAction(key);
        merged_keys_ << key;
    }
}

void ViewCommands::warn(const char* message) { warning_box(&frame_.window, message); }

}  // namespace ruvo
