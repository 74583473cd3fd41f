#include "ui/controls/UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ruvo {

TUpDown::TUpDown(const UpDownLimits& limits, QWidget* parent)
    : QWidget(parent), limits_(limits), position_(limits.start) {
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const auto& [arrow, direction] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto* button = new QToolButton;
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, direction = direction] {
            setFocus();
            step(direction);
        });
        column->addWidget(button);
    }
}

void TUpDown::attach(QLineEdit* edit) { edit->installEventFilter(this); }

int TUpDown::direction_of(int key) {
    if (key == Qt::Key_Up) return 1;
    if (key == Qt::Key_Down) return -1;
    return 0;
}

void TUpDown::keyPressEvent(QKeyEvent* event) {
    if (const int direction = direction_of(event->key())) {
        step(direction);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (const int direction = direction_of(static_cast<QKeyEvent*>(event)->key())) {
            step(direction);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::step(int direction) {
    const int moved = std::clamp(position_ + direction * limits_.increment, limits_.min, limits_.max);
    if (moved == position_) return;
    position_ = moved;
    emit clicked(position_);
}

}  // namespace ruvo
