#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "PlotTestSupport.h"
#include "view/NodePixels.h"
#include "plot/RasterCanvas.h"
#include "plot/Progress.h"
#include "plot/VectorPlot.h"

namespace ruvo {
namespace {

using test::rgb_at;

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

using test::CountingProgress;

struct Drawing {
    QImage image;
    PlotOutcome outcome;
};

// Black pixels' bounding box.
QRect black_box(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgb_at(image, x, y) == kBlack) box |= QRect(x, y, 1, 1);
    return box;
}

class VectorPlotTest : public ::testing::Test {
protected:
    // A regular grid of ni x nj nodes over [0, width] x [0, height] with an
    // all-zero vector slot 1 as the current data.
    void make_grid(int ni, int nj, double width = 1.0, double height = 1.0) {
        ws_ = test::grid_workspace(ni, nj, width, height);
        ws_->store.vector_count = 1;
        ws_->views.at(1).FileType = kVectorView;
    }
    void set_vector(int i, int j, double u, double v) {
        ws_->store.vector_data[1].u.at(i, j) = u;
        ws_->store.vector_data[1].v.at(i, j) = v;
    }
    void fill_vectors(double u, double v) {
        for (int j = 1; j <= kBaseNodes; ++j)
            for (int i = 1; i <= kBaseNodes; ++i) set_vector(i, j, u, v);
    }

    std::vector<QPoint> kept_nodes(const ArrowThinning& thinning) {
        std::vector<QPoint> nodes;
        NoProgress progress;
        visit_arrow_nodes(fields(), ws_->store.vector_data[1], thinning, progress,
                          [&](int ii, int jj) { nodes.emplace_back(ii, jj); });
        return nodes;
    }
    std::set<int> kept_rows(const ArrowThinning& thinning) {
        std::set<int> rows;
        for (const QPoint& n : kept_nodes(thinning)) rows.insert(n.y());
        return rows;
    }

    // Lays the view out and draws the arrows on a white image, over a pen
    // left as unlike the arrows' pen as possible.
    Drawing draw(int magnification = 100, Progress* progress = nullptr) {
        EXPECT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), magnification), GeometryFailure::None);
        Drawing drawing;
        drawing.image = QImage(plot_.width, plot_.height, QImage::Format_RGB32);
        drawing.image.fill(Qt::white);
        NoProgress no_progress;
        NoStatusBoxes status;
        RasterCanvas canvas(drawing.image);
        canvas.set_pen_colour(qRgb(255, 0, 0));
        canvas.set_pen_width(3);
        canvas.set_pen_style(PenStyle::Dashed);
        canvas.set_pen_mode(PenMode::Xor);
        PlotContext context{canvas, fields(), plot_, ws_->views.at(1), progress ? *progress : no_progress, status};
        drawing.outcome = Draw_Vectors(context);
        canvas.image();
        return drawing;
    }

    std::unique_ptr<Workspace> ws_;

    PlotState plot_;                                                            // the mapping of the view's last layout
    ViewFields fields() { return {ws_->store, area_of(ws_->views.at(1)), 1}; }  // vector slot 1
};

ArrowThinning grid_steps(int x_step, int y_step) {
    ArrowThinning t;
    t.x_grid_step = x_step;
    t.y_grid_step = y_step;
    return t;
}

// Rows thinned by pixel spacing, every column kept.
ArrowThinning dot_rows(int y_dot_step, double y_scale) {
    ArrowThinning t;
    t.y_grid_mode = false;
    t.y_dot_step = y_dot_step;
    t.y_scale = y_scale;
    return t;
}

std::set<int> every(int first, int last, int step) {
    std::set<int> values;
    for (int k = first; k <= last; k += step) values.insert(k);
    return values;
}

TEST_F(VectorPlotTest, NodesWithAZeroComponentGetNoArrow) {
    make_grid(3, 3);
    set_vector(1, 1, 1.0, 0.0);
    set_vector(2, 1, 0.0, 1.0);
    set_vector(3, 1, 1.0, 1e-9);
    EXPECT_EQ(kept_nodes(grid_steps(1, 1)), std::vector<QPoint>{QPoint(3, 1)});

    // Node pixels of row j = 1: (25, 475), (250, 475), (475, 475).
    const Drawing d = draw();
    ASSERT_TRUE(d.outcome.ok());
    EXPECT_EQ(rgb_at(d.image, 25, 475), kWhite);
    EXPECT_EQ(rgb_at(d.image, 250, 475), kWhite);
    EXPECT_EQ(rgb_at(d.image, 475, 475), kBlack);
}

