#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/frame/FollowControl.h"

namespace ruvo {
namespace {

// Follow mode without a main window: started from its dialog it counts down
// in its read-outs; ended by the frame, both timers stop and the read-outs go.
TEST(FollowControl, EndedByTheFrameItStopsItsTimersAndHidesItsReadouts) {
    auto ws = std::make_unique<Workspace>();
    RememberedFolders folders;
    QWidget window;
    QLineEdit info(&window), time(&window);
    QPlainTextEdit log;
    FollowControl follow(
        *ws, folders, window, {info, time, log}, [] { return QList<TRuvo_Sub_Form*>(); },
        [] { return QSize(640, 480); });
    window.show();
    EXPECT_TRUE(follow.may_end());
    follow.show_setup();
    window.findChild<QPushButton*>(QStringLiteral("Follow_Start"))->click();
    const QList<QTimer*> timers = follow.findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 2);
    for (const QTimer* timer : timers) EXPECT_TRUE(timer->isActive()) << timer->objectName().toStdString();
    EXPECT_TRUE(info.isVisible() && time.isVisible());
    follow.end();
    for (const QTimer* timer : timers) EXPECT_FALSE(timer->isActive()) << timer->objectName().toStdString();
    EXPECT_FALSE(info.isVisible() || time.isVisible());
    EXPECT_TRUE(follow.may_end());
}

}  // namespace
}  // namespace ruvo
