#pragma once

#include <QWidget>

#include "view/BarLimits.h"

class QLineEdit;

namespace ruvo {

// An up-down control: two arrow buttons that step a position within a range.
// The arrow keys step it too, on the control and on the edit it is attached
// to. clicked() reports each step the user makes that moves the position.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(const UpDownLimits& limits, QWidget* parent = nullptr);

    int position() const { return position_; }
    // The edit beside the control: the arrow keys step the control there too.
    void attach(QLineEdit* edit);

signals:
    void clicked(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // +1 steps up, -1 down, 0 for a key that is no step.
    static int direction_of(int key);
    void step(int direction);

    const UpDownLimits limits_;
    int position_;
};

}  // namespace ruvo
