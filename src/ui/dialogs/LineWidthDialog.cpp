#include "ui/dialogs/LineWidthDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "Workspace.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "view/BarLimits.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

// The up-down and its edit are one spin box: typed widths count as steps do.
TScalarLineWidth::TScalarLineWidth(Workspace& ws, QWidget* parent)
    : QDialog(parent), ws_(ws), SLWidth_OK(new QPushButton(text(messages::kOk))), SLWidth_UpDown(new QSpinBox) {
    name_widget(this, "ScalarLineWidth");
    setWindowTitle(text(messages::kLineWidthCaption));
    use_close_box_only(*this);
    name_widget(SLWidth_OK, "SLWidth_OK");
    name_widget(SLWidth_UpDown, "SLWidth_UpDown", windowTitle());
    name_widget(SLWidth_UpDown->findChild<QLineEdit*>(), "SLWidth_Edit", windowTitle());
    SLWidth_UpDown->setRange(kLineWidthUpDown.min, kLineWidthUpDown.max);
    SLWidth_UpDown->setSingleStep(kLineWidthUpDown.increment);
    SLWidth_UpDown->setValue(kLineWidthUpDown.start);
    SLWidth_OK->setDefault(true);

    auto* row = new QHBoxLayout(this);
    row->addWidget(SLWidth_UpDown);
    row->addSpacing(12);
    row->addWidget(SLWidth_OK);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(SLWidth_UpDown, &QSpinBox::valueChanged, this, &TScalarLineWidth::SLWidth_UpDownClick);
    connect(SLWidth_OK, &QPushButton::clicked, this, &QDialog::accept);  // SLWidth_OKClick
}

void TScalarLineWidth::showEvent(QShowEvent* event) {
    opening_width_ = ws_.views.current().line_width;
    {
        const QSignalBlocker quiet(SLWidth_UpDown);  // showing the width is no change of it
        SLWidth_UpDown->setValue(opening_width_);
    }
    QDialog::showEvent(event);
    centre_on_screen(*this);
    SLWidth_UpDown->setFocus();
}

void TScalarLineWidth::reject() {
    ws_.views.current().line_width = opening_width_;
    QDialog::reject();
}

void TScalarLineWidth::SLWidth_UpDownClick(int position) { ws_.views.current().line_width = position; }

}  // namespace ruvo
