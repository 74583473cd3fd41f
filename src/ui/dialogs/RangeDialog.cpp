#include "ui/dialogs/RangeDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "Workspace.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/controls/TrackBarEx.h"
#include "view/BarLimits.h"
#include "view/TypedReal.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kDefinitionWidth = 420;  // room for two values of eight decimals

// One end's group: its definition over its edit and bar.
struct EndGroup {
    QGroupBox* box;
    QLabel* definition;
    QLineEdit* edit;
    TTrackBarEx* bar;
};

EndGroup end_group(const char* box_name, const char* caption, const char* definition_name, const char* edit_name,
                   const char* bar_name) {
    EndGroup group{new QGroupBox(text(caption)), new QLabel, new QLineEdit, new TTrackBarEx};
    name_widget(group.box, box_name);
    name_widget(group.definition, definition_name);
    name_widget(group.edit, edit_name, group.box->title());
    name_widget(group.bar, bar_name, group.box->title());
    group.definition->setMinimumWidth(kDefinitionWidth);
    group.bar->set_limits(kMaxMinBar);
    auto* column = new QVBoxLayout(group.box);
    column->addWidget(group.definition);
    auto* row = new QHBoxLayout;
    row->addWidget(group.edit);
    row->addWidget(group.bar, 1);
    column->addLayout(row);
    return group;
}

QPushButton* button(const char* name, const char* caption) {
    auto* push = new QPushButton(text(caption));
    name_widget(push, name);
    return push;
}
}  // namespace

TMaxMinSet::TMaxMinSet(Workspace& ws, QWidget* parent) : QDialog(parent), ws_(ws) {
    name_widget(this, "MaxMinSet");
    setWindowTitle(text(messages::kMaxMinSetCaption));
    use_close_box_only(*this);

    const EndGroup max = end_group("MaxGB", messages::kMaxGroup, "Max_Definition", "Max_Edit", "Max_TrackBarEx");
    const EndGroup min = end_group("MinGB", messages::kMinGroup, "Min_Definition", "Min_Edit", "Min_TrackBarEX");
    MaxGB = max.box;
    Max_Definition = max.definition;
    Max_Edit = max.edit;
    Max_TrackBarEx = max.bar;
    MinGB = min.box;
    Min_Definition = min.definition;
    Min_Edit = min.edit;
    Min_TrackBarEX = min.bar;
    MaxMIn_Ok = button("MaxMIn_Ok", messages::kOkButton);
    MaxMIn_Cancel = button("MaxMIn_Cancel", messages::kCancelLatin);

    auto* column = new QVBoxLayout(this);
    column->addWidget(MaxGB);
    column->addWidget(MinGB);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(MaxMIn_Ok);
    buttons->addWidget(MaxMIn_Cancel);
    column->addLayout(buttons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(Max_TrackBarEx, &TTrackBarEx::changed, this, &TMaxMinSet::Max_TrackBarExChange);
    connect(Min_TrackBarEX, &TTrackBarEx::changed, this, &TMaxMinSet::Min_TrackBarEXChange);
    connect(Max_Edit, &QLineEdit::returnPressed, this, &TMaxMinSet::Max_EditKeyDown);
    connect(Min_Edit, &QLineEdit::returnPressed, this, &TMaxMinSet::Min_EditKeyDown);
    connect(MaxMIn_Ok, &QPushButton::clicked, this, &TMaxMinSet::MaxMIn_OKClick);
    connect(MaxMIn_Cancel, &QPushButton::clicked, this, &QDialog::reject);  // MaxMIn_CancelClick
}

void TMaxMinSet::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    centre_on_screen(*this);
}

// Enter in an edit takes its value only: the edit leaves the key to the
// dialog, which would press the default button with it.
void TMaxMinSet::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (focusWidget() == Max_Edit || focusWidget() == Min_Edit)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMaxMinSet::FormShow() {
    work_ = max_min_work(ws_.views.current(), ws_.store);
    Set_Track_Bars();
    Max_Edit->setText(range_value_text(work_.work_max));
    Min_Edit->setText(range_value_text(work_.work_min));
    Set_Definition_Labels();
}

void TMaxMinSet::Max_TrackBarExChange(int position) {
    max_from_bar(work_, position);
    Max_Edit->setText(range_value_text(work_.work_max));
    Set_Definition_Labels();
}

void TMaxMinSet::Min_TrackBarEXChange(int position) {
    min_from_bar(work_, position);
    Min_Edit->setText(range_value_text(work_.work_min));
    Set_Definition_Labels();
}

void TMaxMinSet::Max_EditKeyDown() { take_typed_end(Max_Edit, type_max, work_.work_max, messages::kMaxAtOrBelowMin); }

void TMaxMinSet::Min_EditKeyDown() { take_typed_end(Min_Edit, type_min, work_.work_min, messages::kMinAtOrAboveMax); }

void TMaxMinSet::take_typed_end(QLineEdit* edit, bool (*type)(MaxMinWork&, double), const double& end,
                                const char* refusal) {
    const std::optional<double> typed = typed_real(edit->text());
    if (!typed) {
        warn(messages::kNotANumber);
        edit->setText(general_real_text(end));
        return;
    }
    if (!type(work_, *typed)) {
        warn(refusal);
        edit->setText(general_real_text(end));
    }
    Set_Track_Bars();
    Set_Definition_Labels();
}

void TMaxMinSet::Set_Track_Bars() {
    for (const auto& [bar, placement] :
         {std::pair{Max_TrackBarEx, max_bar_placement(work_)}, std::pair{Min_TrackBarEX, min_bar_placement(work_)}}) {
        bar->setEnabled(placement.enabled);
        if (placement.position) bar->set_position(*placement.position);
    }
}

void TMaxMinSet::Set_Definition_Labels() {
    Max_Definition->setText(max_definition(work_));
    Min_Definition->setText(min_definition(work_));
}

void TMaxMinSet::MaxMIn_OKClick() {
    store_range(work_, ws_.views.current());
    accept();
}

void TMaxMinSet::warn(const char* message) { QMessageBox::warning(this, text(messages::kWarningTitle), text(message)); }

}  // namespace ruvo
