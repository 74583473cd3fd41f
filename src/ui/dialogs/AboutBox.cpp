#include "ui/dialogs/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Messages.h"
#include "ui/WidgetNames.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

TAboutWindow::TAboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutWindow"));
    setAccessibleDescription(objectName());
    setWindowTitle(text(messages::kAboutTitle));

    auto* column = new QVBoxLayout(this);
    auto* product = new QLabel(text(messages::kApplicationTitle));
    name_widget(product, "ProductName");
    QFont large = product->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    product->setFont(large);
    auto* comments = new QLabel(text(messages::kAboutDescription));
    name_widget(comments, "Comments");
    column->addWidget(product, 0, Qt::AlignHCenter);
    column->addWidget(comments, 0, Qt::AlignHCenter);

    auto* ok = new QPushButton(text(messages::kAboutOk));
    name_widget(ok, "AboutBoxButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);  // AboutBoxButtonClick
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    column->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 160)));
}

}  // namespace ruvo
