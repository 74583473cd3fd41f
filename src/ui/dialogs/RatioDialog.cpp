#include "ui/dialogs/RatioDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "Workspace.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/controls/UpDown.h"
#include "ui/dialogs/DialogFrame.h"
#include "view/BarLimits.h"
#include "view/Geometry.h"
#include "view/StyleSettings.h"
#include "view/TypedReal.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TChangeRatio::TChangeRatio(Workspace& ws, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      C_Ratio_OK(new QPushButton(text(messages::kOk))),
      C_Ratio_UpDown(new TUpDown(kRatioUpDown)),
      C_Ratio_Edit(new QLineEdit) {
    name_widget(this, "ChangeRatio");
    setWindowTitle(text(messages::kChangeRatioCaption));
    use_close_box_only(*this);
    const QString caption = windowTitle();
    name_widget(C_Ratio_OK, "C_Ratio_OK");
    name_widget(C_Ratio_UpDown, "C_Ratio_UpDown", caption);
    name_widget(C_Ratio_Edit, "C_Ratio_Edit", caption);
    C_Ratio_UpDown->attach(C_Ratio_Edit);
    C_Ratio_UpDown->setFixedHeight(C_Ratio_Edit->sizeHint().height());
    C_Ratio_OK->setDefault(true);

    auto* row = new QHBoxLayout(this);
    row->setSpacing(0);
    row->addWidget(C_Ratio_Edit);
    row->addWidget(C_Ratio_UpDown);
    row->addSpacing(12);
    row->addWidget(C_Ratio_OK);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(C_Ratio_UpDown, &TUpDown::clicked, this, &TChangeRatio::C_Ratio_UpDownClick);
    connect(C_Ratio_OK, &QPushButton::clicked, this, &TChangeRatio::C_Ratio_OKClick);
}

// FormShow: the edit shows the view's ratio; the up-down keeps its position.
void TChangeRatio::showEvent(QShowEvent* event) {
    opening_ratio_ = ws_.views.current().ratio;
    C_Ratio_Edit->setText(ratio_text(opening_ratio_));
    QDialog::showEvent(event);
    centre_on_screen(*this);
    C_Ratio_UpDown->setFocus();
}

// The up-down wrote into the view as it moved: none of that is kept.
void TChangeRatio::reject() {
    ws_.views.current().ratio = opening_ratio_;
    QDialog::reject();
}

void TChangeRatio::C_Ratio_UpDownClick(int position) {
    const std::optional<double> natural = natural_ratio(view_fields(ws_.store, ws_.views.current()));
    if (!natural) return;  // an area without extent has no ratio to scale
    View_Info& view = ws_.views.current();
    view.ratio = ratio_at(*natural, position);
    C_Ratio_Edit->setText(ratio_text(view.ratio));
}

void TChangeRatio::C_Ratio_OKClick() {
    const std::optional<double> typed = typed_real(C_Ratio_Edit->text());
    if (!typed || !kRatioLimits.holds(*typed)) {
        const QString refusal = typed ? text(messages::kRatioOutOfRange).arg(kRatioLimits.min).arg(kRatioLimits.max)
                                      : text(messages::kNotANumber);
        QMessageBox::warning(this, text(messages::kWarningTitle), refusal);
        return;
    }
    fix_ratio(ws_.views.current(), *typed, natural_ratio(view_fields(ws_.store, ws_.views.current())));
    accept();
}

}  // namespace ruvo
