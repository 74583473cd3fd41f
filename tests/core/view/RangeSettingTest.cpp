#include <gtest/gtest.h>

#include "view/RangeSetting.h"
#include "view/ViewTable.h"

namespace ruvo {
namespace {

constexpr MaxMinWork kInside{10, 0, 8, 2};  // data max, data min, max, min

TEST(RangeSetting, TypedEndsAtOrBeyondTheOtherEndAreRefused) {
    struct Case {
        bool (*type)(MaxMinWork&, double);
        double value;
        bool taken;
    };
    for (const Case& c : {Case{type_max, 2, false}, Case{type_max, 1, false}, Case{type_max, 2.5, true},
                          Case{type_min, 8, false}, Case{type_min, 9, false}, Case{type_min, 7.5, true}}) {
        MaxMinWork work = kInside;
        EXPECT_EQ(c.type(work, c.value), c.taken) << c.value;
        const bool max = c.type == type_max;
        EXPECT_EQ(max ? work.work_max : work.work_min, c.taken ? c.value : (max ? 8 : 2));
        EXPECT_EQ(max ? work.work_min : work.work_max, max ? 2 : 8);
    }
}

TEST(RangeSetting, OkStoresBothEndsAndMarksBothChangedEvenUnmoved) {
    View_Info view;
    view.Scalar_max = 8;
    view.Scalar_min = 2;
    store_range(kInside, view);
    EXPECT_TRUE(view.max_changed && view.min_changed);
    EXPECT_EQ(view.Scalar_max, 8);
    EXPECT_EQ(view.Scalar_min, 2);
}

TEST(RangeSetting, BarsShowTheEndsWithinTheDataAndStayWhereTheyWouldDivideByZero) {
    struct Case {
        MaxMinWork work;
        BarPlacement max, min;
    };
    const Case cases[] = {
        {kInside, {true, 75}, {true, 25}},
        {{10, 0, 12, -1}, {false, {}}, {false, {}}},  // both ends beyond the data
        {{10, 0, 0.001, 0}, {true, 1}, {true, 1}},    // positions kept within 1..100
        {{5, 0, 5, 5}, {true, {}}, {true, 100}},      // data max = min
        {{4, 4, 4, 4}, {true, {}}, {true, {}}},       // a constant field
        {{10, 0, 1, 5}, {true, 1}, {true, 100}},      // ends crossed by steps
    };
    for (const Case& c : cases) {
        const BarPlacement max = max_bar_placement(c.work);
        const BarPlacement min = min_bar_placement(c.work);
        EXPECT_EQ(max.enabled, c.max.enabled) << c.work.work_max;
        EXPECT_EQ(max.position, c.max.position) << c.work.work_max;
        EXPECT_EQ(min.enabled, c.min.enabled) << c.work.work_min;
        EXPECT_EQ(min.position, c.min.position) << c.work.work_min;
    }
}

TEST(RangeSetting, BarMovesSetTheEndsAndTheLabelsSayWhereTheyLie) {
    MaxMinWork work = kInside;
    max_from_bar(work, 100);
    EXPECT_DOUBLE_EQ(work.work_max, 10);
    max_from_bar(work, 50);
    EXPECT_DOUBLE_EQ(work.work_max, 6);
    min_from_bar(work, 1);
    EXPECT_NEAR(work.work_min, 6 - 6 * 0.99, 1e-12);
    EXPECT_EQ(max_definition(kInside), QString::fromUtf8("Max:定義範囲: 2.00000000 < 10.00000000"));
    EXPECT_EQ(min_definition(kInside), QString::fromUtf8("Min:定義範囲: 0.00000000 < 2.00000000"));
    const MaxMinWork outside{10, 0, 12, -1};
    EXPECT_EQ(max_definition(outside), QString::fromUtf8("Max:定義域外: 10.00000000以上→ (12.00000000)"));
    EXPECT_EQ(min_definition(outside), QString::fromUtf8("Min:定義域外: 0.00000000以下→ (-1.00000000)"));
}

}  // namespace
}  // namespace ruvo
