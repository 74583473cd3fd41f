#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "UiTestSupport.h"
#include "VideoDecode.h"
#include "ui/frame/MainWindow.h"
#include "ui/Messages.h"
#include "ui/viewwindow/ViewWindow.h"

namespace ruvo {
namespace {

template <class Widget>
Widget* named(const QObject& parent, const char* name) {
    auto* found = parent.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The cylinder project in a folder of its own, a contour view open, and the
// follow mode dialog opened from the tool bar.
class FollowSetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"cylinder.RVP", "CYLINDER.GRD", "CYLINDER.V", "CYLINDER.P", "CYLINDER.K"}) {
            QFile::copy(QStringLiteral(RUVO_EXAMPLES_DIR "/cylinder/") + name, dir.filePath(name));
        }
        main = test::shown_main_window(dir.filePath("cylinder.RVP"));
        test::double_click_row(test::list_of(*main, "ScalarListBox"), 0);
        named<QToolButton>(*main, "FollowSB")->click();
        setup = named<QWidget>(*main, "Follow_Mode_Setup");
    }
    QLineEdit* edit(const char* name) { return named<QLineEdit>(*setup, name); }
    void enter(const char* name, const QString& typed) {
        edit(name)->setText(typed);
        QTest::keyClick(edit(name), Qt::Key_Return);
    }
    void click(const char* name) { named<QAbstractButton>(*setup, name)->click(); }

    QTemporaryDir dir;
    std::unique_ptr<TRuvo_Main_Form> main;
    QWidget* setup = nullptr;
};

TEST_F(FollowSetupTest, RefusesEntriesOutOfRangeAndAStartWithoutAFolder) {
    ASSERT_TRUE(setup->isVisible());
    EXPECT_EQ(setup->windowTitle(), test::text(messages::kFollowSetupCaption));
    test::ModalScript script;
    for (int n = 0; n < 6; ++n) script.then(test::press(QMessageBox::Ok));
    const std::pair<const char*, const char*> refused[] = {
        {"TLimit_Edit", "0"}, {"TLimit_Edit", "720.5"}, {"RNumber_Edit", "0"}, {"RNumber_Edit", "1001"}};
    for (const auto& [name, typed] : refused) enter(name, typed);
    enter("TLimit_Edit", "2");
    enter("RNumber_Edit", "60");
    EXPECT_EQ(edit("RTime_Edit")->text(), "2.00");  // set automatically: 2 hours over 60 updates
    EXPECT_FALSE(edit("RTime_Edit")->isEnabled());

    click("Auto_Bitmap_Box");
    edit("Follow_DirEdit")->setText(dir.filePath("missing"));
    click("Follow_Start");
    EXPECT_EQ(edit("Follow_DirEdit")->text(), main->remembered_folders().sequential_save);
    edit("TLimit_Edit")->setText("0");
    click("Auto_Bitmap_Box");
    click("Follow_Start");
    const QString range = test::text(messages::kEnterInRange);
    EXPECT_EQ(script.messages(), QStringList({range, range, range, range, test::text(messages::kSaveFolderInvalid),
                                              test::text(messages::kFillEveryItem)}));
    EXPECT_FALSE(named<QTimer>(*main, "Follow_Timer")->isActive());
}

