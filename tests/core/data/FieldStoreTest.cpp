#include <gtest/gtest.h>

#include "Workspace.h"

namespace ruvo {
namespace {

struct Grid {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    FieldStore& store = ws->store;

    // A regular grid of unit cells over nodes 1..ni, 1..nj.
    Grid(int ni, int nj) {
        store.file_x_start = 0;
        store.file_x_end = ni - 1;
        store.file_y_start = 0;
        store.file_y_end = nj - 1;
        for (int i = 1; i <= ni; ++i)
            for (int j = 1; j <= nj; ++j) store.grid_x.at(i, j) = i, store.grid_y.at(i, j) = j;
    }
    void finish() { store.compute_grid_extremes_and_flags(); }
};

TEST(ClosedLineFlags, RegularGridHasNone) {
    Grid g(5, 4);
    g.finish();
    for (int k = 1; k <= kBaseNodes; ++k) EXPECT_FALSE(g.store.closed_x[k] || g.store.closed_y[k]) << k;
    EXPECT_EQ(g.store.grid_x_max, 5.0);
    EXPECT_EQ(g.store.grid_y_min, 1.0);
}

TEST(ClosedLineFlags, OneCoincidingNodeMarksTheWholeXLine) {
    Grid g(6, 4);
    g.store.grid_x.at(4, 2) = 3.0;  // node (4, 2) meets line 3 in x at j = 2 only
    g.finish();
    EXPECT_TRUE(g.store.closed_x[3]);
    EXPECT_FALSE(g.store.closed_x[4]);
    EXPECT_TRUE(g.store.cell_skipped(3, 1));
    EXPECT_TRUE(g.store.cell_skipped(3, 3));
    g.store.closed_grid_show = true;
    EXPECT_FALSE(g.store.cell_skipped(3, 1));
}

TEST(ClosedLineFlags, YLineWithEqualEndsIsNotMarkedButXLinesGetNoSuchException) {
    Grid g(5, 4);
    // Lines j = 2 and 3 meet at i = 3, and both ends of line j = 2 have equal y.
    g.store.grid_y.at(3, 3) = 2.0;
    g.finish();
    EXPECT_FALSE(g.store.closed_y[2]);

    Grid h(5, 4);
    h.store.grid_y.at(3, 3) = 2.0;
    h.store.grid_y.at(5, 2) = 7.0;  // the ends of line j = 2 now differ
    h.finish();
    EXPECT_TRUE(h.store.closed_y[2]);

    Grid k(5, 4);
    k.store.grid_x.at(3, 2) = 2.0;
    k.store.grid_x.at(1, 2) = 5.0;  // equal ends of an x line change nothing
    k.finish();
    EXPECT_TRUE(k.store.closed_x[2]);
}

TEST(ClosedLineFlags, SingleLineGridComputesNoFlags) {
    Grid g(1, 4);
    for (int j = 1; j <= 4; ++j) g.store.grid_y.at(1, j) = 0.0;  // all coincide
    g.finish();
    for (int k = 1; k <= kBaseNodes; ++k) EXPECT_FALSE(g.store.closed_x[k] || g.store.closed_y[k]);
}

TEST(ClosedLineFlags, ComputingTurnsClosedLinesOff) {
    Grid g(3, 3);
    g.store.closed_grid_show = true;
    g.finish();
    EXPECT_FALSE(g.store.closed_grid_show);
}

TEST(DataSlots, NewNamesTakeTheNextSlotAndKnownNamesReuseTheirs) {
    auto ws = std::make_unique<Workspace>();
    FieldStore& store = ws->store;
    EXPECT_EQ(store.assign_slot(FileKind::Vector, "C:\\run\\FLOW.V", true), 1);
    EXPECT_EQ(store.vector_data[1].file_name, "FLOW.V");
    EXPECT_EQ(store.assign_slot(FileKind::Vector, "/data/WAKE.V", true), 2);
    EXPECT_EQ(store.assign_slot(FileKind::Vector, "/elsewhere/FLOW.V", false), 1);
    EXPECT_EQ(store.vector_count, 2);  // a known name takes no new slot
    // Names compare exactly, case included; a vector name holds no scalar slot.
    EXPECT_FALSE(store.assign_slot(FileKind::Vector, "flow.v", false));
    EXPECT_FALSE(store.assign_slot(FileKind::Scalar, "FLOW.V", false));
    EXPECT_EQ(store.scalar_count, 0);  // and a refusal takes none
}

TEST(DataSlots, AnEleventhNameFindsNoSlot) {
    auto ws = std::make_unique<Workspace>();
    FieldStore& store = ws->store;
    for (int n = 1; n <= kMaxSlots; ++n) EXPECT_EQ(store.assign_slot(FileKind::Scalar, QString("P%1").arg(n), true), n);
    EXPECT_FALSE(store.assign_slot(FileKind::Scalar, "P11", true));
    EXPECT_EQ(store.scalar_count, kMaxSlots);
}

TEST(DataSlots, ClearingValuesKeepsNamesAndCounts) {
    auto ws = std::make_unique<Workspace>();
    FieldStore& store = ws->store;
    store.assign_slot(FileKind::Vector, "A.V", true);
    store.vector_data[1].v.at(150, 150) = 3.0;
    store.grid_x.at(1, 1) = 2.0;
    store.closed_y.set(150);
    store.clear_values();
    EXPECT_EQ(store.vector_data[1].v(150, 150), 0.0);
    EXPECT_EQ(store.grid_x(1, 1), 0.0);
    EXPECT_FALSE(store.closed_y[150]);
    EXPECT_EQ(store.vector_count, 1);
    EXPECT_EQ(store.vector_data[1].file_name, "A.V");
}

}  // namespace
}  // namespace ruvo