TEST_F(VectorPlotTest, GridStepsKeepEveryNthLineFromTheAreaStart) {
    make_grid(10, 10);
    fill_vectors(1.0, 1e-9);
    std::vector<QPoint> expected;
    for (int j : {1, 3, 5, 7, 9})
        for (int i : {1, 4, 7, 10}) expected.emplace_back(i, j);
    EXPECT_EQ(kept_nodes(grid_steps(3, 2)), expected);

    // A sub-area counts its lines from its own first line.
    set_area(ws_->views.at(1), {2, 3, 9, 10});
    expected.clear();
    for (int j : {3, 5, 7, 9})
        for (int i : {2, 5, 8}) expected.emplace_back(i, j);
    EXPECT_EQ(kept_nodes(grid_steps(3, 2)), expected);

    // Steps that are not positive keep every line; huge ones only the first.
    EXPECT_EQ(kept_nodes(grid_steps(0, -5)).size(), 8u * 8u);
    EXPECT_EQ(kept_nodes(grid_steps(1'000'000'000, 1'000'000'000)), std::vector<QPoint>{QPoint(2, 3)});
}

TEST_F(VectorPlotTest, GridStepsShowOnTheImageAtTheKeptNodesOnly) {
    make_grid(10, 10);
    fill_vectors(1.0, 1e-9);
    ws_->views.at(1).x_grid_step = 3;
    ws_->views.at(1).y_grid_step = 2;
    const Drawing d = draw();
    ASSERT_TRUE(d.outcome.ok());
    // Nodes lie 50 pixels apart, arrows point right and are 22 pixels long.
    for (int j = 1; j <= 10; ++j) {
        for (int i = 1; i <= 10; ++i) {
            const bool kept = (i - 1) % 3 == 0 && (j - 1) % 2 == 0;
            const int x = plot_.PixelX(ws_->store.grid_x(i, j));
            const int y = plot_.PixelY(ws_->store.grid_y(i, j));
            EXPECT_EQ(rgb_at(d.image, x, y), kept ? kBlack : kWhite) << i << "," << j;
        }
    }
}

TEST_F(VectorPlotTest, DotModeDrawsARowOnceTheSkippedSpacingExceedsTheStep) {
    make_grid(2, 13, 1.0, 12.0);  // rows one grid unit apart
    fill_vectors(1.0, 1.0);
    // 4 pixels apart: skipped 4, 8, 12 > 10, so every fourth row from the fourth.
    EXPECT_EQ(kept_rows(dot_rows(10, 4.0)), (std::set<int>{4, 8, 12}));
    // Exactly the step apart is not enough on its own.
    EXPECT_EQ(kept_rows(dot_rows(10, 10.0)), (std::set<int>{3, 6, 9, 12}));
    // More than the step apart: every row.
    EXPECT_EQ(kept_rows(dot_rows(10, 10.5)), every(1, 13, 1));

    // A chosen row without an arrow leaves the skipped spacing as it was, so
    // the next row is drawn too.
    for (int i = 1; i <= 2; ++i) set_vector(i, 4, 0.0, 1.0);
    EXPECT_EQ(kept_rows(dot_rows(10, 4.0)), (std::set<int>{5, 9, 13}));
}

TEST_F(VectorPlotTest, DotModeColumnsCarryTheSkippedSpacingIntoTheNextRow) {
    make_grid(10, 2, 9.0, 1.0);  // columns one grid unit apart
    fill_vectors(1.0, 1.0);
    ArrowThinning t;
    t.x_grid_mode = false;
    t.x_dot_step = 10;
    t.x_scale = 4.0;
    // Row 1 ends 8 pixels past its last arrow, so row 2 starts earlier.
    const std::vector<QPoint> expected{{4, 1}, {8, 1}, {2, 2}, {6, 2}, {10, 2}};
    EXPECT_EQ(kept_nodes(t), expected);
}

