#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "FollowTestSupport.h"

namespace ruvo {
namespace {

using namespace std::chrono_literals;

// A solver thread writes the three result files of each update in one of the
// ways solvers do: cut short and then completed, overwritten in place in
// pieces without truncation, or paused inside its last number for longer
// than the settle interval. It then waits until the update is saved, as a
// solver's next step takes longer than the settle interval. Follow mode
// checks all the while: every update is saved exactly once, always of the
// complete files.
TEST(FollowStressTest, SavesEveryCompletedUpdateOnceAndNeverAPartialField) {
    constexpr int kUpdates = 9;
    constexpr double kRepeatMinutes = 0.005;  // a settle interval of 0.3 s
    const std::array<const char*, 3> names{"CYLINDER.V", "CYLINDER.P", "CYLINDER.K"};
    test::FollowedCylinder cylinder;
    std::vector<std::array<QByteArray, 3>> updates(kUpdates + 1);
    for (int k = 1; k <= kUpdates; ++k) {
        for (std::size_t n = 0; n < names.size(); ++n) updates[k][n] = test::scaled_file(names[n], 1.0 + k);
    }
    SteadyClock clock;
    FollowEngine engine(*cylinder.ws, clock);
    engine.start({kRepeatMinutes, 1.0, 1000, false, true, cylinder.dir.path()});
    const auto settle = std::chrono::milliseconds(engine.settle_ms());

    std::atomic<int> saved = 0;
    std::thread solver([&] {
        std::mt19937 random(20261208);
        const auto pause = [&](std::chrono::microseconds most) {
            std::this_thread::sleep_for(std::chrono::microseconds(random() % most.count()));
        };
        for (int k = 1; k <= kUpdates; ++k) {
            for (std::size_t n = 0; n < names.size(); ++n) {
                const QString path = cylinder.path(names[n]);
                const QByteArray& whole = updates[k][n];
                switch (k % 3) {
                case 0:  // truncated, then written in pieces
                    test::write_in_place(path, whole.left(1 + random() % (whole.size() * 9 / 10)));
                    pause(5ms);
                    break;
                case 1:  // over the old text in pieces, pausing for up to half the settle interval
                    for (qsizetype piece = 1; piece < 4; ++piece) {
                        test::write_in_place(path, whole.left(whole.size() * piece / 4), false);
                        pause(settle / 2);
                    }
                    break;
                case 2:  // a pause inside the last number, longer than the settle interval
                    test::write_in_place(path, whole.chopped(8));
                    std::this_thread::sleep_for(settle + 100ms);
                    break;
                }
                test::write_in_place(path, whole);
                pause(2ms);
            }
            for (int wait = 0; saved < k && wait < 2000; ++wait) std::this_thread::sleep_for(5ms);
        }
    });
    // The ends of every file, where a file cut short or overwritten only in
    // part would still hold zeros or the update before.
    const FieldStore& store = cylinder.ws->store;
    const auto ends = [&] {
        const auto last = [](const Table& table) { return table(121, 41); };
        return std::array{last(store.vector_data[1].u), store.scalar_data[1].value(1, 1),
                          last(store.scalar_data[1].value), last(store.scalar_data[2].value)};
    };
    const auto sample = ends();
    int updated = 0;
    for (int tick = 0; saved < kUpdates && tick < 2000; ++tick) {
        std::this_thread::sleep_for(20ms);
        if (engine.check(cylinder.windows).result != FollowCheck::Result::Updated) continue;
        const int k = ++updated;
        for (std::size_t n = 0; n < sample.size(); ++n) {
            EXPECT_NEAR(ends()[n], sample[n] * (1.0 + k), 1e-6 * std::abs(sample[n] * (1.0 + k))) << k << ", " << n;
        }
        const QImage saved_picture(numbered_bitmap_name(*cylinder.ws, 3, k, cylinder.dir.path()));
        EXPECT_EQ(saved_picture.convertToFormat(QImage::Format_RGB32), cylinder.pictures[2]) << k;
        saved = k;
    }
    solver.join();
    EXPECT_EQ(updated, kUpdates);
    EXPECT_FALSE(QFile::exists(numbered_bitmap_name(*cylinder.ws, 3, kUpdates + 1, cylinder.dir.path())));
}

}  // namespace
}  // namespace ruvo
