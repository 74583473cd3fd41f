#include <gtest/gtest.h>

#include <vector>

#include "view/ViewKind.h"

namespace ruvo {
namespace {

std::vector<Layer> plots_of(const View_Info& view, Medium medium) {
    std::vector<Layer> plots;
    const Layers layers = view_layers(view, medium);
    for (const Layer layer : layers.all()) {
        if (layer != Layer::AreaFrame && layer != Layer::Outline) plots.push_back(layer);
    }
    return plots;
}

// For every kind and every overlap and grid switch, the picture and the GRAF
// file lay down the same plots in the same order; they differ in their frames
// only, and the Detail graph has neither the file's outline nor its grid.
TEST(ViewKinds, ScreenAndFileChooseTheSamePlotsForEveryKindAndOverlap) {
    for (const ViewKindInfo& kind : view_kinds()) {
        for (int switches = 0; switches < 8; ++switches) {
            View_Info view;
            view.FileType = kind.file_type;
            view.ScalarViewType = kind.scalar_type;
            view.Cntr_Overlap = switches & 1;
            view.Vector_Overlap = switches & 2;
            view.show_grid = switches & 4;
            ASSERT_EQ(kind_of(view), kind.kind);
            const std::string what = std::string(kind.command_word) + " switches " + std::to_string(switches);

            std::vector<Layer> screen = plots_of(view, Medium::Screen);
            const std::vector<Layer> file = plots_of(view, Medium::GrafFile);
            if (kind.kind == ViewKind::Detail && view.show_grid) {
                ASSERT_EQ(screen.back(), Layer::GridLines) << what;
                screen.pop_back();
            }
            EXPECT_EQ(screen, file) << what;
        }
    }
}

// A contour view under overlap has its lines over the fill; a fill view's
// own fill comes first; a line plot ignores the overlaps.
TEST(ViewKinds, OverlapsLayTheFillUnderTheLinesAndTheArrowsOverBoth) {
    struct Case {
        ViewKind kind;
        std::vector<Layer> file;
    };
    using L = Layer;
    for (const Case& c :
         {Case{ViewKind::Contour, {L::Fill, L::Contours, L::Vectors, L::GridLines, L::Outline}},
          Case{ViewKind::Fill, {L::Fill, L::Contours, L::Vectors, L::GridLines, L::Outline}},
          Case{ViewKind::Row, {L::Row, L::GridLines, L::Outline}}, Case{ViewKind::Detail, {L::Detail}}}) {
        View_Info view;
        view.FileType = kind_info(c.kind).file_type;
        view.ScalarViewType = kind_info(c.kind).scalar_type;
        view.Cntr_Overlap = view.Vector_Overlap = view.show_grid = true;
        const Layers file = view_layers(view, Medium::GrafFile);
        EXPECT_EQ(std::vector<Layer>(file.all().begin(), file.all().end()), c.file) << kind_info(c.kind).command_word;
    }
}

}  // namespace
}  // namespace ruvo
