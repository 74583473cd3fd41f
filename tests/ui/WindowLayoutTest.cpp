#include <gtest/gtest.h>

#include "ui/frame/WindowLayout.h"

namespace ruvo {
namespace {

constexpr int kBar = 16;
const QSize kSpace(767, 577);

TEST(WindowFit, EachDirectionSmallerThanTheSpaceTakesTheImageSize) {
    EXPECT_EQ(fitted_client_size({500, 300}, kSpace, {539, 448}, kBar), QSize(500, 300));
    // Too high: the height stays and scrolls, the width makes room for the scroll bar.
    EXPECT_EQ(fitted_client_size({500, 1000}, kSpace, {539, 448}, kBar), QSize(500 + kBar, 448));
    // Too wide: the same across.
    EXPECT_EQ(fitted_client_size({2000, 300}, kSpace, {539, 448}, kBar), QSize(539, 300 + kBar));
    // Both too large: the window keeps its size.
    EXPECT_EQ(fitted_client_size({2000, 1000}, kSpace, {539, 448}, kBar), QSize(539, 448));
    // An image exactly as large as the space does not fit it.
    EXPECT_EQ(fitted_client_size({767, 577}, kSpace, {539, 448}, kBar), QSize(539, 448));
}

TEST(WindowFit, TheScrollBarIsAddedOnlyWhileThereIsRoom) {
    EXPECT_EQ(fitted_client_size({760, 1000}, kSpace, {539, 448}, kBar), QSize(760, 448));
    EXPECT_EQ(fitted_client_size({750, 1000}, kSpace, {539, 448}, kBar), QSize(750 + kBar, 448));
    // A kept height that already shows the whole image needs no bar.
    EXPECT_EQ(fitted_client_size({500, 600}, kSpace, {539, 650}, kBar), QSize(500, 650));
}

// The rectangles cover the area exactly once.
void expect_tiling(const std::vector<QRect>& rects, QSize area) {
    long long covered = 0;
    for (std::size_t a = 0; a < rects.size(); ++a) {
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(rects[a])) << a;
        covered += static_cast<long long>(rects[a].width()) * rects[a].height();
        for (std::size_t b = a + 1; b < rects.size(); ++b) EXPECT_FALSE(rects[a].intersects(rects[b])) << a << " " << b;
    }
    EXPECT_EQ(covered, static_cast<long long>(area.width()) * area.height());
}

TEST(Tiling, UpToThreeWindowsShareOneBandMoreAreSpreadOverBands) {
    const QSize area(767, 577);
    const auto side = tiled_rects(area, 3, TileDirection::SideBySide);
    ASSERT_EQ(side.size(), 3u);
    for (const QRect& r : side) EXPECT_EQ(r.height(), 577);
    EXPECT_EQ(side[0].left(), 0);
    EXPECT_EQ(side[2].right() + 1, 767);
    expect_tiling(side, area);

    const auto stacked = tiled_rects(area, 3, TileDirection::OneAboveTheOther);
    for (const QRect& r : stacked) EXPECT_EQ(r.width(), 767);
    expect_tiling(stacked, area);

    const auto five = tiled_rects(area, 5, TileDirection::SideBySide);  // 2 in the first row, 3 in the second
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[0].top(), five[1].top());
    EXPECT_EQ(five[2].top(), five[4].top());
    EXPECT_GT(five[2].top(), five[0].top());
    expect_tiling(five, area);
    expect_tiling(tiled_rects(area, 17, TileDirection::OneAboveTheOther), area);
    EXPECT_TRUE(tiled_rects(area, 0, TileDirection::SideBySide).empty());
}

TEST(Cascade, WindowsKeepTheirSizesClippedToTheAreaAndStartAgainBeforeHalfOfIt) {
    const std::vector<QSize> sizes{{520, 530}, {300, 200}, {900, 700}, {520, 530}, {520, 530}};
    const auto rects = cascaded_rects({767, 577}, sizes, 60);  // four steps fit into half of 577
    EXPECT_EQ(rects,
              (std::vector<QRect>{
                  {0, 0, 520, 530}, {60, 60, 300, 200}, {120, 120, 647, 457}, {180, 180, 520, 397}, {0, 0, 520, 530}}));
}

TEST(Placement, AWindowMovesUpAndLeftIntoTheAreaButNeverPastItsCorner) {
    EXPECT_EQ(placed_inside({100, 50, 500, 500}, {767, 577}), QPoint(100, 50));
    EXPECT_EQ(placed_inside({400, 200, 500, 500}, {767, 577}), QPoint(267, 77));
    EXPECT_EQ(placed_inside({300, 100, 900, 300}, {767, 577}), QPoint(0, 100));  // too wide: its left shows
}

TEST(Tiling, IconsFillRowsFromTheBottomUp) {
    const auto places = icon_positions({500, 400}, {160, 30}, 4);  // three to a row
    ASSERT_EQ(places.size(), 4u);
    EXPECT_EQ(places[0], QPoint(0, 370));
    EXPECT_EQ(places[2], QPoint(320, 370));
    EXPECT_EQ(places[3], QPoint(0, 340));
}

}  // namespace
}  // namespace ruvo
