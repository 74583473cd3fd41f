#include "ui/viewwindow/ViewWindow.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include "data/Nearest.h"
#include "ui/WidgetNames.h"
#include "ui/frame/WindowLayout.h"

namespace ruvo {

namespace {
constexpr int kScrollIncrement = 50;
}

ViewImage::ViewImage(QWidget* parent) : QWidget(parent) {
    name_widget(this, "Image1");
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewImage::picture_changed() {
    setFixedSize(picture_.size());
    update();
}

void ViewImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), picture_, event->rect());
}

TRuvo_Sub_Form::TRuvo_Sub_Form(int slot, const QString& caption, QWidget* parent)
    : QMdiSubWindow(parent), slot_(slot), scroll_area_(new QScrollArea), Image1(new ViewImage) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Ruvo_Sub_Form"));
    setAccessibleDescription(objectName());
    setWindowTitle(caption);
    setWindowIcon(style()->standardIcon(QStyle::SP_FileIcon));
    scroll_area_->setFrameShape(QFrame::NoFrame);
    scroll_area_->setWidget(Image1);
    scroll_area_->horizontalScrollBar()->setSingleStep(kScrollIncrement);
    scroll_area_->verticalScrollBar()->setSingleStep(kScrollIncrement);
    // The window itself takes the focus, so that its keys (the arrows among
    // them) reach FormKeyDown rather than the scroll area.
    scroll_area_->setFocusPolicy(Qt::NoFocus);
    setWidget(scroll_area_);
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    resize(kDesignWidth, kDesignHeight);
    // Ctrl+W is the View menu's whole view; the window closes with Ctrl+F4.
    for (QAction* action : systemMenu()->actions()) {
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W))) {
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
    build_menus();
}

QSize TRuvo_Sub_Form::client_size() const { return scroll_area_->size(); }

void TRuvo_Sub_Form::fit_to_image(QSize space) {
    if (isMaximized() || isMinimized()) return;
    const QSize client = client_size();
    const int scroll_bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize fitted = fitted_client_size(Image1->picture().size(), space, client, scroll_bar);
    resize(size() + (fitted - client));
}

// The scroll area shows or hides its bars in a queued call after a resize;
// the part shown is measured once they have settled.
void TRuvo_Sub_Form::settle_scroll_bars() const { QCoreApplication::sendPostedEvents(scroll_area_, QEvent::MetaCall); }

std::optional<QPointF> TRuvo_Sub_Form::visible_centre() const {
    const QSize picture = Image1->picture().size();
    if (picture.isEmpty()) return std::nullopt;
    settle_scroll_bars();
    const QSize shown = scroll_area_->viewport()->size().boundedTo(picture);
    return QPointF((scroll_area_->horizontalScrollBar()->value() + shown.width() / 2.0) / picture.width(),
                   (scroll_area_->verticalScrollBar()->value() + shown.height() / 2.0) / picture.height());
}

void TRuvo_Sub_Form::centre_on(QPointF fractions) {
    const QSize picture = Image1->picture().size();
    settle_scroll_bars();
    const QSize shown = scroll_area_->viewport()->size();
    scroll_area_->horizontalScrollBar()->setValue(Nearest(fractions.x() * picture.width() - shown.width() / 2.0));
    scroll_area_->verticalScrollBar()->setValue(Nearest(fractions.y() * picture.height() - shown.height() / 2.0));
}

void TRuvo_Sub_Form::scroll_by(QPoint pixels) {
    QScrollBar* horizontal = scroll_area_->horizontalScrollBar();
    QScrollBar* vertical = scroll_area_->verticalScrollBar();
    horizontal->setValue(horizontal->value() + pixels.x());
    vertical->setValue(vertical->value() + pixels.y());
}

QPoint TRuvo_Sub_Form::shown_at(QPoint pixel) const { return Image1->mapTo(scroll_area_->viewport(), pixel); }

void TRuvo_Sub_Form::show_at(QPoint pixel, QPoint place) {
    settle_scroll_bars();
    scroll_by(shown_at(pixel) - place);
}

void TRuvo_Sub_Form::keep_in_sight(QPoint pixel) {
    scroll_area_->ensureVisible(pixel.x(), pixel.y(), kScrollIncrement, kScrollIncrement);
}

void TRuvo_Sub_Form::CopyClick() { QGuiApplication::clipboard()->setImage(Image1->picture()); }

void TRuvo_Sub_Form::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(*event);
    QMdiSubWindow::keyPressEvent(event);  // its keyboard move and resize
    event->accept();                      // the arrows do not scroll the view area behind
}

bool TRuvo_Sub_Form::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Image1) return QMdiSubWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Wheel:
        if (wheel_over_picture(*static_cast<QWheelEvent*>(event))) return true;
        break;
    case QEvent::NativeGesture:
        if (pinch_over_picture(*static_cast<QNativeGestureEvent*>(event))) return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        if (pan_with_middle_button(mouse)) return true;
        if (event->type() == QEvent::MouseMove) Image1MouseMove(mouse.position().toPoint());
        if (event->type() == QEvent::MouseButtonPress) Image1MouseDown(mouse.button());
        break;
    }
    default: break;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

// Ctrl + wheel zooms; Shift + wheel scrolls sideways, which the scroll bars
// would take for a page up or down; the plain wheel is the scroll area's.
bool TRuvo_Sub_Form::wheel_over_picture(const QWheelEvent& event) {
    if (event.modifiers() & Qt::ControlModifier) {
        if (const int steps = wheel_notches_.take(event.angleDelta().y())) {
            emit zoom_requested(this, steps, event.position().toPoint());
        }
        return true;
    }
    if (event.modifiers() != Qt::ShiftModifier) return false;
    QWheelEvent sideways(event.position(), event.globalPosition(), event.pixelDelta(), event.angleDelta(),
                         event.buttons(), Qt::NoModifier, event.phase(), event.inverted(), event.source());
    QCoreApplication::sendEvent(scroll_area_->horizontalScrollBar(), &sideways);
    return true;
}

bool TRuvo_Sub_Form::pinch_over_picture(const QNativeGestureEvent& event) {
    if (event.gestureType() != Qt::ZoomNativeGesture) return false;
    if (const int steps = pinch_steps_.take(event.value())) {
        emit zoom_requested(this, steps, event.position().toPoint());
    }
    return true;
}

// The middle button drags the picture along under the pointer; it neither
// probes nor selects (its press refreshes the status boxes, as a button
// other than the left and right always did), and the probe does not follow
// the drag.
bool TRuvo_Sub_Form::pan_with_middle_button(const QMouseEvent& event) {
    const QPointF at = event.globalPosition();
    if (event.type() == QEvent::MouseButtonPress && event.button() == Qt::MiddleButton) {
        pan_from_ = at;
        Image1->setCursor(Qt::ClosedHandCursor);
        Image1MouseDown(Qt::MiddleButton);  // what any other button does: the status boxes refresh
        return true;
    }
    if (!pan_from_) return false;
    if (event.type() == QEvent::MouseMove) {
        scroll_by((*pan_from_ - at).toPoint());
        pan_from_ = at;
        return true;
    }
    if (event.type() == QEvent::MouseButtonRelease && event.button() == Qt::MiddleButton) {
        pan_from_.reset();
        Image1->unsetCursor();
        return true;
    }
    return false;
}

void TRuvo_Sub_Form::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    scroll_area_->horizontalScrollBar()->setValue(0);
    scroll_area_->verticalScrollBar()->setValue(0);
    emit shown();
}

void TRuvo_Sub_Form::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || closed_) return;
    closed_ = true;
    emit window_closed(slot_);
}

}  // namespace ruvo
