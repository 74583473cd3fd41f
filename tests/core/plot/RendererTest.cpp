#include <gtest/gtest.h>

#include <cmath>

#include "PlotTestSupport.h"
#include "TestSupport.h"
#include "plot/ColourScale.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/RasterCanvas.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using test::rgb_at;

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;

// A unit square of 5 x 5 nodes with a scalar field rising in x (0 .. 4) and a
// vector field, viewed as a scalar view.
class RendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        FieldStore& s = ws_->store;
        s.scalar_count = s.vector_count = 1;
        s.scalar_data[1].file_name = "P.P";
        s.vector_data[1].file_name = "V.V";
        for (int i = 1; i <= 5; ++i) {
            for (int j = 1; j <= 5; ++j) {
                s.scalar_data[1].value.at(i, j) = i - 1;
                s.vector_data[1].u.at(i, j) = 1.0;
                s.vector_data[1].v.at(i, j) = 0.5;
            }
        }
        View_Info& v = view();
        v.Caption = "P.P";
        v.FileType = kScalarView;
    }
    View_Info& view() { return ws_->views.at(1); }
    RenderResult render() {
        NoProgress progress;
        NoStatusBoxes status;
        return render_view(*ws_, 1, image_, progress, status);
    }

    std::unique_ptr<Workspace> ws_ = test::grid_workspace(5, 5);
    QImage image_;
};

TEST_F(RendererTest, EveryViewButDetailGetsTheAreaFrame) {
    for (const std::uint8_t type : {kContourView, kKEpsilonView, kRowView, kColumnView, kFillView}) {
        view().ScalarViewType = type;
        ASSERT_TRUE(render().ok()) << int(type);
        EXPECT_EQ(rgb_at(image_, 25, 200), kBlack) << int(type);
    }
    view().ScalarViewType = kDetailView;
    ASSERT_TRUE(render().ok());
    EXPECT_EQ(rgb_at(image_, 25, 200), kWhite);
}

TEST_F(RendererTest, OverlapDrawsTheFillThenTheLinesOnOneEnlargedImage) {
    view().ScalarViewType = kContourView;
    view().Cntr_Overlap = true;
    view().Color = true;
    view().line_num = 3;  // levels 1, 2, 3 on the node columns i = 2, 3, 4
    ASSERT_TRUE(render().ok());
    EXPECT_EQ(image_.height(), 720);  // made taller for each of the two legends
    // Inside cell i = 1 (values 0 .. 1) the fill shows the colour of the minimum.
    EXPECT_EQ(rgb_at(image_, 80, 250), colour_ramp()[0] & 0xFFFFFF);
    // The level 2 line lies on column 250, drawn over the fill in its own colour.
    EXPECT_EQ(rgb_at(image_, 250, 200), colour_ramp()[255 * 2 / 3] & 0xFFFFFF);
    // The frame comes before the overlap layers, and the fill's taller raster
    // starts afresh, as a contour view under overlap always has.
    EXPECT_NE(rgb_at(image_, 25, 200), kBlack);
}

TEST_F(RendererTest, PlainContourPlotIsNotDrawnUnderOverlap) {
    view().ScalarViewType = kContourView;
    view().Cntr_Overlap = true;
    view().Color = false;
    ASSERT_TRUE(render().ok());
    EXPECT_EQ(image_.height(), 600);  // the fill's enlargement, no second one
}

TEST_F(RendererTest, ArrowsAndGridGoOverAFillView) {
    view().ScalarViewType = kFillView;
    ASSERT_TRUE(render().ok());
    const QImage plain = image_.copy();
    view().Vector_Overlap = true;
    ASSERT_TRUE(render().ok());
    EXPECT_NE(image_, plain);
    const QImage with_arrows = image_.copy();
    view().show_grid = true;
    ASSERT_TRUE(render().ok());
    EXPECT_NE(image_, with_arrows);
}

TEST_F(RendererTest, AllZeroOverlayVectorsAreReported) {
    view().ScalarViewType = kContourView;
    view().Vector_Overlap = true;
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j) ws_->store.vector_data[1].u.at(i, j) = ws_->store.vector_data[1].v.at(i, j) = 0.0;
    EXPECT_EQ(render().failure, RenderFailure::AllZeroVectors);
}

