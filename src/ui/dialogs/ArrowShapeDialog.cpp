#include "ui/dialogs/ArrowShapeDialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "Workspace.h"
#include "plot/ArrowPreview.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/controls/TrackBarEx.h"
#include "view/BarLimits.h"
#include "view/StyleSettings.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kShapeSide = 160;  // the picture of the head, square so that every shape fits
constexpr int kValueWidth = 48;
}  // namespace

TArrow_Shape_Change::TArrow_Shape_Change(Workspace& ws, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      shape_(kShapeSide, kShapeSide, QImage::Format_RGB32),
      Arrow_Width_Label(new QLabel(text(messages::kArrowWidthLabel))),
      Arrow_Width_TBEx(new TTrackBarEx),
      Arrow_Width_Edit(new QLineEdit),
      Arrow_Span_Label(new QLabel(text(messages::kArrowSpanLabel))),
      Arrow_Span_TBEx(new TTrackBarEx),
      Arrow_Span_Edit(new QLineEdit),
      Arrow_Panel(new QFrame),
      Arrow_Image(new QLabel),
      Arrow_OK(new QPushButton(text(messages::kOkButton))),
      Arrow_Cancel(new QPushButton(text(messages::kCancelLatin))) {
    name_widget(this, "Arrow_Shape_Change");
    setWindowTitle(text(messages::kArrowShapeCaption));

    auto* values = new QGridLayout;
    const auto add_row = [values](int row, QLabel* label, const char* label_name, TTrackBarEx* bar,
                                  const char* bar_name, QLineEdit* edit, const char* edit_name) {
        name_widget(label, label_name);
        name_widget(bar, bar_name, label->text());
        name_widget(edit, edit_name, label->text());
        label->setBuddy(bar);
        bar->set_limits(kArrowShapeBar);
        edit->setReadOnly(true);  // the bars set the shape
        edit->setFixedWidth(kValueWidth);
        values->addWidget(label, row, 0);
        values->addWidget(bar, row, 1);
        values->addWidget(edit, row, 2);
    };
    add_row(0, Arrow_Width_Label, "Arrow_Width_Label", Arrow_Width_TBEx, "Arrow_Width_TBEx", Arrow_Width_Edit,
            "Arrow_Width_Edit");
    add_row(1, Arrow_Span_Label, "Arrow_Span_Label", Arrow_Span_TBEx, "Arrow_Span_TBEx", Arrow_Span_Edit,
            "Arrow_Span_Edit");
    values->setColumnMinimumWidth(1, 220);

    name_widget(Arrow_Panel, "Arrow_Panel");
    name_widget(Arrow_Image, "Arrow_Image", windowTitle());
    Arrow_Panel->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QVBoxLayout(Arrow_Panel);
    panel->addWidget(Arrow_Image);

    name_widget(Arrow_OK, "Arrow_OK");
    name_widget(Arrow_Cancel, "Arrow_Cancel");
    Arrow_OK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Arrow_OK);
    buttons->addWidget(Arrow_Cancel);

    auto* left = new QVBoxLayout;
    left->addLayout(values);
    left->addStretch(1);
    left->addLayout(buttons);
    auto* row = new QHBoxLayout(this);
    row->addLayout(left, 1);
    row->addWidget(Arrow_Panel);

    connect(Arrow_Width_TBEx, &TTrackBarEx::changed, this, &TArrow_Shape_Change::Arrow_Width_TBExChange);
    connect(Arrow_Span_TBEx, &TTrackBarEx::changed, this, &TArrow_Shape_Change::Arrow_Span_TBExChange);
    connect(Arrow_OK, &QPushButton::clicked, this, &TArrow_Shape_Change::Arrow_OKClick);
    connect(Arrow_Cancel, &QPushButton::clicked, this, &QDialog::reject);  // Arrow_CancelClick
}

void TArrow_Shape_Change::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TArrow_Shape_Change::FormShow() {
    const View_Info& view = ws_.views.current();
    work_arrow_width = view.arrow_width;
    work_arrow_span = view.arrow_span;
    Arrow_Width_TBEx->set_position(arrow_shape_position(work_arrow_width));
    Arrow_Span_TBEx->set_position(arrow_shape_position(work_arrow_span));
    Arrow_Width_Edit->setText(arrow_shape_text(work_arrow_width));
    Arrow_Span_Edit->setText(arrow_shape_text(work_arrow_span));
    show_shape();
}

void TArrow_Shape_Change::Arrow_Width_TBExChange(int position) {
    work_arrow_width = arrow_shape_fraction(position);
    Arrow_Width_Edit->setText(arrow_shape_text(work_arrow_width));
    show_shape();
}

void TArrow_Shape_Change::Arrow_Span_TBExChange(int position) {
    work_arrow_span = arrow_shape_fraction(position);
    Arrow_Span_Edit->setText(arrow_shape_text(work_arrow_span));
    show_shape();
}

void TArrow_Shape_Change::Arrow_OKClick() {
    View_Info& view = ws_.views.current();
    view.arrow_width = work_arrow_width;
    view.arrow_span = work_arrow_span;
    accept();
}

void TArrow_Shape_Change::show_shape() {
    Draw_Arrow_Preview(shape_, work_arrow_width, work_arrow_span);
    Arrow_Image->setPixmap(QPixmap::fromImage(shape_));
}

}  // namespace ruvo
