#include <gtest/gtest.h>

#include <QDir>

#include "FollowTestSupport.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"

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

// Each step moves the clock on, rewrites some of the project's three result
// files as a solver does, and checks. An update needs every file rewritten
// since the last update, each settled (its stamp the same for a second) and
// read whole; a solver writing a file in pieces is never read in between.
TEST_F(FollowEngineTest, ReloadsOnceEveryResultFileWasRewrittenAndHasSettled) {
    enum class Write { Whole, FirstHalfOverOld, CutInLastNumber, CutShort };
    struct Step {
        int after_ms;
        std::vector<const char*> rewritten;
        Write write;
        double written;  // the update written, as a factor of the sample's values
        Result expected;
        double holds;  // the update the store then holds
        bool forced = false;
    };
    const char* const V = "CYLINDER.V";
    const char* const P = "CYLINDER.P";
    const char* const K = "CYLINDER.K";
    const Step steps[] = {
        {1000, {}, Write::Whole, 0, Result::Unchanged, 1},
        {1000, {P}, Write::Whole, 2, Result::Unchanged, 1},
        // Written on either side of the check before: one update, once the last has settled.
        {1000, {V, K}, Write::Whole, 2, Result::StillWriting, 1},
        {1000, {}, Write::Whole, 0, Result::Updated, 2},
        {1000, {}, Write::Whole, 0, Result::Unchanged, 2},
        // Overwritten in place without truncation, in two pieces 0.9 s apart.
        {1000, {V, P, K}, Write::FirstHalfOverOld, 3, Result::StillWriting, 2},
        {500, {}, Write::Whole, 0, Result::StillWriting, 2},
        {400, {V, P, K}, Write::Whole, 3, Result::StillWriting, 2},
        {999, {}, Write::Whole, 0, Result::StillWriting, 2},
        {1, {}, Write::Whole, 0, Result::Updated, 3},
        // A solver pausing inside the last number: "1.234560E+00" reads "1.2345" until its line ends.
        {1000, {V, P, K}, Write::CutInLastNumber, 4, Result::StillWriting, 3},
        {5000, {}, Write::Whole, 0, Result::StillWriting, 3},
        {1000, {K}, Write::Whole, 4, Result::StillWriting, 3},
        {1000, {V, P}, Write::Whole, 4, Result::StillWriting, 3},
        {1000, {}, Write::Whole, 0, Result::Updated, 4},
        {1000, {}, Write::Whole, 0, Result::Updated, 4, true},
        // Cut short, as a solver truncating its file leaves it, and settled so.
        {1000, {V, P, K}, Write::CutShort, 5, Result::StillWriting, 4},
        {1000, {}, Write::Whole, 0, Result::StillWriting, 4},
        {1000, {V, P, K}, Write::Whole, 5, Result::StillWriting, 4},
        {1000, {}, Write::Whole, 0, Result::Updated, 5},
    };
    const FieldStore& store = cylinder.ws->store;
    const auto last = [](const Table& table) { return table(121, 41); };
    const double velocity = last(store.vector_data[1].u), pressure = last(store.scalar_data[1].value),
                 first_pressure = pressure_at_origin(), energy = last(store.scalar_data[2].value);
    start();
    for (const Step& step : steps) {
        clock.now += step.after_ms;
        for (const char* name : step.rewritten) {
            const QByteArray whole = test::scaled_file(name, step.written);
            if (step.write == Write::Whole) cylinder.rewrite(name, whole);
            if (step.write == Write::FirstHalfOverOld) cylinder.rewrite(name, whole.left(whole.size() / 2), false);
            if (step.write == Write::CutInLastNumber) cylinder.rewrite(name, whole.chopped(8));
            if (step.write == Write::CutShort) cylinder.rewrite(name, whole.left(whole.size() / 2));
        }
        engine.settings().read_forced = step.forced;
        const FollowCheck checked = check();
        EXPECT_EQ(checked.result, step.expected) << "at " << clock.now << " ms";
        EXPECT_TRUE(checked.result != Result::StillWriting || checked.next_check_ms == FollowEngine::kSettleMs);
        const double k = step.holds;
        const auto near = [k](double value, double sample) {
            return std::abs(value - k * sample) <= 1e-6 * std::abs(k * sample);
        };
        EXPECT_TRUE(near(last(store.vector_data[1].u), velocity) && near(pressure_at_origin(), first_pressure) &&
                    near(last(store.scalar_data[1].value), pressure) && near(last(store.scalar_data[2].value), energy))
            << "at " << clock.now << " ms";
        // Nothing of an update still being written reaches a picture.
        EXPECT_FALSE(
            QFile::exists(numbered_bitmap_name(*cylinder.ws, 3, engine.follow_bitmap_number(), cylinder.dir.path())));
    }
    EXPECT_EQ(engine.follow_bitmap_number(), 6);
}

