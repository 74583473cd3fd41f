#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include "ui/controls/TrackBarEx.h"

namespace ruvo {
namespace {

class TrackBarExTest : public ::testing::Test {
protected:
    void SetUp() override {
        bar_.set_range(1, 40);
        bar_.setSingleStep(1);
        bar_.setPageStep(3);
    }
    TTrackBarEx bar_;
    QSignalSpy changed_{&bar_, &TTrackBarEx::changed};
};

TEST_F(TrackBarExTest, ReportsTheUsersMovesButNotThePrograms) {
    bar_.set_position(10);
    bar_.set_range(1, 5);  // the position follows the range, unreported
    EXPECT_EQ(bar_.value(), 5);
    EXPECT_TRUE(changed_.isEmpty());

    QTest::keyClick(&bar_, Qt::Key_Left);
    QTest::keyClick(&bar_, Qt::Key_Home);
    QTest::keyClick(&bar_, Qt::Key_Home);  // no move, no change
    ASSERT_EQ(changed_.size(), 2);
    EXPECT_EQ(changed_[0][0].toInt(), 4);
    EXPECT_EQ(changed_[1][0].toInt(), 1);
}

TEST_F(TrackBarExTest, ReportsKeysAfterTheMoveAndReleasesOnce) {
    QSignalSpy down(&bar_, &TTrackBarEx::keyDown);
    QSignalSpy up(&bar_, &TTrackBarEx::keyUp);
    int position_at_key = 0;
    QObject::connect(&bar_, &TTrackBarEx::keyDown, [&] { position_at_key = bar_.value(); });

    QTest::keyClick(&bar_, Qt::Key_PageUp);
    EXPECT_EQ(position_at_key, 4);
    QTest::keyPress(&bar_, Qt::Key_Right);
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&bar_, &repeated);
    QTest::keyRelease(&bar_, Qt::Key_Right);
    EXPECT_EQ(down.size(), 2);
    ASSERT_EQ(up.size(), 2);  // the held key's repeat is no release
    EXPECT_EQ(up[1][0].toInt(), int(Qt::Key_Right));

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&bar_, &enter);
    EXPECT_TRUE(enter.isAccepted());  // the bar's own key
    EXPECT_EQ(down.last()[0].toInt(), int(Qt::Key_Return));
}

TEST_F(TrackBarExTest, ReportsTheReleaseOfTheMouse) {
    QSignalSpy released(&bar_, &TTrackBarEx::mouseUp);
    bar_.resize(200, 30);
    bar_.show();
    QTest::mousePress(&bar_, Qt::LeftButton, {}, QPoint(190, 15));
    EXPECT_TRUE(released.isEmpty());
    QTest::mouseRelease(&bar_, Qt::LeftButton, {}, QPoint(190, 15));
    EXPECT_EQ(released.size(), 1);
}

}  // namespace
}  // namespace ruvo
