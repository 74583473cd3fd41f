#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QNativeGestureEvent>
#include <QPointingDevice>

#include <cmath>

#include "TestSupport.h"
#include "UiTestSupport.h"
#include "Workspace.h"
#include "ui/frame/MainWindow.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

// The cylinder sample's pressure in a view, looked round with wheel and mouse.
class ViewGesturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        main_ = test::shown_main_window(test::example(QStringLiteral("cylinder/cylinder.RVP")));
        test::double_click_row(test::list_of(*main_, "ScalarListBox"), 0);
    }
    Workspace& ws() { return main_->workspace(); }
    TRuvo_Sub_Form& view() { return *main_->current_view(); }
    QPoint node_pixel(int i, int j) { return mapping_of(ws().views.current()).node_pixel(ws().store, i, j); }
    // The picture first, then the scroll area if it leaves it, as Qt hands a wheel on.
    void wheel(QPoint pixel, int delta, Qt::KeyboardModifiers modifiers) {
        for (QWidget* under : {static_cast<QWidget*>(view().image()), view().image()->parentWidget()}) {
            const QPoint at = view().image()->mapTo(under, pixel);
            QWheelEvent event(at, under->mapToGlobal(at), {}, {0, delta}, {}, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(under, &event);
            if (event.isAccepted()) return;
        }
    }
    void pinch(QPoint pixel, double growth) {
        QNativeGestureEvent event(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, pixel, pixel,
                                  view().image()->mapToGlobal(QPointF(pixel)), growth, {});
        QApplication::sendEvent(view().image(), &event);
    }
    void mouse(QEvent::Type type, QPoint pixel, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, pixel, view().image()->mapToGlobal(pixel), button, held, Qt::NoModifier);
        QApplication::sendEvent(view().image(), &event);
    }
    QPoint scrolled() { return -view().image()->pos(); }

    std::unique_ptr<TRuvo_Main_Form> main_;
};

// A notch up from the mark below, whole or in eighths of a fine wheel (0 for
// a pinch that grows by a quarter, in eighths).
TEST_F(ViewGesturesTest, CtrlAndTheWheelOrAPinchZoomAboutTheNodeUnderThePointer) {
    for (const auto& [magni, notch_part] : {std::pair{200, 120}, {200, 15}, {800, 120}, {800, 15}, {400, 0}}) {
        main_->set_magnification_preset(magni - 25);
        const QPoint node = node_pixel(1, 20);
        view().show_at(node, {view().client_size().width() / 2, view().client_size().height() / 3});
        const QPoint place = view().shown_at(node);
        for (int turned = 0; turned < 120; turned += notch_part ? notch_part : 15) {
            if (notch_part) {
                wheel(node, notch_part, Qt::ControlModifier);
            } else {
                pinch(node, 0.25 / 8);
            }
        }
        EXPECT_EQ(ws().views.current().magni, magni);
        EXPECT_EQ(main_->findChild<QAbstractSlider*>(QStringLiteral("MagnificationBar"))->value(), magni);
        const QPoint moved = view().shown_at(node_pixel(1, 20)) - place;
        EXPECT_LE(std::max(std::abs(moved.x()), std::abs(moved.y())), 1) << magni;
    }
}

TEST_F(ViewGesturesTest, TheWheelScrollsAndTheMiddleButtonDragsThePicture) {
    main_->set_magnification_preset(800);
    const QPoint at(200, 150);
    view().show_at(at, at);
    wheel(at, -120, Qt::NoModifier);
    EXPECT_EQ(scrolled(), QPoint(0, 150));
    wheel(at, -120, Qt::ShiftModifier);
    EXPECT_EQ(scrolled(), QPoint(150, 150));
    mouse(QEvent::MouseButtonPress, at, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_EQ(view().image()->cursor().shape(), Qt::ClosedHandCursor);
    mouse(QEvent::MouseMove, at - QPoint(30, 20), Qt::NoButton, Qt::MiddleButton);
    mouse(QEvent::MouseButtonRelease, at - QPoint(30, 20), Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(scrolled(), QPoint(180, 170));
    EXPECT_FALSE(ws().probe.probe().is_set() || ws().probe.selecting);  // neither probed nor selected
}

// Pixels ten apart: each in the ring between the cylinder and the outer
// boundary finds a node, and any node found is the nearest of all.
TEST_F(ViewGesturesTest, TheNearestNodeProbeAnswersEverywhereInTheGrid) {
    view().findChild<QAction*>(QStringLiteral("Nearest_Node_Probe"))->trigger();
    const PlotState plot = mapping_of(ws().views.current());
    const auto distance = [&](QPointF p, int i, int j) {
        return std::hypot((ws().store.grid_x(i, j) - p.x()) * plot.x_scale,
                          (ws().store.grid_y(i, j) - p.y()) * plot.y_scale);
    };
    for (int x = 0; x < view().image()->width(); x += 10) {
        for (int y = 0; y < view().image()->height(); y += 10) {
            ws().probe = {};
            mouse(QEvent::MouseMove, {x, y}, Qt::NoButton, Qt::NoButton);
            const QPointF p = grid_point_at(plot, QPointF(x, y));
            const ProbeNode found = ws().probe.probe();
            ASSERT_TRUE(found.is_set() || std::abs(std::hypot(p.x(), p.y()) - 5.25) > 4.73) << x << ", " << y;
            for (int n = 0; found.is_set() && n < 121 * 41; ++n) {
                ASSERT_LE(distance(p, found.i, found.j), distance(p, n % 121 + 1, n / 121 + 1)) << x << ", " << y;
            }
        }
    }
}

}  // namespace
}  // namespace ruvo
