#include "ui/WidgetNames.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>

namespace ruvo {

QString without_accelerator(const QString& caption) {
    static const QRegularExpression kBracketed(QStringLiteral("\\s*\\(&.\\)"));
    QString text = caption;
    text.remove(kBracketed);
    text.remove(u'&');
    return text.trimmed();
}

QAction* add_named_item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace ruvo
