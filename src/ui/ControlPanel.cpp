#include "ui/ControlPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Workspace.h"
#include "ui/Messages.h"
#include "ui/StatusDump.h"
#include "ui/WidgetNames.h"
#include "ui/controls/TrkBarex.h"

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
    int min, max, start, page, line, tick;
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
                                100, 800, 100, 25, 10, 25, "1", C::ByButton});
    const std::pair<G, GroupSpec> specs[] = {
        {G::LineCount,
         {"ScalarLineNumber", messages::kLineNumberCaption, "ScalarLineNumberBar", "LineNumber", 1, 100, 30, 10, 1, 5,
          "1", C::ByButton}},
        {G::FillBands,
         {"SBDivided", messages::kSBDividedCaption, "SBDividedNumberBar", "SBDividedNumber", 10, 255, 10, 10, 5, 10,
          "1", C::OnRelease}},
        {G::XGridStep,
         {"XGridStep", messages::kXGridStepCaption, "XGridStepBar", "XGridStepNumber", 1, 20, 1, 3, 1, 1, "1",
          C::OnRelease}},
        {G::XDotStep,
         {"XStep", messages::kXStepCaption, "XStepBar", "XStepNumber", 1, 40, 1, 3, 1, 2, "1", C::OnRelease}},
        {G::YGridStep,
         {"YGridStep", messages::kYGridStepCaption, "YGridStepBar", "YGridStepNumber", 1, 20, 1, 3, 1, 1, "1",
          C::OnRelease}},
        {G::YDotStep,
         {"YStep", messages::kYStepCaption, "YStepBar", "YStepNumber", 1, 40, 1, 3, 1, 2, "1", C::OnRelease}},
        {G::ArrowLength,
         {"VectorLength", messages::kVectorLengthCaption, "VectorLengthBar", "Length", 1, 100, 5, 5, 1, 5, "5",
          C::OnRelease}},
        {G::ColumnPosition,
         {"XPosLabel", messages::kXPosCaption, "XPosBar", "XPosEdit", 1, 1, 1, 5, 1, 1, "1", C::Position}},
        {G::RowPosition,
         {"YPosLabel", messages::kYPosCaption, "YPosBar", "YPosEdit", 1, 1, 1, 5, 1, 1, "1", C::Position}},
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
    widgets.bar->setRange(spec.min, spec.max);
    widgets.bar->set_position(spec.start);
    widgets.bar->setPageStep(spec.page);
    widgets.bar->setSingleStep(spec.line);
    widgets.bar->setTickInterval(spec.tick);
    if (auto* label = qobject_cast<QLabel*>(widgets.label)) label->setBuddy(widgets.bar);
    widgets.number = new QLineEdit(text(spec.start_text));
    name_widget(widgets.number, spec.number_name, caption);
    widgets.number->setReadOnly(true);
    widgets.number->setFixedWidth(kNumberWidth);
    widgets.current = spec.start;

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
    widgets.current = value;
    widgets.set_visible(true);
}

void ControlPanel::show_magnification(int magni) {
    magnification_.bar->set_position(magni);
    magnification_.number->setText(shortest_decimal(magni / 100.0));
}

void ControlPanel::enable_magnification(bool enabled) { magnification_.set_enabled(enabled); }

void ControlPanel::set_position_ranges(const FieldStore& store) {
    group(ControlGroup::ColumnPosition).bar->set_range(store.file_x_start + 1, store.file_x_end + 1);
    group(ControlGroup::RowPosition).bar->set_range(store.file_y_start + 1, store.file_y_end + 1);
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

// The geometry takes the magnification from the bar, so the bar's position
// is the workspace's at once; the view keeps its own until the commit.
void ControlPanel::on_magnification_moved(int position) {
    if (ws_.views.info_number_max <= 0) return;
    ws_.bars.magnification = position;
    magnification_.number->setText(one_decimal(position));
    Magnification->setText(text(messages::kRedrawCaption));
}

void ControlPanel::on_line_count_moved(int position) {
    ControlGroupWidgets& widgets = group(ControlGroup::LineCount);
    if (position == widgets.current) return;
    widgets.current = position;
    widgets.number->setText(QString::number(position));
    ScalarLineNumber->setText(text(messages::kRedrawCaption));
}

void ControlPanel::commit_magnification() {
    if (Magnification->text() != text(messages::kRedrawCaption)) return;
    if (View_Info* view = current_view()) view->magni = magnification_.bar->value();
    set_commit_captions();
    emit redraw_requested();
}

// The count belongs to contour views; a commit on any other view only
// clears the mark of the pending change.
void ControlPanel::commit_line_count() {
    if (ScalarLineNumber->text() != text(messages::kRedrawCaption)) return;
    View_Info* view = current_view();
    const bool contour = view && view->FileType == kScalarView && view->ScalarViewType == kContourView;
    if (contour) {
        ControlGroupWidgets& widgets = group(ControlGroup::LineCount);
        view->line_num = widgets.bar->value();
        widgets.number->setText(QString::number(widgets.current));
    }
    set_commit_captions();
    if (contour) emit redraw_requested();
}

void ControlPanel::set_commit_captions() {
    Magnification->setText(text(messages::kMagnificationCommitted));
    ScalarLineNumber->setText(text(messages::kLineNumberCommitted));
}

void ControlPanel::on_setting_moved(ControlGroup kind, int position) {
    ControlGroupWidgets& widgets = group(kind);
    View_Info* view = current_view();
    if (view && position != widgets.current) {
        widgets.current = position;
        widgets.number->setText(QString::number(position));
        switch (kind) {
        case ControlGroup::FillBands: view->divided_number = position; break;
        case ControlGroup::XGridStep: view->x_grid_step = ws_.bars.x_grid_step = position; break;
        case ControlGroup::YGridStep: view->y_grid_step = ws_.bars.y_grid_step = position; break;
        case ControlGroup::XDotStep: view->x_dot_step = ws_.bars.x_dot_step = position; break;
        case ControlGroup::YDotStep: view->y_dot_step = ws_.bars.y_dot_step = position; break;
        case ControlGroup::ArrowLength: view->length = ws_.bars.vector_length = position; break;
        default: break;
        }
    }
    emit status_refresh_requested();
}

void ControlPanel::on_position_moved(ControlGroup kind, int position) {
    View_Info* view = current_view();
    if (view) {
        std::int32_t& stored = kind == ControlGroup::ColumnPosition ? view->XPos : view->YPos;
        if (position != stored) {
            stored = position;
            group(kind).number->setText(QString::number(position - 1));
        }
    }
    emit status_refresh_requested();
}

void ControlPanel::store_magnification(int position) {
    magnification_.bar->set_position(position);
    ws_.bars.magnification = magnification_.bar->value();
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
    Magnification->setText(text(messages::kMagnificationCommitted));
    emit redraw_requested();
}

}  // namespace ruvo