TEST_F(RendererTest, ViewOfAFreeSlotDrawsOnlyTheFrame) {
    view().FileType = kFreeSlot;
    ASSERT_TRUE(render().ok());
    EXPECT_EQ(rgb_at(image_, 25, 200), kBlack);
    EXPECT_EQ(rgb_at(image_, 250, 250), kWhite);
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

TEST(RenderGridOver, DrawsTheGridWithoutClearingThePicture) {
    auto ws = test::grid_workspace(5, 5);
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    NoProgress progress;
    ASSERT_TRUE(render_grid_over(ws->store, ws->views.at(1), ws->layout_of(1), image, progress).ok());
    EXPECT_EQ(test::rgb_at(image, 190, 250), static_cast<QRgb>(qRgb(0, 192, 0) & 0xFFFFFF));  // grid, masked
    EXPECT_EQ(test::rgb_at(image, 190, 240), static_cast<QRgb>(qRgb(0, 255, 0) & 0xFFFFFF));  // kept
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

// Grids no solver should write, in every view kind: each draws or is refused
// as a layout that cannot be drawn, and none trips the sanitizers.
TEST(RenderHostileGrids, EveryViewKindDrawsOrRefusesTheLayout) {
    struct Case {
        const char* what;
        double width, height, x0, y0;
        bool drawable;
    };
    const Case cases[] = {
        {"a million units from the origin", 1.0, 1.0, 1e6, -1e6, true},
        {"a billion units from the origin", 1.0, 1.0, 0.0, 1e9, false},
        {"an extent beyond the doubles", 1e308, 1e308, -1e308, -1e308, false},
        {"an extent of 1e-300", 1e-300, 1e-300, 0.0, 0.0, true},
        {"a subnormal extent far out", 1e-310, 1.0, 1.0, 0.0, false},
        {"a ratio of 1e12", 1.0, 1e12, 0.0, 0.0, false},
    };
    for (const Case& c : cases) {
        auto ws = test::grid_workspace(4, 4, c.width, c.height, c.x0, c.y0);
        FieldStore& s = ws->store;
        s.scalar_count = s.vector_count = 1;
        s.scalar_data[1].file_name = s.vector_data[1].file_name = "F";
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 4; ++j) s.scalar_data[1].value.at(i, j) = s.vector_data[1].u.at(i, j) = i + j;
        View_Info& v = ws->views.at(1);
        v.Caption = "F";
        for (const auto& [file_type, view_type] : {std::pair{kGridView, kContourView},
                                                   {kVectorView, kContourView},
                                                   {kScalarView, kContourView},
                                                   {kScalarView, kFillView},
                                                   {kScalarView, kKEpsilonView},
                                                   {kScalarView, kDetailView}}) {
            v.FileType = file_type;
            v.ScalarViewType = view_type;
            v.XPos = v.YPos = 2;
            QImage image;
            NoProgress progress;
            NoStatusBoxes status;
            const RenderResult drawn = render_view(*ws, 1, image, progress, status);
            EXPECT_EQ(drawn.ok(), c.drawable) << c.what << " " << int(file_type) << int(view_type);
            EXPECT_TRUE(drawn.ok() || drawn.failure == RenderFailure::Geometry) << c.what;
        }
    }
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

// A redraw goes into the picture the view already has: whatever the views
// before it drew, in whatever size, it leaves the picture a fresh redraw makes,
// and a picture that keeps its size keeps its memory.
TEST(RenderIntoTheSamePicture, EveryRedrawEqualsAFreshOneAndTheSizeKeepsItsMemory) {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cylinder/cylinder.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar).slot;
    View_Info& v = ws->views.at(slot);
    v.YScale = true;  // the Detail graph grows for its ticks
    struct Step {
        std::uint8_t kind;
        bool colour, overlap;
        int magni;
    };
    const Step steps[] = {{kFillView, false, false, 100},     {kFillView, false, false, 100},
                          {kContourView, false, false, 100},  {kContourView, true, false, 100},
                          {kContourView, true, true, 100},    {kDetailView, false, false, 100},
                          {kKEpsilonView, false, false, 100}, {kFillView, false, false, 300},
                          {kContourView, false, false, 300},  {kFillView, false, false, 300}};
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    const uchar* memory_before = nullptr;
    QSize size_before;
    for (const Step& step : steps) {
        v.ScalarViewType = step.kind;
        v.Color = step.colour;
        v.Cntr_Overlap = step.overlap;
        v.magni = step.magni;
        ASSERT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
        QImage fresh;
        ASSERT_TRUE(render_view(*ws, slot, fresh, progress, status).ok());
        EXPECT_EQ(picture, fresh) << int(step.kind) << " at " << step.magni << " %";
        if (picture.size() == size_before) {
            EXPECT_EQ(picture.constBits(), memory_before) << int(step.kind);
        }
        memory_before = picture.constBits();
        size_before = picture.size();
    }
}

// A grid of many nodes to a pixel, clustered towards its walls as a solver's
// is, or sheared so that no cell is upright; a few values not numbers, and
// closed lines hidden or shown. Whatever a raster leaves out, every view
// kind shows exactly the picture of drawing every shape.
TEST(LeftOutShapesTest, EveryViewShowsThePictureOfDrawingEveryShape) {
    constexpr int kNodes = 300;
    const auto clustered = [](int k) { return std::tanh(3.0 * (2.0 * (k - 1) / (kNodes - 1) - 1.0)); };
    struct Case {
        const char* name;
        double shear;
        bool closed_shown;
    };
    for (const Case c : {Case{"clustered", 0.0, false}, Case{"closed shown", 0.0, true}, Case{"sheared", 0.3, false}}) {
        auto ws = test::grid_workspace(kNodes, kNodes);
        FieldStore& s = ws->store;
        s.scalar_count = s.vector_count = 1;
        s.scalar_data[1].file_name = s.vector_data[1].file_name = "F";
        for (int i = 1; i <= kNodes; ++i) {
            for (int j = 1; j <= kNodes; ++j) {
                s.grid_x.at(i, j) = clustered(i) + c.shear * clustered(j);
                s.grid_y.at(i, j) = clustered(j);
                s.scalar_data[1].value.at(i, j) = (i * 7 + j * 3) % 101 == 0 ? std::nan("") : std::sin(i * 0.05) * j;
                s.vector_data[1].u.at(i, j) = std::cos(j * 0.02);
                s.vector_data[1].v.at(i, j) = std::sin(i * 0.03);
            }
        }
        s.compute_grid_extremes_and_flags();
        s.closed_y.set(kNodes / 2);
        s.closed_x.set(kNodes / 3);
        s.closed_grid_show = c.closed_shown;
        View_Info& v = ws->views.at(1);
        v.Caption = "F";
        v.Cntr_Overlap = v.Color = v.Vector_Overlap = v.show_grid = true;
        v.line_num = 20;
        v.divided_number = 255;
        struct Kind {
            std::uint8_t file;
            std::uint8_t scalar;
        };
        for (const Kind kind :
             {Kind{kGridView, kContourView}, Kind{kVectorView, kContourView}, Kind{kScalarView, kFillView}}) {
            v.FileType = kind.file;
            v.ScalarViewType = kind.scalar;
            for (const int magnification : {100, 150}) {
                NoProgress progress;
                NoStatusBoxes status;
                QImage shown, every_shape;
                RasterCanvas leaving_out(shown), drawing_all(every_shape);
                drawing_all.set_leaves_out_hidden(false);
                ASSERT_TRUE(render_view(s, v, {magnification, false}, leaving_out, progress, status).ok());
                ASSERT_TRUE(render_view(s, v, {magnification, false}, drawing_all, progress, status).ok());
                EXPECT_TRUE(leaving_out.image() == drawing_all.image())
                    << c.name << ", kind " << int(kind.file) << "/" << int(kind.scalar) << ", " << magnification
                    << " %";
            }
        }
    }
}

}  // namespace
}  // namespace ruvo
