#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "TestSupport.h"
#include "Workspace.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/RangeSteps.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// A contour view of the cavity sample's pressure.
class RangeStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        load_project(*ws, test::example("cavity/cavity.RVP"));
        slot = open_view(*ws, FileKind::Scalar).slot;
    }
    View_Info& view() { return ws->views.at(slot); }
    Table& values() { return ws->store.scalar_data[static_cast<std::size_t>(data_slot_of(ws->store, view()))].value; }

    // The area's distinct values, ascending, and the first node of a value
    // in the order j outer, i inner.
    std::vector<double> distinct_values() {
        std::vector<double> all;
        const DrawRect r = area_of(view());
        for (int j = r.y_start; j <= r.y_end; ++j)
            for (int i = r.x_start; i <= r.x_end; ++i) all.push_back(values()(i, j));
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }
    std::pair<int, int> first_node_of(double value) {
        const DrawRect r = area_of(view());
        for (int j = r.y_start; j <= r.y_end; ++j)
            for (int i = r.x_start; i <= r.x_end; ++i)
                if (values()(i, j) == value) return {i, j};
        return {0, 0};
    }
    void expect_named(const RangeStep& step, RangeEnd end, double value, bool changed) {
        ASSERT_TRUE(step.node);
        EXPECT_EQ(step.end, end);
        EXPECT_EQ(step.node->value, value);
        EXPECT_EQ(std::pair(step.node->i, step.node->j), first_node_of(value));
        EXPECT_EQ(end == RangeEnd::Min ? view().Scalar_min : view().Scalar_max, value);
        EXPECT_EQ(end == RangeEnd::Min ? view().min_changed : view().max_changed, changed);
    }

    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    int slot = 0;
};

TEST_F(RangeStepsTest, StepsMoveAnEndToTheNextDistinctValueAndDefaultsPutItBack) {
    const std::vector<double> d = distinct_values();
    ASSERT_GT(d.size(), 4u);
    expect_named(View_Cntr_MaxDownClick(view(), ws->store), RangeEnd::Max, d[d.size() - 2], true);
    expect_named(View_Cntr_MaxDownClick(view(), ws->store), RangeEnd::Max, d[d.size() - 3], true);
    expect_named(View_Cntr_MinUpClick(view(), ws->store), RangeEnd::Min, d[1], true);
    expect_named(View_Cntr_MinUpClick(view(), ws->store), RangeEnd::Min, d[2], true);
    expect_named(View_Cntr_MinDefaultClick(view(), ws->store), RangeEnd::Min, d.front(), false);
    expect_named(View_Cntr_MaxDefaultClick(view(), ws->store), RangeEnd::Max, d.back(), false);
}

// In a 2 x 2 area holding 3 and 5 twice each the first node of a value is
// named, and beyond the last value nothing changes.
TEST_F(RangeStepsTest, TiesNameTheFirstNodeAndNoFurtherValueChangesNothing) {
    set_area(view(), {1, 1, 2, 2});
    values().at(1, 1) = 5;
    values().at(2, 1) = 3;
    values().at(1, 2) = 3;
    values().at(2, 2) = 5;
    view().Scalar_max = 5;
    view().Scalar_min = 3;
    const RangeStep down = View_Cntr_MaxDownClick(view(), ws->store);
    EXPECT_EQ(std::pair(down.node->i, down.node->j), std::pair(2, 1));
    const RangeStep up = View_Cntr_MinUpClick(view(), ws->store);
    EXPECT_EQ(std::pair(up.node->i, up.node->j), std::pair(1, 1));

    view().min_changed = view().max_changed = false;
    EXPECT_FALSE(View_Cntr_MaxDownClick(view(), ws->store).node);
    EXPECT_FALSE(View_Cntr_MinUpClick(view(), ws->store).node);
    EXPECT_EQ(view().Scalar_max, 3);
    EXPECT_EQ(view().Scalar_min, 5);
    EXPECT_FALSE(view().min_changed || view().max_changed);
}

TEST_F(RangeStepsTest, TheDotAtTheNodeGoesWhenDrawnAgain) {
    QImage picture;
    NoProgress progress;
    NoStatusBoxes status;
    ASSERT_TRUE(render_view(*ws, slot, picture, progress, status).ok());
    const QImage before = picture.copy();
    const RangeNode node = *View_Cntr_MaxDefaultClick(view(), ws->store).node;
    const PlotState mapping = mapping_of(view());
    const QPoint at = mapping.node_pixel(ws->store, node.i, node.j);
    Toggle_Range_Dot(picture, mapping, ws->store, node);
    int changed = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == before.pixel(x, y)) continue;
            ++changed;
            EXPECT_LE((QPoint(x, y) - at).manhattanLength(), 8) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 30);  // a round dot of width 8
    Toggle_Range_Dot(picture, mapping, ws->store, node);
    EXPECT_EQ(picture, before);
}

}  // namespace
}  // namespace ruvo