TEST_F(VectorPlotTest, DotModeLastLineTakesTheGapOfTheLineBefore) {
    make_grid(2, 5, 1.0, 4.0);
    fill_vectors(1.0, 1.0);
    // Stale values beyond the loaded grid must not count as a gap.
    for (int i = 1; i <= 2; ++i) ws_->store.grid_y.at(i, 6) = 1000.0;
    EXPECT_EQ(kept_rows(dot_rows(10, 4.0)), (std::set<int>{4}));

    // Within a larger grid the area's last row also looks back, not forward.
    make_grid(2, 8, 1.0, 7.0);
    fill_vectors(1.0, 1.0);
    for (int i = 1; i <= 2; ++i) ws_->store.grid_y.at(i, 6) = 1000.0;
    set_area(ws_->views.at(1), {1, 1, 2, 5});
    EXPECT_EQ(kept_rows(dot_rows(10, 4.0)), (std::set<int>{4}));

    // A single row has nothing to crowd it and is drawn.
    set_area(ws_->views.at(1), {1, 3, 2, 3});
    EXPECT_EQ(kept_rows(dot_rows(10, 4.0)), (std::set<int>{3}));
}

TEST_F(VectorPlotTest, DotModeAtTheTablesLastIndexStaysInsideTheTables) {
    make_grid(150, 150);
    fill_vectors(1.0, 1.0);
    ArrowThinning t = dot_rows(10, 4.0 * 149.0);  // rows 4 pixels apart
    t.x_grid_mode = false;
    t.x_dot_step = 1;
    t.x_scale = 149.0;  // columns 1 pixel apart
    EXPECT_EQ(kept_rows(t), every(4, 148, 4));

    // The whole plot, both directions by spacing.
    ws_->views.at(1).x_grid_mode = false;
    ws_->views.at(1).y_grid_mode = false;
    ws_->views.at(1).x_dot_step = 5;
    ws_->views.at(1).y_dot_step = 5;
    const Drawing d = draw(100);
    EXPECT_TRUE(d.outcome.ok());
    EXPECT_GT(test::count_pixels(d.image, kBlack), 0);
}

TEST_F(VectorPlotTest, ArrowScaleMakesTheLongestArrowTheSetShareOfTheExtent) {
    const std::optional<double> scale = arrow_scale_for(2.0, 4.0, 5);
    ASSERT_TRUE(scale.has_value());
    EXPECT_DOUBLE_EQ(*scale * 4.0, 0.05 * 2.0);  // 5 % of the larger extent
    EXPECT_DOUBLE_EQ(*arrow_scale_for(1.0, 1e-38, 500), 5e38);

    // No scale: all-zero field, empty area, infinite or undefined magnitudes,
    // a quotient beyond the doubles.
    for (double magnitude :
         {0.0, -2.9E-38, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(), 1e-10}) {
        EXPECT_FALSE(arrow_scale_for(1e300, magnitude, 5).has_value()) << magnitude;
    }
}

TEST_F(VectorPlotTest, LongestArrowIsDrawnAtTheSetLength) {
    make_grid(11, 11);
    set_vector(6, 6, 2.0, 1e-9);  // node (0.5, 0.5) at pixel (250, 250)
    set_vector(2, 2, 1.0, 1e-9);
    ws_->views.at(1).length = 10;  // 0.1 grid units, 45 pixels
    const Drawing d = draw();
    ASSERT_TRUE(d.outcome.ok());
    for (int x = 250; x <= 295; ++x) EXPECT_EQ(rgb_at(d.image, x, 250), kBlack) << x;
    EXPECT_EQ(rgb_at(d.image, 296, 250), kWhite);
    EXPECT_EQ(rgb_at(d.image, 260, 249), kWhite);  // one pixel wide
    EXPECT_EQ(rgb_at(d.image, 260, 251), kWhite);
}

TEST_F(VectorPlotTest, DoublingTheMagnificationDoublesShaftsAndQuadruplesHeads) {
    make_grid(11, 11);
    set_vector(6, 6, 1.0, 1e-9);
    ws_->views.at(1).length = 20;
    ws_->views.at(1).arrow_width = 0.5;
    ws_->views.at(1).arrow_span = 0.5;
    const QRect at100 = black_box(draw(100).image);
    const QRect at200 = black_box(draw(200).image);
    const int shaft100 = at100.width() - 1, shaft200 = at200.width() - 1;
    const int head100 = at100.height() / 2, head200 = at200.height() / 2;
    EXPECT_NEAR(shaft100, 90, 1);
    EXPECT_NEAR(shaft200, 2 * shaft100, 1);
    EXPECT_NEAR(head100, 22, 1);
    EXPECT_NEAR(head200, 4 * head100, 3);
}

