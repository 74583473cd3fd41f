#include "ui/controls/TrackBarEx.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "view/BarLimits.h"

namespace ruvo {

namespace {
bool is_enter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }
}  // namespace

TTrackBarEx::TTrackBarEx(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksBelow);
    connect(this, &QAbstractSlider::valueChanged, this, [this](int position) {
        if (!setting_position_) emit changed(position);
    });
}

void TTrackBarEx::set_position(int position) {
    setting_position_ = true;
    setValue(position);
    setting_position_ = false;
}

void TTrackBarEx::set_range(int minimum, int maximum) {
    setting_position_ = true;
    setRange(minimum, maximum);
    setting_position_ = false;
}

void TTrackBarEx::set_limits(const BarLimits& limits) {
    set_range(limits.min, limits.max);
    set_position(limits.start);
    setPageStep(limits.page);
    setSingleStep(limits.line);
    setTickInterval(limits.tick);
}

void TTrackBarEx::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    emit mouseUp();
}

void TTrackBarEx::keyPressEvent(QKeyEvent* event) {
    QSlider::keyPressEvent(event);
    // Enter commits on the bar: it is the bar's key, not the window's.
    if (is_enter(event->key())) event->accept();
    emit keyDown(event->key());
}

void TTrackBarEx::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    // A key held down repeats its press, not its release.
    if (event->isAutoRepeat()) return;
    emit keyUp(event->key());
}

}  // namespace ruvo
