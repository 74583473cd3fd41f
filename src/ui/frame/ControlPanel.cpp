#include "ui/frame/ControlPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Workspace.h"
#include "ui/Messages.h"
#include "ui/frame/StatusDump.h"
#include "ui/WidgetNames.h"
#include "ui/controls/TrackBarEx.h"
#include "view/BarLimits.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

constexpr int kNumberWidth = 36;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

bool is_enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The magnification as the number field shows it after a move: the factor
// with one decimal, halves rounded up (125 % shows "1.3").
QString one_decimal(int magni) {
    const int tenths = (magni + 5) / 10;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

// The record's field that a bar sets.
std::int32_t& setting_of(View_Info& view, ControlGroup kind) {
    switch (kind) {
    case ControlGroup::FillBands: return view.divided_number;
    case ControlGroup::XGridStep: return view.x_grid_step;
    case ControlGroup::YGridStep: return view.y_grid_step;
    case ControlGroup::XDotStep: return view.x_dot_step;
    case ControlGroup::YDotStep: return view.y_dot_step;
    case ControlGroup::ArrowLength: return view.length;
    case ControlGroup::LineCount: return view.line_num;
    case ControlGroup::ColumnPosition: return view.XPos;
    case ControlGroup::RowPosition: return view.YPos;
    }
    return view.length;
}

}  // namespace

void ControlGroupWidgets::set_visible(bool visible) const {
    label->setVisible(visible);
    bar->setVisible(visible);
    number->setVisible(visible);
}

void ControlGroupWidgets::set_enabled(bool enabled) const {
    label->setEnabled(enabled);
    bar->setEnabled(enabled);
    number->setEnabled(enabled);
}

// A group as it starts: range, steps of a click beside the thumb (page) and
// of an arrow key (line), ticks, position and the number's text.
struct ControlPanel::GroupSpec {
    const char* label_name;
    const char* caption;
    const char* bar_name;
    const char* number_name;
    BarLimits limits;
    const char* start_text;
    Commit commit;
};

