#pragma once

#include <QKeySequence>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;

namespace ruvo {

// A widget the program's documentation names: reachable by that name from
// tests (findChild) and from assistive technology, which does not see object
// names, through the accessible description.
inline void name_widget(QWidget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleDescription(QString::fromLatin1(name));
}

// The text of a caption as it is read out: without its accelerator mark,
// "グリッド(&G)" -> "グリッド", "&OK" -> "OK".
QString without_accelerator(const QString& caption);

// A named widget without visible text of its own, announced by the text of
// the label that stands for it.
inline void name_widget(QWidget* widget, const char* name, const QString& label) {
    name_widget(widget, name);
    widget->setAccessibleName(without_accelerator(label));
}

// A menu item the program's documentation names, with its caption (UTF-8)
// and shortcut.
QAction* add_named_item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {});

}  // namespace ruvo
