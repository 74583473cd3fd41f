#include "app/WidgetNames.h"

#include <QRegularExpression>

namespace ruvo {

QString without_accelerator(const QString& caption) {
    static const QRegularExpression kBracketed(QStringLiteral("\\s*\\(&.\\)"));
    QString text = caption;
    text.remove(kBracketed);
    text.remove(u'&');
    return text.trimmed();
}

}  // namespace ruvo
