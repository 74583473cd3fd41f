#include <gtest/gtest.h>

#include <QDir>

#include "FollowTestSupport.h"

namespace ruvo {
namespace {

using Result = FollowCheck::Result;

class FollowEngineTest : public ::testing::Test {
protected:
    FollowCheck check() { return engine.check(cylinder.windows); }
    void start(int repeat_number = 1000, bool read_forced = false) {
        engine.start({1.0, 1.0, repeat_number, read_forced, true, cylinder.dir.path()});
    }
    double pressure_at_origin() const { return cylinder.ws->store.scalar_data[1].value(1, 1); }

    test::FollowedCylinder cylinder;
    test::ManualClock clock;
    FollowEngine engine{*cylinder.ws, clock};
};

// Each step rewrites some of the project's three result files; an update
// needs all three rewritten since the check before.
TEST_F(FollowEngineTest, ReloadsOnlyWhenEveryResultFileWasRewritten) {
    struct Step {
        std::vector<const char*> rewritten;
        bool forced;
        Result expected;
    };
    const Step steps[] = {
        {{}, false, Result::Unchanged},
        {{"CYLINDER.P"}, false, Result::Unchanged},
        {{"CYLINDER.V", "CYLINDER.K"}, false, Result::Unchanged},  // P was seen at the check before
        {{"CYLINDER.V", "CYLINDER.P", "CYLINDER.K"}, false, Result::Updated},
        {{}, true, Result::Updated},
        {{}, true, Result::Updated},
    };
    start();
    double factor = 1.0;
    for (const Step& step : steps) {
        factor += 1.0;
        for (const char* name : step.rewritten) cylinder.rewrite(name, test::scaled_file(name, factor));
        engine.settings().read_forced = step.forced;
        const double before = pressure_at_origin();
        EXPECT_EQ(check().result, step.expected) << step.rewritten.size() << " rewritten";
        EXPECT_EQ(pressure_at_origin() != before, step.rewritten.size() == 3);
    }
    EXPECT_EQ(engine.follow_bitmap_number(), 4);
}

TEST_F(FollowEngineTest, SavesEveryDataViewUnderOneNumberPerUpdate) {
    start(2, true);
    const FollowCheck first = check();
    EXPECT_EQ(first.result, Result::Updated);
    EXPECT_EQ(first.next_check_ms, 60000);
    // The grid view is drawn but neither reloaded nor saved.
    EXPECT_FALSE(cylinder.pictures[0].isNull());
    const QDir dir(cylinder.dir.path());
    EXPECT_EQ(first.saved, QStringList({dir.filePath("Bet00001.bmp"), dir.filePath("Cnt00001.bmp"),
                                        dir.filePath("Vec00001.bmp")}));
    EXPECT_EQ(QImage(first.saved[1]).convertToFormat(QImage::Format_RGB32), cylinder.pictures[2]);
    const FollowCheck second = check();
    EXPECT_EQ(second.result, Result::Finished);  // a count limit of 2: two updates
    EXPECT_TRUE(QFile::exists(dir.filePath("Vec00002.bmp")));
    EXPECT_EQ(check().result, Result::Unchanged);
    EXPECT_EQ(engine.state(), FollowState::Finished);
}

TEST_F(FollowEngineTest, NumberedNamesHaveAtLeastFourDigits) {
    struct Case {
        std::uint8_t file_type, view_type;
        int same_number, update;
        const char* name;
    };
    const Case cases[] = {
        {kScalarView, kContourView, 0, 1, "Cnt00001.bmp"}, {kScalarView, kContourView, 0, 12, "Cnt00012.bmp"},
        {kVectorView, kContourView, 2, 2, "Vec20002.bmp"}, {kScalarView, kKEpsilonView, 0, 3, "All00003.bmp"},
        {kScalarView, kRowView, 0, 4, "Row00004.bmp"},     {kScalarView, kColumnView, 1, 5, "Col10005.bmp"},
        {kScalarView, kDetailView, 0, 9999, "Det09999.bmp"}, {kScalarView, kFillView, 0, 10000, "Bet010000.bmp"},
    };
    for (const Case& c : cases) {
        View_Info& view = cylinder.ws->views.at(3);
        view.FileType = c.file_type;
        view.ScalarViewType = c.view_type;
        view.Same_number = c.same_number;
        EXPECT_EQ(numbered_bitmap_name(*cylinder.ws, 3, c.update, "/run/"), QString("/run/") + c.name);
    }
}

TEST_F(FollowEngineTest, EndsWhenTheTimeIsUp) {
    start(1000, true);
    clock.now = 3600 * 1000 - 1;
    EXPECT_TRUE(engine.count_down());
    EXPECT_EQ(check().result, Result::Updated);
    clock.now += 1;
    EXPECT_FALSE(engine.count_down());
    EXPECT_EQ(check().result, Result::Unchanged);
    EXPECT_EQ(engine.follow_bitmap_number(), 2);
}

TEST_F(FollowEngineTest, AFileCutShortWaitsUntilItIsComplete) {
    start();
    check();
    const QByteArray pressure = test::scaled_file("CYLINDER.P", 3.0);
    cylinder.rewrite("CYLINDER.V", test::scaled_file("CYLINDER.V", 3.0));
    cylinder.rewrite("CYLINDER.K", test::scaled_file("CYLINDER.K", 3.0));
    cylinder.rewrite("CYLINDER.P", pressure.left(pressure.size() / 2));
    const double before = pressure_at_origin();
    const QImage velocity_picture = cylinder.pictures[1];

    const FollowCheck cut = check();
    EXPECT_EQ(cut.result, Result::StillWriting);
    EXPECT_EQ(cut.next_check_ms, 2000);
    EXPECT_EQ(cut.unfinished_file, cylinder.path("CYLINDER.P"));
    EXPECT_EQ(pressure_at_origin(), before);
    EXPECT_EQ(cylinder.pictures[1], velocity_picture);  // nothing reached any picture
    EXPECT_FALSE(QFile::exists(cylinder.dir.filePath("Cnt00001.bmp")));

    cylinder.rewrite("CYLINDER.P", pressure);  // only this file changes now
    EXPECT_EQ(check().result, Result::Updated);
    EXPECT_DOUBLE_EQ(pressure_at_origin(), 3.0 * before);
    EXPECT_TRUE(QFile::exists(cylinder.dir.filePath("Cnt00001.bmp")));
}

TEST_F(FollowEngineTest, ABitmapNotWrittenIsReportedAndFollowingGoesOn) {
    engine.start({1.0, 1.0, 10, true, true, cylinder.dir.filePath("missing")});
    const FollowCheck update = check();
    EXPECT_EQ(update.result, Result::Updated);
    EXPECT_TRUE(update.failure.startsWith(cylinder.dir.filePath("missing/")));
    EXPECT_EQ(engine.state(), FollowState::Waiting);
}

}  // namespace
}  // namespace ruvo
