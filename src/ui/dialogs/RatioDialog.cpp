#include "ui/dialogs/RatioDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/controls/UpDown.h"
#include "ui/dialogs/DialogFrame.h"
#include "view/BarLimits.h"
#include "view/StyleSettings.h"
#include "view/TypedReal.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TChangeRatio::TChangeRatio(HandOn hand_on, QWidget* parent)
    : QDialog(parent),
      hand_on_(std::move(hand_on)),
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

// The up-down keeps its position from one edit to the next.
void TChangeRatio::edit(double ratio, std::optional<double> natural) {
    opening_ratio_ = ratio;
    natural_ = natural;
    C_Ratio_Edit->setText(ratio_text(ratio));
}

void TChangeRatio::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centre_on_screen(*this);
    C_Ratio_UpDown->setFocus();
}

// The up-down's ratios were shown as it moved: none of them is kept.
void TChangeRatio::reject() {
    hand_on_(opening_ratio_, RatioChoice::Shown);
    QDialog::reject();
}

void TChangeRatio::C_Ratio_UpDownClick(int position) {
    if (!natural_) return;  // an area without extent has no ratio to scale
    const double ratio = ratio_at(*natural_, position);
    hand_on_(ratio, RatioChoice::Shown);
    C_Ratio_Edit->setText(ratio_text(ratio));
}

void TChangeRatio::C_Ratio_OKClick() {
    const std::optional<double> typed = typed_real(C_Ratio_Edit->text());
    if (!typed || !kRatioLimits.holds(*typed)) {
        const QString refusal = typed ? text(messages::kRatioOutOfRange).arg(kRatioLimits.min).arg(kRatioLimits.max)
                                      : text(messages::kNotANumber);
        QMessageBox::warning(this, text(messages::kWarningTitle), refusal);
        return;
    }
    hand_on_(*typed, RatioChoice::Fixed);
    accept();
}

}  // namespace ruvo