// Started, the timers run and each update saves the view's picture; stopped,
// the timers and read-outs go.
TEST_F(FollowSetupTest, StartsSavesNumberedPicturesAndStops) {
    enter("RNumber_Edit", "60");  // an hour over 60 updates: a check a minute
    click("Read_Forced_Box");
    click("Auto_Bitmap_Box");
    edit("Follow_DirEdit")->setText(dir.path());
    click("Follow_Start");
    auto* follow_timer = named<QTimer>(*main, "Follow_Timer");
    EXPECT_TRUE(follow_timer->isActive());
    EXPECT_EQ(follow_timer->interval(), 60000);
    EXPECT_TRUE(named<QTimer>(*main, "Progress_Timer")->isActive());
    EXPECT_EQ(named<QPushButton>(*setup, "Follow_Start")->text(), test::text(messages::kFollowStartActive));
    auto* info = named<QLineEdit>(*main, "Follow_Info_Edit");
    EXPECT_TRUE(info->isVisible());

    follow_timer->start(1);  // the check comes now, not in a minute
    const QString saved = dir.filePath("Cnt00001.bmp");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(saved); }, 20000));
    EXPECT_EQ(info->text(), saved);
    EXPECT_EQ(QImage(saved).convertToFormat(QImage::Format_RGB32), main->view_windows()[0]->image()->picture());
    EXPECT_EQ(main->remembered_folders().sequential_save, dir.path());

    // Esc closes the dialog as its close button does: with the warning, and
    // following goes on.
    test::ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    QTest::keyClick(setup, Qt::Key_Escape);
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(follow_timer->isActive());
    setup->show();
    script.then(test::press(QMessageBox::Ok));
    click("Follow_End");
    EXPECT_EQ(script.messages().size(), 2);
    EXPECT_EQ(script.messages().front(), test::text(messages::kFollowCloseWarning));
    EXPECT_TRUE(script.finished());
    EXPECT_FALSE(follow_timer->isActive());
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(named<QPushButton>(*setup, "Follow_Start")->text(), test::text(messages::kFollowStart));
    click("Follow_Close");
    EXPECT_FALSE(setup->isVisible());
}

// The video of a view's updates plays every update at every moment, as a
// killed program leaves it, and is closed when following ends.
TEST_F(FollowSetupTest, WritesAVideoOfTheUpdatesThatPlaysWhileItGrows) {
    enter("RNumber_Edit", "60");
    click("Read_Forced_Box");
    click("Movie_File_Box");
    edit("Follow_DirEdit")->setText(dir.path());
    click("Follow_Start");
    auto* follow_timer = named<QTimer>(*main, "Follow_Timer");
    const QString video = dir.filePath("Cnt0.mp4");
    for (std::size_t updates = 1; updates <= 3; ++updates) {
        follow_timer->start(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return test::decode_video(video).size() == updates; }, 20000));
    }
    EXPECT_EQ(named<QLineEdit>(*main, "Follow_Info_Edit")->text(), video);
    EXPECT_FALSE(QFile::exists(dir.filePath("Cnt00001.bmp")));  // no bitmaps asked for
    const QImage last = test::decode_video(video).back();
    EXPECT_GE(test::psnr(main->view_windows()[0]->image()->picture(), last), 35);
    test::ModalScript script;
    script.then(test::press(QMessageBox::Ok));
    click("Follow_End");
    EXPECT_EQ(test::decode_video(video).size(), 3U);
}

// Closing the project while following asks as the stop button does; once
// closed, following is over, and a reopened project saves nothing.
TEST_F(FollowSetupTest, ClosingTheProjectEndsFollowing) {
    enter("RNumber_Edit", "60");
    click("Read_Forced_Box");
    click("Auto_Bitmap_Box");
    edit("Follow_DirEdit")->setText(dir.path());
    click("Follow_Start");
    auto* follow_timer = named<QTimer>(*main, "Follow_Timer");
    auto* close = named<QAction>(*main, "Close_Project");
    test::ModalScript script;
    script.then(test::press(QMessageBox::Cancel));
    close->trigger();
    EXPECT_TRUE(follow_timer->isActive());
    EXPECT_EQ(main->view_windows().size(), 1);
    script.then(test::press(QMessageBox::Ok));
    close->trigger();
    EXPECT_EQ(script.messages(), QStringList(2, test::text(messages::kReallyStop)));
    EXPECT_TRUE(main->view_windows().isEmpty());
    EXPECT_FALSE(follow_timer->isActive());
    EXPECT_FALSE(named<QTimer>(*main, "Progress_Timer")->isActive());
    EXPECT_FALSE(named<QLineEdit>(*main, "Follow_Info_Edit")->isVisible());
    EXPECT_EQ(named<QPushButton>(*setup, "Follow_Start")->text(), test::text(messages::kFollowStart));

    main->open_project_file(dir.filePath("cylinder.RVP"));
    test::double_click_row(test::list_of(*main, "ScalarListBox"), 0);
    QTest::qWait(50);
    EXPECT_FALSE(follow_timer->isActive());
    EXPECT_FALSE(QFile::exists(dir.filePath("Cnt00001.bmp")));
}

}  // namespace
}  // namespace ruvo
