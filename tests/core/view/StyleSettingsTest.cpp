#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "plot/ArrowPreview.h"
#include "view/StyleSettings.h"
#include "view/TypedReal.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// The natural ratio is that of the view's own area, as the layout takes it.
// OK takes the ratio the edit shows: fixed at 150 %; at 100 % only a natural
// ratio of three decimals stays free (the cavity's whole area, 1, but not a
// strip of it).
TEST(StyleSettings, TheRatioOkFixesAllButTheNaturalRatio) {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cavity/cavity.RVP"));
    View_Info& view = ws->views.at(open_view(*ws, FileKind::Grid).slot);
    for (const int x_end : {150, 11}) {
        view.x_end = x_end;
        const ViewFields fields = view_fields(ws->store, view);
        const std::optional<double> n = natural_ratio(fields);
        view.ratio_fixed = false;
        PlotState plot;
        ASSERT_EQ(Set_View_Geometry(plot, fields, view, 100), GeometryFailure::None);
        ASSERT_EQ(n, view.ratio);
        const bool three_decimals = typed_real(ratio_text(*n)) == n;
        EXPECT_EQ(three_decimals, x_end == 150);
        EXPECT_DOUBLE_EQ(ratio_at(*n, 150), 1.5 * *n);
        for (const int position : {150, 100}) {
            fix_ratio(view, *typed_real(ratio_text(ratio_at(*n, position))), n);
            EXPECT_EQ(view.ratio_fixed, position == 150 || !three_decimals) << x_end << " " << position;
        }
    }
}

TEST(StyleSettings, TypedRealsRefuseWhatIsNoFiniteNumber) {
    struct Case {
        const char* typed;
        std::optional<double> value;
    };
    for (const Case& c : {Case{" 1.5 ", 1.5}, Case{"-2e3", -2000.0}, Case{"", {}}, Case{"abc", {}}, Case{"1,5", {}},
                          Case{"nan", {}}, Case{"inf", {}}, Case{"1e400", {}}}) {
        EXPECT_EQ(typed_real(QString::fromLatin1(c.typed)), c.value) << c.typed;
    }
}

// The head shape in thousandths within 100..1000, and its picture: the barbs
// open to `width` of the arrow's length (0.8 of the picture's side).
TEST(StyleSettings, ArrowShapePositionsAndPicture) {
    EXPECT_EQ(arrow_shape_position(0.15), 150);
    EXPECT_EQ(arrow_shape_position(0.25), 250);
    EXPECT_EQ(arrow_shape_position(0.05), 100);
    EXPECT_EQ(arrow_shape_position(2.0), 1000);
    EXPECT_DOUBLE_EQ(arrow_shape_fraction(150), 0.15);
    EXPECT_EQ(arrow_shape_text(0.15), "0.15");
    for (const double width : {0.15, 0.6, 1.0}) {
        QImage picture(200, 200, QImage::Format_RGB32);
        Draw_Arrow_Preview(picture, width, 0.25);
        int top = picture.height(), bottom = -1;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if ((picture.pixel(x, y) & 0xFFFFFF) == 0) top = std::min(top, y), bottom = std::max(bottom, y);
        EXPECT_NEAR(bottom - top, width * 160, 3) << width;
    }
}

}  // namespace
}  // namespace ruvo
