#include <gtest/gtest.h>

#include "PlotTestSupport.h"
#include "plot/RasterCanvas.h"
#include "plot/GridPlot.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"

namespace ruvo {
namespace {

using test::rgb_at;

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kGrey = 0xC0C0C0;
constexpr QRgb kBlack = 0x000000;

class GridPlotTest : public ::testing::Test {
protected:
    QImage render() {
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        const RenderResult result = render_view(*ws_, 1, image, progress, status);
        EXPECT_TRUE(result.ok()) << result.reason.toStdString();
        return image;
    }
    // Unit square of 5 x 5 nodes: node columns and rows at 25, 137, 250, 363, 475.
    std::unique_ptr<Workspace> ws_ = test::grid_workspace(5, 5);
    PlotState plot_;  // the mapping of the view's last layout
    ViewFields fields() { return view_fields(ws_->store, ws_->views.at(1)); }
};

TEST_F(GridPlotTest, GridLinesAreGreyAndTheFrameIsThreePixelsBlack) {
    const QImage image = render();
    EXPECT_EQ(image.size(), QSize(500, 500));
    EXPECT_EQ(rgb_at(image, 190, 250), kGrey);  // inner line j = 3
    EXPECT_EQ(rgb_at(image, 250, 190), kGrey);  // inner line i = 3
    EXPECT_EQ(rgb_at(image, 190, 240), kWhite);
    for (int y = 474; y <= 476; ++y) EXPECT_EQ(rgb_at(image, 190, y), kBlack) << y;  // bottom edge, 3 pixels
    EXPECT_EQ(rgb_at(image, 190, 478), kWhite);
    EXPECT_EQ(rgb_at(image, 190, 472), kWhite);
    for (int x = 24; x <= 26; ++x) EXPECT_EQ(rgb_at(image, x, 300), kBlack) << x;  // left edge
    EXPECT_EQ(rgb_at(image, 5, 5), kWhite);
}

TEST_F(GridPlotTest, SegmentsAcrossAClosedLineAreLeftOutUnlessShown) {
    ws_->store.closed_x.set(2);
    ws_->store.closed_y.set(3);
    QImage image = render();
    EXPECT_EQ(rgb_at(image, 190, 250), kWhite);  // i = 2 -> 3 on line j = 3
    EXPECT_EQ(rgb_at(image, 300, 250), kGrey);   // i = 3 -> 4 still drawn
    EXPECT_EQ(rgb_at(image, 137, 190), kWhite);  // j = 3 -> 4 on line i = 2 (y grows upwards)
    EXPECT_EQ(rgb_at(image, 137, 300), kGrey);

    ws_->store.closed_grid_show = true;
    image = render();
    EXPECT_EQ(rgb_at(image, 190, 250), kGrey);
    EXPECT_EQ(rgb_at(image, 137, 190), kGrey);
}

TEST_F(GridPlotTest, FrameSkipsTheCutLinesOfAClosedGridShownWhole) {
    ws_->store.closed_grid_show = true;
    QImage image = render();
    EXPECT_EQ(rgb_at(image, 25, 300), kGrey);    // left cut line: only its grid line
    EXPECT_EQ(rgb_at(image, 475, 300), kGrey);   // right cut line
    EXPECT_EQ(rgb_at(image, 190, 475), kBlack);  // j edges stay

    // A narrower area gets all four edges.
    View_Info& view = ws_->views.at(1);
    view.x_start = 2;
    image = render();
    EXPECT_EQ(rgb_at(image, 25, 300), kBlack);
    EXPECT_EQ(rgb_at(image, 475, 300), kBlack);
}

TEST_F(GridPlotTest, OneNodeWideAreaDrawsOnlyItsLineOfConstantI) {
    ASSERT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), 100), GeometryFailure::None);
    set_area(ws_->views.at(1), {3, 1, 3, 5});
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        RasterCanvas canvas(image);
        NoProgress progress;
        Draw_Grid(canvas, fields(), plot_, progress);
    }
    // Four segments from row 475 up to row 25 on column 250, end pixels excluded.
    EXPECT_EQ(test::count_pixels(image, kGrey), 450);
    for (int y = 26; y <= 475; ++y) EXPECT_EQ(rgb_at(image, 250, y), kGrey) << y;
}

TEST_F(GridPlotTest, MaskModeLeavesColoursVisibleUnderTheGrid) {
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 128));
    ASSERT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), 100), GeometryFailure::None);
    {
        RasterCanvas canvas(image);
        NoProgress progress;
        Draw_Grid(canvas, fields(), plot_, progress);
        EXPECT_EQ(canvas.pen_mode(), PenMode::Copy);
    }
    EXPECT_EQ(rgb_at(image, 190, 250), static_cast<QRgb>(qRgb(0, 192, 128) & 0xFFFFFF));
    EXPECT_EQ(rgb_at(image, 190, 240), static_cast<QRgb>(qRgb(0, 255, 128) & 0xFFFFFF));
}

TEST_F(GridPlotTest, ProgressCountsEveryLineAndEndsAtZero) {
    ASSERT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), 100), GeometryFailure::None);
    QImage image(500, 500, QImage::Format_RGB32);
    RasterCanvas canvas(image);
    test::CountingProgress progress;
    Draw_Grid(canvas, fields(), plot_, progress);
    EXPECT_EQ(progress.record(), (std::array{4 + 4 + 1, 1, 10, 0}));
}

TEST_F(GridPlotTest, ZeroExtentIsReportedAndNothingIsDrawn) {
    for (int j = 1; j <= 5; ++j)
        for (int i = 1; i <= 5; ++i) ws_->store.grid_y.at(i, j) = 0.0;
    QImage image;
    NoProgress progress;
    NoStatusBoxes status;
    const RenderResult result = render_view(*ws_, 1, image, progress, status);
    EXPECT_EQ(result.failure, RenderFailure::Geometry);
    EXPECT_FALSE(result.reason.isEmpty());
}

// Any finite coordinates are measured: a square far out is drawn as the same
// square near the origin, and a grid of one point has no extent to draw.
TEST_F(GridPlotTest, GridsOfHugeCoordinatesAreDrawnOrRefusedByTheirShape) {
    const QImage near_origin = render();
    ws_ = test::grid_workspace(5, 5, 1e39, 1e39, 1e39, 1e39);
    EXPECT_EQ(render(), near_origin);
    ws_ = test::grid_workspace(1, 1, 0.0, 0.0, 1e300, 1e300);
    EXPECT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), 100), GeometryFailure::ZeroExtent);
}

}  // namespace
}  // namespace ruvo
