#pragma once

#include <QObject>

class QKeySequence;
class QMenuBar;

namespace ruvo {

// Gives the menus the keys they share with the mnemonics of the main
// window's labels and buttons. Qt leaves such a key to neither: it passes it
// to each owner in turn, marked ambiguous, and a menu item ignores an
// ambiguous key. Watched objects hand an ambiguous key to the menu bar: the
// enabled item with that shortcut is triggered, or the menu with that
// mnemonic opens; only a key no menu wants reaches the label.
class MenusFirst : public QObject {
public:
    explicit MenusFirst(QMenuBar& bar, QObject* parent = nullptr);

    void watch(QObject* owner) { owner->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool trigger_item(const QKeySequence& key) const;
    bool open_menu(const QKeySequence& key) const;

    QMenuBar& bar_;
};

}  // namespace ruvo
