#include <gtest/gtest.h>

#include <vector>

#include "view/Magnify.h"

namespace ruvo {
namespace {

std::vector<int> sequence(int start, int (*step)(int), int count) {
    std::vector<int> positions;
    positions.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) positions.push_back(start = step(start));
    return positions;
}

TEST(Magnify, UpFromHundredAndDownFromEightHundred) {
    EXPECT_EQ(sequence(100, magnify_up, 13),
              (std::vector<int>{120, 144, 172, 206, 247, 296, 355, 426, 511, 613, 735, 800, 800}));
    EXPECT_EQ(sequence(800, magnify_down, 11),
              (std::vector<int>{640, 512, 409, 327, 261, 208, 166, 132, 105, 100, 100}));
}

// Between two marks the first step goes to the mark passed first.
TEST(Magnify, TicksGoToTheBarsMarksAndStopAtItsEnds) {
    EXPECT_EQ(magnify_by_ticks(120, 1), 125);
    EXPECT_EQ(magnify_by_ticks(120, -2), 100);
    EXPECT_EQ(magnify_by_ticks(400, 1 << 30), 800);
}

}  // namespace
}  // namespace ruvo
