#include "ui/frame/MenuShortcuts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>

namespace ruvo {

namespace {

// The enabled, visible item of `actions` (and of their enabled submenus)
// with the shortcut `key`.
QAction* item_with_shortcut(const QList<QAction*>& actions, const QKeySequence& key) {
    for (QAction* action : actions) {
        if (!action->isEnabled() || !action->isVisible()) continue;
        if (auto* menu = action->menu<QMenu*>()) {
            if (QAction* found = item_with_shortcut(menu->actions(), key)) return found;
        } else if (action->shortcuts().contains(key)) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

MenusFirst::MenusFirst(QMenuBar& bar, QObject* parent) : QObject(parent), bar_(bar) {}

bool MenusFirst::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Shortcut) return false;
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (!shortcut->isAmbiguous()) return false;
    return trigger_item(shortcut->key()) || open_menu(shortcut->key());
}

bool MenusFirst::trigger_item(const QKeySequence& key) const {
    QAction* item = item_with_shortcut(bar_.actions(), key);
    if (item) item->trigger();
    return item != nullptr;
}

bool MenusFirst::open_menu(const QKeySequence& key) const {
    for (QAction* entry : bar_.actions()) {
        if (entry->isEnabled() && QKeySequence::mnemonic(entry->text()) == key) {
            bar_.setActiveAction(entry);
            return true;
        }
    }
    return false;
}

}  // namespace ruvo