ControlPanel::ControlPanel(Workspace& ws, QWidget* parent) : QWidget(parent), ws_(ws) {
    setObjectName(QStringLiteral("ControlBars"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    using G = ControlGroup;
    using C = Commit;
    // In the order of the panel, which is the order of the keyboard focus.
    // A grid step and a dot step of one direction take turns in one place,
    // and so do the two positions. The position bars span the grid once one
    // is read.
    magnification_ = add_group({"Magnification", messages::kMagnificationCaption, "MagnificationBar", "MagniNumber",
                                kMagnificationBar, "1", C::ByButton});
    const std::pair<G, GroupSpec> specs[] = {
        {G::LineCount,
         {"ScalarLineNumber", messages::kLineNumberCaption, "ScalarLineNumberBar", "LineNumber",
          bar_limits(G::LineCount), "1", C::ByButton}},
        {G::FillBands,
         {"SBDivided", messages::kSBDividedCaption, "SBDividedNumberBar", "SBDividedNumber", bar_limits(G::FillBands),
          "1", C::OnRelease}},
        {G::XGridStep,
         {"XGridStep", messages::kXGridStepCaption, "XGridStepBar", "XGridStepNumber", bar_limits(G::XGridStep), "1",
          C::OnRelease}},
        {G::XDotStep,
         {"XStep", messages::kXStepCaption, "XStepBar", "XStepNumber", bar_limits(G::XDotStep), "1", C::OnRelease}},
        {G::YGridStep,
         {"YGridStep", messages::kYGridStepCaption, "YGridStepBar", "YGridStepNumber", bar_limits(G::YGridStep), "1",
          C::OnRelease}},
        {G::YDotStep,
         {"YStep", messages::kYStepCaption, "YStepBar", "YStepNumber", bar_limits(G::YDotStep), "1", C::OnRelease}},
        {G::ArrowLength,
         {"VectorLength", messages::kVectorLengthCaption, "VectorLengthBar", "Length", bar_limits(G::ArrowLength), "5",
          C::OnRelease}},
        {G::ColumnPosition,
         {"XPosLabel", messages::kXPosCaption, "XPosBar", "XPosEdit", bar_limits(G::ColumnPosition), "1", C::Position}},
        {G::RowPosition,
         {"YPosLabel", messages::kYPosCaption, "YPosBar", "YPosEdit", bar_limits(G::RowPosition), "1", C::Position}},
    };
    for (const auto& [kind, spec] : specs) {
        group(kind) = add_group(spec);
        if (spec.commit != C::ByButton) connect_immediate_bar(kind, spec.commit);
    }
    Magnification = static_cast<QPushButton*>(magnification_.label);
    ScalarLineNumber = static_cast<QPushButton*>(group(G::LineCount).label);
    connect_two_step_bar(magnification_.bar, Magnification, &ControlPanel::on_magnification_moved,
                         &ControlPanel::commit_magnification);
    connect_two_step_bar(group(G::LineCount).bar, ScalarLineNumber, &ControlPanel::on_line_count_moved,
                         &ControlPanel::commit_line_count);
    reset();
}

// A move only prepares the change; the button or Enter on the bar commits it.
void ControlPanel::connect_two_step_bar(TTrackBarEx* bar, QPushButton* button, void (ControlPanel::*moved)(int),
                                        void (ControlPanel::*commit)()) {
    connect(bar, &TTrackBarEx::changed, this, moved);
    connect(button, &QPushButton::clicked, this, commit);
    connect(bar, &TTrackBarEx::keyDown, this, [this, commit](int key) {
        if (is_enter(key)) (this->*commit)();
    });
}

// A move stores the value at once. The view is drawn when the mouse lets go
// of the bar, or when Enter is released on it; a position bar draws at every
// key, so that holding an arrow key runs along the grid.
void ControlPanel::connect_immediate_bar(ControlGroup kind, Commit commit) {
    TTrackBarEx* bar = group(kind).bar;
    connect(bar, &TTrackBarEx::mouseUp, this, &ControlPanel::redraw_requested);
    if (commit == Commit::Position) {
        connect(bar, &TTrackBarEx::changed, this, [this, kind](int position) { on_position_moved(kind, position); });
        connect(bar, &TTrackBarEx::keyDown, this, &ControlPanel::redraw_requested);
    } else {
        connect(bar, &TTrackBarEx::changed, this, [this, kind](int position) { on_setting_moved(kind, position); });
        connect(bar, &TTrackBarEx::keyUp, this, [this](int key) {
            if (is_enter(key)) emit redraw_requested();
        });
    }
}

ControlGroupWidgets ControlPanel::add_group(const GroupSpec& spec) {
    ControlGroupWidgets widgets;
    const QString caption = text(spec.caption);
    if (spec.commit == Commit::ByButton) {
        auto* button = new QPushButton(caption);
        name_widget(button, spec.label_name);
        widgets.label = button;
    } else {
        auto* label = new QLabel(caption);
        name_widget(label, spec.label_name);
        widgets.label = label;
    }
    widgets.bar = new TTrackBarEx;
    name_widget(widgets.bar, spec.bar_name, caption);
    widgets.bar->set_limits(spec.limits);
    if (auto* label = qobject_cast<QLabel*>(widgets.label)) label->setBuddy(widgets.bar);
    widgets.number = new QLineEdit(text(spec.start_text));
    name_widget(widgets.number, spec.number_name, caption);
    widgets.number->setReadOnly(true);
    widgets.number->setFixedWidth(kNumberWidth);

    auto* bar_row = new QHBoxLayout;
    bar_row->setSpacing(2);
    bar_row->addWidget(widgets.bar, 1);
    bar_row->addWidget(widgets.number);
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addWidget(widgets.label, 0, Qt::AlignLeft);
    column->addLayout(bar_row);
    return widgets;
}

void ControlPanel::apply(const ControlLayout& layout) {
    for (int k = 0; k < kControlGroupCount; ++k) {
        const auto kind = static_cast<ControlGroup>(k);
        const std::optional<GroupState>& state = layout.group(kind);
        if (!state) continue;
        if (state->visible)
            show_group(kind, state->value);
        else
            group(kind).set_visible(false);
    }
}

// The number field shows the value, except that the position fields show
// the zero-based index of the result files, as they do after a move.
void ControlPanel::show_group(ControlGroup kind, int value) {
    ControlGroupWidgets& widgets = group(kind);
    const bool position = kind == ControlGroup::ColumnPosition || kind == ControlGroup::RowPosition;
    widgets.bar->set_position(value);
    widgets.number->setText(QString::number(position ? widgets.bar->value() - 1 : value));
    widgets.set_visible(true);
}

void ControlPanel::show_magnification(int magni) {
    ws_.pending_magnification.reset();
    magnification_.bar->set_position(magni);
    magnification_.number->setText(shortest_decimal(magni / 100.0));
}

void ControlPanel::enable_magnification(bool enabled) { magnification_.set_enabled(enabled); }

bool ControlPanel::magnification_enabled() const { return magnification_.bar->isEnabled(); }

void ControlPanel::set_position_ranges(const FieldStore& store) {
    group(ControlGroup::ColumnPosition).bar->set_range(store.file_x_start + 1, store.file_x_end + 1);
    group(ControlGroup::RowPosition).bar->set_range(store.file_y_start + 1, store.file_y_end + 1);
    const DrawRect& grid = store.grid_area;
    group(ControlGroup::XGridStep).bar->set_range(1, grid_step_max(grid.x_end - grid.x_start + 1));
    group(ControlGroup::YGridStep).bar->set_range(1, grid_step_max(grid.y_end - grid.y_start + 1));
}

// No view is shown: the magnification shows no number and the bar rests at
// its start, so nothing of the last view stays.
void ControlPanel::reset() {
    enable_magnification(false);
    magnification_.bar->set_position(magnification_.bar->minimum());
    magnification_.number->clear();
    for (const ControlGroupWidgets& widgets : groups_) widgets.set_visible(false);
}

View_Info* ControlPanel::current_view() const {
    const int slot = ws_.views.current_active_window;
    return slot >= 1 && slot <= kMaxViews ? &ws_.views.at(slot) : nullptr;
}

// The geometry draws the current view at the bar's position at once; the
// view's record keeps its own until the commit.
void ControlPanel::on_magnification_moved(int position) {
    if (ws_.views.info_number_max <= 0) return;
    ws_.pending_magnification = position;
    magnification_.number->setText(one_decimal(position));
    magnification_change_ = TwoStepChange::Pending;
    show_two_step_captions();
}

void ControlPanel::on_line_count_moved(int position) {
    group(ControlGroup::LineCount).number->setText(QString::number(position));
    line_count_change_ = TwoStepChange::Pending;
    show_two_step_captions();
}

void ControlPanel::commit_magnification() {
    if (magnification_change_ != TwoStepChange::Pending) return;
    if (View_Info* view = current_view()) view->magni = magnification_.bar->value();
    ws_.pending_magnification.reset();
    commit_both();
    emit redraw_requested();
}

// The count belongs to contour views; a commit on any other view only
// clears the mark of the pending change.
void ControlPanel::commit_line_count() {
    if (line_count_change_ != TwoStepChange::Pending) return;
    View_Info* view = current_view();
    const bool contour = view && kind_of(*view) == ViewKind::Contour;
    if (contour) view->line_num = group(ControlGroup::LineCount).bar->value();
    commit_both();
    if (contour) emit redraw_requested();
}

// Either commit ends both pending changes.
void ControlPanel::commit_both() {
    magnification_change_ = line_count_change_ = TwoStepChange::Committed;
    show_two_step_captions();
}

// A two-step button says "再描画" while its change waits, its committed
// caption once one was committed, and its first caption before.
void ControlPanel::show_two_step_captions() {
    const auto caption = [](TwoStepChange change, const char* first, const char* committed) {
        return text(change == TwoStepChange::Pending     ? messages::kRedrawCaption
                    : change == TwoStepChange::Committed ? committed
                                                         : first);
    };
    Magnification->setText(
        caption(magnification_change_, messages::kMagnificationCaption, messages::kMagnificationCommitted));
    ScalarLineNumber->setText(
        caption(line_count_change_, messages::kLineNumberCaption, messages::kLineNumberCommitted));
}

void ControlPanel::on_setting_moved(ControlGroup kind, int position) {
    View_Info* view = current_view();
    if (view && position != setting_of(*view, kind)) {
        setting_of(*view, kind) = position;
        group(kind).number->setText(QString::number(position));
    }
    emit status_refresh_requested();
}

void ControlPanel::on_position_moved(ControlGroup kind, int position) {
    View_Info* view = current_view();
    if (view && position != setting_of(*view, kind)) {
        setting_of(*view, kind) = position;
        group(kind).number->setText(QString::number(position - 1));
    }
    emit status_refresh_requested();
}

void ControlPanel::store_magnification(int position) {
    magnification_.bar->set_position(position);
    ws_.pending_magnification.reset();
    if (View_Info* view = current_view()) view->magni = magnification_.bar->value();
    magnification_.number->setText(one_decimal(magnification_.bar->value()));
}

void ControlPanel::magnify(int (*step)(int)) {
    store_magnification(step(magnification_.bar->value()));
    emit redraw_requested();
}

// The number follows the bar here too, so that it never shows another
// magnification than the one drawn.
void ControlPanel::set_magnification_preset(int magni) {
    store_magnification(magni);
    magnification_change_ = TwoStepChange::Committed;
    show_two_step_captions();
    emit redraw_requested();
}

}  // namespace ruvo
