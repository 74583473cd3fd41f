#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "FollowTestSupport.h"

namespace ruvo {
namespace {

using namespace std::chrono_literals;

// A solver thread rewrites the three result files at random moments, each
// update first cut short at random lengths and then completed, and waits
// until the update is saved; follow mode checks all the while. As with a
// real solver, writing all the files takes less than a check interval.
TEST(FollowStressTest, SavesEveryCompletedUpdateAndNeverAPartialField) {
    constexpr int kUpdates = 6;
    constexpr auto kCheckInterval = 60ms;
    const std::array<const char*, 3> names{"CYLINDER.V", "CYLINDER.P", "CYLINDER.K"};
    test::FollowedCylinder cylinder;
    std::vector<std::array<QByteArray, 3>> updates(kUpdates + 1);
    for (int k = 1; k <= kUpdates; ++k) {
        for (std::size_t n = 0; n < names.size(); ++n) updates[k][n] = test::scaled_file(names[n], 1.0 + k);
    }
    const FieldStore& store = cylinder.ws->store;
    const double first_pressure = store.scalar_data[1].value(1, 1);
    const double last_energy = store.scalar_data[2].value(121, 41);
    test::ManualClock clock;
    FollowEngine engine(*cylinder.ws, clock);
    engine.start({1.0, 1.0, 1000, false, true, cylinder.dir.path()});

    std::atomic<int> saved = 0;
    std::thread solver([&] {
        std::mt19937 random(20261208);
        const auto pause = [&](int most_us) { std::this_thread::sleep_for(std::chrono::microseconds(random() % most_us)); };
        for (int k = 1; k <= kUpdates; ++k) {
            pause(100000);
            for (int cut = 0; cut < 2; ++cut) {
                for (std::size_t n = 0; n < names.size(); ++n) {
                    const QByteArray& whole = updates[k][n];
                    test::write_in_place(cylinder.path(names[n]), whole.left(1 + random() % (whole.size() * 9 / 10)));
                    pause(2000);
                }
            }
            for (std::size_t n = 0; n < names.size(); ++n) {
                test::write_in_place(cylinder.path(names[n]), updates[k][n]);
                pause(2000);
            }
            for (int wait = 0; saved < k && wait < 2000; ++wait) std::this_thread::sleep_for(5ms);
        }
    });
    for (int tick = 0; saved < kUpdates && tick < 1000; ++tick) {
        std::this_thread::sleep_for(kCheckInterval);
        if (engine.check(cylinder.windows).result != FollowCheck::Result::Updated) continue;
        const int k = saved + 1;
        // The first and last node of a file cut short would read otherwise.
        EXPECT_NEAR(store.scalar_data[1].value(1, 1), first_pressure * (1.0 + k), 1e-6 * first_pressure * k) << k;
        EXPECT_NEAR(store.scalar_data[2].value(121, 41), last_energy * (1.0 + k), 1e-6 * last_energy * k) << k;
        const QImage saved_picture(numbered_bitmap_name(*cylinder.ws, 3, k, cylinder.dir.path()));
        EXPECT_EQ(saved_picture.convertToFormat(QImage::Format_RGB32), cylinder.pictures[2]) << k;
        saved = k;
    }
    solver.join();
    EXPECT_EQ(saved, kUpdates);
    EXPECT_FALSE(QFile::exists(numbered_bitmap_name(*cylinder.ws, 3, kUpdates + 1, cylinder.dir.path())));
}

}  // namespace
}  // namespace ruvo