// Any field with a vector is drawn however large or small its numbers, as
// the same field of ones on the unit square is; only an all-zero field is
// blamed on the file, and an unscalable one names it.
TEST_F(VectorPlotTest, FieldsAreDrawnOrRefusedForWhatTheyAre) {
    make_grid(5, 5);
    fill_vectors(1.0, 1.0);
    const QImage ones = draw().image;
    struct Case {
        double extent, value;
        PlotFailure failure;
    };
    for (const Case& c : {Case{1.0, 0.0, PlotFailure::AllZeroVectors}, Case{1.0, 1e-200, PlotFailure::None},
                          Case{1.0, 1e200, PlotFailure::None}, Case{1e300, 1e154, PlotFailure::None},
                          Case{1e300, 1e-10, PlotFailure::Numeric}}) {
        make_grid(5, 5, c.extent, c.extent);
        ws_->store.vector_data[1].file_name = "V.V";
        fill_vectors(c.value, c.value);
        CountingProgress progress;
        const Drawing d = draw(100, &progress);
        EXPECT_EQ(d.outcome.failure, c.failure) << c.extent << " " << c.value;
        if (c.failure == PlotFailure::None) {
            EXPECT_EQ(d.image, ones) << c.extent << " " << c.value;
            continue;
        }
        EXPECT_TRUE(d.outcome.reason.startsWith("V.V: ")) << d.outcome.reason.toStdString();
        EXPECT_EQ(test::count_pixels(d.image, kWhite), 500 * 500) << c.value;
        EXPECT_EQ(progress.maximum, -1);
        EXPECT_EQ(progress.steps, 0);
    }
}

TEST_F(VectorPlotTest, ProgressStepsOncePerRowCounterAndEndsAtZero) {
    make_grid(10, 10);
    fill_vectors(1.0, 1.0);
    set_area(ws_->views.at(1), {1, 3, 10, 10});
    CountingProgress grid_mode;
    NoProgress none;
    visit_arrow_nodes(fields(), ws_->store.vector_data[1], grid_steps(1, 2), grid_mode, [](int, int) {});
    EXPECT_EQ(grid_mode.record(),
              (std::array{10, 2, 4, 0}));  // rows 3, 5, 7, 9; the counter's fifth row lies past the area

    CountingProgress dot_mode;
    visit_arrow_nodes(fields(), ws_->store.vector_data[1], dot_rows(10, 1.0), dot_mode, [](int, int) {});
    EXPECT_EQ(dot_mode.step_size, 1);
    EXPECT_EQ(dot_mode.steps, 8);  // drawn and skipped rows alike
    EXPECT_EQ(dot_mode.position, 0);
}

// The barbs end s back along the shaft and w / 2 to its left and right.
// Counts the strokes a plot draws on a raster.
class CountingCanvas final : public RasterCanvas {
public:
    using RasterCanvas::RasterCanvas;
    void line_to(QPoint p) override {
        ++strokes;
        RasterCanvas::line_to(p);
    }
    int strokes = 0;
};

// Where the area has more nodes than the picture has pixels, each tail pixel
// gets the first arrow from it alone; otherwise every node gets its arrow.
// The node pixels the plots share are the layout's own, wild coordinates and
// nodes past the tables included.
TEST_F(VectorPlotTest, DenseGridsDrawOneArrowPerTailPixel) {
    // A flat area, so that its picture is 500 x 50 pixels.
    for (const int ni : {150, 600}) {
        const int nj = ni / 10;
        make_grid(ni, nj, 1.0, 0.1);
        for (int i = 1; i <= ni; ++i)
            for (int j = 1; j <= nj; ++j) set_vector(i, j, 1.0 + i * 1e-3, 0.5);
        ASSERT_EQ(Set_View_Geometry(plot_, fields(), ws_->views.at(1), 100), GeometryFailure::None);
        std::set<std::pair<int, int>> tails;
        for (int j = 1; j <= nj; ++j) {
            for (int i = 1; i <= ni; ++i) {
                const QPoint tail = plot_.node_pixel(fields(), i, j);
                tails.insert({tail.x(), tail.y()});
            }
        }
        QImage image(plot_.width, plot_.height, QImage::Format_RGB32);
        CountingCanvas canvas(image);
        NoProgress progress;
        NoStatusBoxes status;
        PlotContext context{canvas, fields(), plot_, ws_->views.at(1), progress, status};
        ASSERT_TRUE(Draw_Vectors(context).ok());
        const bool dense = ni * nj > plot_.width * plot_.height;
        EXPECT_EQ(dense, ni > 150);
        EXPECT_EQ(canvas.strokes, 3 * (dense ? int(tails.size()) : ni * nj)) << ni;
        if (dense) {
            EXPECT_LT(tails.size(), std::size_t(ni) * nj);
        }
    }
    ws_->store.grid_x.at(3, 3) = std::nan("");
    ws_->store.grid_y.at(4, 4) = 1e300;
    ws_->store.grid_x.at(5, 5) = -1e300;
    const ViewFields past_the_tables(ws_->store, DrawRect{590, 50, 610, 70}, 1);
    for (const ViewFields& area : {fields(), past_the_tables}) {
        const NodePixels pixels(area, plot_);
        int differing = 0;
        for (int i = area.draw.x_start; i <= area.draw.x_end; ++i)
            for (int j = area.draw.y_start; j <= area.draw.y_end; ++j)
                differing += pixels(i, j) != plot_.node_pixel(area, i, j);
        EXPECT_EQ(differing, 0);
    }
}

