#include <QCursor>

#include "ViewTestFixture.h"
#include "view/Geometry.h"

namespace ruvo {
namespace {

// A project of 512 x 128 nodes over the unit square, and a scalar file whose
// value at each node is its line in the file, from 0.
class LargeGridTest : public test::ViewFixture {
protected:
    static constexpr int kLastI = 512;
    static constexpr int kLastJ = 128;

    void SetUp() override {
        grid_ = test::write_nodes(dir_.path(), "LARGE.GRD", kLastI, kLastJ, [](int i, int j, int) {
            return QStringLiteral("%1 %2").arg(i / (kLastI - 1.0)).arg(j / (kLastJ - 1.0));
        });
        scalar_ = test::write_scalar(dir_.path(), "LARGE.P", kLastI, kLastJ, 0.0);
        start(test::write_project(dir_.filePath("LARGE.RVP"), grid_, {}, {scalar_}));
    }
    // The mouse to the point (i, j) in node indices, scrolled into the window
    // first. It comes from off the screen: the cursor stays put when asked to go where it is.
    void mouse_to(double i, double j, bool click = false) {
        const QPoint pixel = mapping_of(ws().views.current()).pixel({(i - 1) / (kLastI - 1), (j - 1) / (kLastJ - 1)});
        main_->current_view()->show_at(pixel, {100, 100});
        QCursor::setPos(-1, -1);
        QTest::mouseMove(main_->current_view()->image(), pixel);
        if (click) QTest::mouseClick(main_->current_view()->image(), Qt::LeftButton, {}, pixel);
    }
    void keys(Qt::Key key, int times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int n = 0; n < times; ++n)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : main_.get(), key, modifiers);
    }
    std::array<int, 4> area() {
        const View_Info& v = ws().views.current();
        return {v.x_start, v.y_start, v.x_end, v.y_end};
    }
};

TEST_F(LargeGridTest, TheProbeAndThePositionBarsReachTheLastNode) {
    open_scalars();
    main_->set_magnification_preset(800);
    mouse_to(1.25, 1.25);
    EXPECT_EQ(QStringList({number("Edit1"), number("Edit2"), number("Edit7")}),
              QStringList({" i=0", " j= 0", "S=0.0000000"}));
    mouse_to(kLastI - 0.25, kLastJ - 0.25);
    EXPECT_EQ(QStringList({number("Edit1"), number("Edit2"), number("Edit3"), number("Edit4"), number("Edit7")}),
              QStringList({" i=511", " j= 127", "grid_x=1.0000000", "grid_y=1.0000000", "S=65535.0000000"}));
    for (const auto& [key, bar, edit, last] : {std::tuple{Qt::Key_F6, "XPosBar", "XPosEdit", kLastI},
                                               std::tuple{Qt::Key_F7, "YPosBar", "YPosEdit", kLastJ}}) {
        press(key);
        QTest::keyClick(control(bar), Qt::Key_End);
        EXPECT_EQ(control(bar)->value(), last);
        EXPECT_EQ(number(edit), QString::number(last - 1));
    }
}

// The last 20 x 10 nodes, at the top right, by the mouse at 800 % and by the keys.
TEST_F(LargeGridTest, MouseAndKeysSelectTheTopRightCorner) {
    open_grid();
    main_->set_magnification_preset(800);
    const std::array corner{kLastI - 19, kLastJ - 9, kLastI, kLastJ};
    mouse_to(corner[0] + 0.25, corner[1] + 0.25, true);
    mouse_to(kLastI - 0.25, kLastJ - 0.25, true);
    EXPECT_EQ(area(), corner);

    keys(Qt::Key_R, 1);
    keys(Qt::Key_Escape, 1);  // the whole grid again, the cursor at node (1, 1)
    ASSERT_EQ(area(), (std::array{1, 1, kLastI, kLastJ}));
    const Qt::KeyboardModifiers by_ten = Qt::ShiftModifier | Qt::ControlModifier;
    for (const auto& [i, j] : {std::pair{corner[0], corner[1]}, {kLastI, kLastJ}}) {
        const ProbeNode from = ws().probe.probe();
        keys(Qt::Key_Right, (i - from.i) / 10, by_ten);
        keys(Qt::Key_Right, (i - from.i) % 10);
        keys(Qt::Key_Up, (j - from.j) / 10, by_ten);
        keys(Qt::Key_Up, (j - from.j) % 10);
        keys(Qt::Key_Return, 1);
    }
    EXPECT_EQ(area(), corner);
}

}  // namespace
}  // namespace ruvo