TEST_F(FollowEngineTest, SavesEveryDataViewUnderOneNumberPerUpdate) {
    start(2, true);
    const FollowCheck first = check();
    EXPECT_EQ(first.result, Result::Updated);
    EXPECT_EQ(first.next_check_ms, 60000);
    // The grid view is drawn but neither reloaded nor saved.
    EXPECT_FALSE(cylinder.pictures[0].isNull());
    const QDir dir(cylinder.dir.path());
    EXPECT_EQ(first.saved,
              QStringList({dir.filePath("Bet00001.bmp"), dir.filePath("Cnt00001.bmp"), dir.filePath("Vec00001.bmp")}));
    EXPECT_EQ(QImage(first.saved[1]).convertToFormat(QImage::Format_RGB32), cylinder.pictures[2]);
    // Drawn side by side, each window holds the picture its view gives alone.
    for (const FollowWindow& window : cylinder.windows) {
        QImage alone;
        NoProgress progress;
        NoStatusBoxes status;
        ASSERT_TRUE(render_view(*cylinder.ws, window.slot, alone, progress, status).ok());
        EXPECT_EQ(alone, *window.picture) << window.slot;
    }
    const FollowCheck second = check();
    EXPECT_EQ(second.result, Result::Finished);  // a count limit of 2: two updates
    EXPECT_TRUE(QFile::exists(dir.filePath("Vec00002.bmp")));
    EXPECT_EQ(check().result, Result::Unchanged);
    EXPECT_EQ(engine.state(), FollowState::Finished);
}

// The saved picture carries the label; the window keeps its plot.
TEST_F(FollowEngineTest, SavesLabelledPngPicturesWhenAsked) {
    FollowSettings settings{1.0, 1.0, 10, true, true, cylinder.dir.path()};
    settings.format = PictureFormat::Png;
    settings.labelled = true;
    engine.start(settings);
    const FollowCheck update = check();
    ASSERT_EQ(update.saved.size(), 3);
    EXPECT_EQ(update.saved[1], QDir(cylinder.dir.path()).filePath("Cnt00001.png"));
    const QImage saved(update.saved[1]);
    const QRect label = test::changed_area(saved, cylinder.pictures[2]);
    EXPECT_TRUE(label.top() == 2 && label.right() == saved.width() - 3 && label.height() < 30) << label.height();
    EXPECT_TRUE(update_label(12, QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5))) == "0012  2026-01-02 03:04:05");
}

TEST_F(FollowEngineTest, NumberedNamesHaveAtLeastFourDigits) {
    struct Case {
        std::uint8_t file_type, view_type;
        int same_number, update;
        const char* name;
    };
    const Case cases[] = {
        {kScalarView, kContourView, 0, 1, "Cnt00001.bmp"},   {kScalarView, kContourView, 0, 12, "Cnt00012.bmp"},
        {kVectorView, kContourView, 2, 2, "Vec20002.bmp"},   {kScalarView, kKEpsilonView, 0, 3, "All00003.bmp"},
        {kScalarView, kRowView, 0, 4, "Row00004.bmp"},       {kScalarView, kColumnView, 1, 5, "Col10005.bmp"},
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

// A folder in the way of one numbered bitmap: the others are written, the
// failure is reported and logged, and following goes on.
TEST_F(FollowEngineTest, ABitmapNotWrittenIsReportedAndLoggedAndFollowingGoesOn) {
    const QDir dir(cylinder.dir.path());
    ASSERT_TRUE(dir.mkdir("Cnt00001.bmp"));
    start(10, true);
    const FollowCheck update = check();
    EXPECT_EQ(update.result, Result::Updated);
    EXPECT_EQ(update.saved.size(), 2);
    ASSERT_EQ(update.failures.size(), 1u);
    EXPECT_EQ(update.failures[0].kind, FollowFailure::Kind::NotSaved);
    EXPECT_EQ(update.failures[0].name, dir.filePath("Cnt00001.bmp"));
    EXPECT_EQ(engine.state(), FollowState::Waiting);
    QFile log(dir.filePath(kFollowLogName));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> fields = log.readAll().split('\t');  // the time, the bitmap and why
    EXPECT_EQ(fields.value(1), dir.filePath("Cnt00001.bmp").toUtf8());
}

}  // namespace
}  // namespace ruvo
