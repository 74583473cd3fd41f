#include "ui/frame/MainWindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ruvo {

MainWindowKeys::MainWindowKeys(QWidget& main, const QWidget& view_area, std::function<void(const QKeyEvent&)> hand_on)
    : QObject(&main), main_(main), view_area_(view_area), hand_on_(std::move(hand_on)) {}

bool MainWindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    // A key the receiver leaves goes on to its parents: only its first
    // receiver, the focus widget (or the window when none has the focus), counts.
    QWidget* first = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (watched != first || first == nullptr || first->window() != &main_) return false;
    if (first == &view_area_ || view_area_.isAncestorOf(first)) return false;
    hand_on_(*static_cast<QKeyEvent*>(event));
    return false;
}

}  // namespace ruvo
