#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace ruvo {

// Hands each key pressed while the main window holds the focus (the window
// itself or one of its own controls, not a view window) on to the view
// windows' keyboard handling before the control that has the focus sees it.
// Installed on the application, as only there a key is seen before its
// receiver.
class MainWindowKeys : public QObject {
public:
    MainWindowKeys(QWidget& main, const QWidget& view_area, std::function<void(const QKeyEvent&)> hand_on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& main_;
    const QWidget& view_area_;
    std::function<void(const QKeyEvent&)> hand_on_;
};

}  // namespace ruvo