TEST(ArrowGeometryTest, HeadPointsAlongTheShaftInEveryDirection) {
    const double w = 0.2, s = 0.5;
    for (const QPointF direction : {QPointF(1, 1), QPointF(-1, 1), QPointF(-1, -1), QPointF(1, -1), QPointF(3, -4),
                                    QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0), QPointF(0, -1)}) {
        const QPointF tail(2.0, 3.0);
        const QPointF tip = tail + direction;
        const ArrowGeometry a = arrow_geometry(tail, tip, w, s, 100);
        const double norm = std::hypot(direction.x(), direction.y());
        const QPointF along = direction / norm;
        const QPointF left(-along.y(), along.x());
        const QPointF left_barb = tip - s * along + 0.5 * w * left;
        const QPointF right_barb = tip - s * along - 0.5 * w * left;
        EXPECT_NEAR(a.barb1.x(), left_barb.x(), 1e-12) << direction.x() << "," << direction.y();
        EXPECT_NEAR(a.barb1.y(), left_barb.y(), 1e-12) << direction.x() << "," << direction.y();
        EXPECT_NEAR(a.barb2.x(), right_barb.x(), 1e-12) << direction.x() << "," << direction.y();
        EXPECT_NEAR(a.barb2.y(), right_barb.y(), 1e-12) << direction.x() << "," << direction.y();
        EXPECT_EQ(a.tail, tail);
        EXPECT_EQ(a.tip, tip);
    }
}

TEST(ArrowGeometryTest, BarbsGrowWithTheMagnificationAndStayFiniteWhenDegenerate) {
    const ArrowGeometry at100 = arrow_geometry({0, 0}, {1, 1}, 0.6, 0.4, 100);
    const ArrowGeometry at300 = arrow_geometry({0, 0}, {1, 1}, 0.6, 0.4, 300);
    for (auto barb : {&ArrowGeometry::barb1, &ArrowGeometry::barb2}) {
        const QPointF back100 = at100.*barb - at100.tip;
        const QPointF back300 = at300.*barb - at300.tip;
        EXPECT_NEAR(back300.x(), 3 * back100.x(), 1e-12);
        EXPECT_NEAR(back300.y(), 3 * back100.y(), 1e-12);
        EXPECT_NEAR(std::hypot(back100.x(), back100.y()), 0.5, 1e-12);  // sqrt(0.4^2 + 0.3^2)
    }
    // Zero length, zero width and span: no division, the barbs sit on the tip.
    const ArrowGeometry point = arrow_geometry({1, 1}, {1, 1}, 0.0, 0.0, 100);
    EXPECT_EQ(point.barb1, QPointF(1, 1));
    EXPECT_EQ(point.barb2, QPointF(1, 1));
    // A head without span opens square to the shaft.
    const ArrowGeometry flat = arrow_geometry({0, 0}, {1, 0}, 0.4, 0.0, 100);
    EXPECT_NEAR(flat.barb1.x(), 1.0, 1e-12);
    EXPECT_NEAR(flat.barb1.y(), 0.2, 1e-12);
}

}  // namespace
}  // namespace ruvo
