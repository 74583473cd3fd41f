#pragma once

#include <QSlider>

namespace ruvo {

struct BarLimits;

// The track bar of the control panel. Besides its change it reports the
// release of the mouse button and the keys pressed and released on it, so
// that a window can redraw when the user lets go of the bar.
//
// changed() reports only the moves the user makes (dragging, clicking
// beside the thumb, keys, the wheel); a position set by the program through
// set_position() is not reported.
class TTrackBarEx : public QSlider {
    Q_OBJECT

public:
    explicit TTrackBarEx(QWidget* parent = nullptr);

    // Moves the bar without reporting a change. The bar keeps the position
    // within its range.
    void set_position(int position);
    // Sets the range without reporting the move it may cause.
    void set_range(int minimum, int maximum);
    // Range, steps, ticks and start position, none of it reported.
    void set_limits(const BarLimits& limits);

signals:
    void changed(int position);
    void mouseUp();
    // After the bar has handled the key, so a handler sees the new position.
    void keyDown(int key);
    void keyUp(int key);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool setting_position_ = false;
};

}  // namespace ruvo
