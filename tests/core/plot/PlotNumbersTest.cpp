#include <gtest/gtest.h>

#include <QLineF>

#include <cmath>
#include <memory>
#include <vector>

#include "PlotTestSupport.h"
#include "TestSupport.h"
#include "export/GrafExport.h"
#include "plot/ColourScale.h"
#include "plot/ContourLabels.h"
#include "plot/Fonts.h"
#include "plot/LegendTicks.h"
#include "plot/PlotNumbers.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

TEST(PlotNumbers, ShortTextsTakeTheFewestDigitsThatTellTheValuesApart) {
    const struct {
        std::vector<double> values;
        double resolution;
        QStringList texts;
    } cases[] = {
        {{0.0, 0.5, 1.0}, 0.5, {"0.0", "0.5", "1.0"}},
        {{0.0024, 0.0323, -0.0275}, 0.0299, {"0.00", "0.03", "-0.03"}},
        {{-0.0001, 20.0}, 20.0, {"0", "20"}},
        {{2e300, 4e300}, 2e300, {"2E+300", "4E+300"}},
        {{1e-300, 2e-300}, 1e-300, {"1E-300", "2E-300"}},
        {{5.0, 5.0}, 0.0, {"5", "5"}},  // a constant field: nothing to tell apart
    };
    for (const auto& c : cases)
        EXPECT_EQ(short_value_texts(c.values, c.resolution), c.texts) << c.texts.join(' ').toStdString();
}

// Ticks of legends 500 units wide from x = 25, their texts under the bar and
// clear of two range texts at its ends.
TEST(PlotNumbers, LegendTicksAreRoundIncreasingValuesWhoseTextsKeepApart) {
    const TextMeasure measure(QString::fromUtf8(kPlotFontName), 6, 96);
    const QRectF area(0, 0, 550, 600);
    const std::vector<QRectF> range_texts = {{25, 510, 45, 10}, {465, 510, 45, 10}};
    const struct {
        double lo, hi;
        bool some;
    } ranges[] = {{-0.2942653, 0.3341734, true},
                  {0.0, 1e-300, true},
                  {-1e300, 1e300, true},
                  {7.0, 7.0, false},
                  {-3.0, 1e6, true}};
    for (const auto& r : ranges) {
        const std::vector<LegendTick> ticks =
            legend_ticks(fill_legend_axis(r.lo, r.hi, {25, 27}, {525, 527}), 505, measure, area, range_texts);
        EXPECT_EQ(!ticks.empty(), r.some) << r.lo << " " << r.hi;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            const LegendTick& t = ticks[k];
            EXPECT_GE(t.value, r.lo);
            EXPECT_LE(t.value, r.hi);
            EXPECT_TRUE(area.contains(t.box));
            for (const QRectF& taken : range_texts) EXPECT_FALSE(taken.intersects(t.box));
            if (k == 0) continue;
            const double step = t.value - ticks[k - 1].value;
            const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
            EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6)
                << step;
            EXPECT_NEAR(std::remainder(t.value / step, 1.0), 0.0, 1e-6);
            EXPECT_LT(ticks[k - 1].box.right(), t.box.left());
        }
    }
}

double distance_to_line(QPointF p, const ContourChain& line) {
    double nearest = QLineF(p, line.front()).length();
    for (std::size_t k = 1; k < line.size(); ++k) {
        const QPointF d = line[k] - line[k - 1];
        const double length2 = QPointF::dotProduct(d, d);
        const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - line[k - 1], d) / length2, 0.0, 1.0) : 0.0;
        nearest = std::min(nearest, QLineF(p, line[k - 1] + d * t).length());
    }
    return nearest;
}

// The cavity's pressure with numbers on the plot: the labels the rule places
// for the real picture sit on their level's lines, apart from each other and
// the legends, say the level values, and no contour line shows under them.
TEST(PlotNumbersSampleTest, CavityLabelsLieOnTheirLinesInGapsAndApart) {
    const struct {
        std::uint8_t kind;
        bool colour, overlap;
    } views[] = {{kContourView, false, false}, {kContourView, true, false}, {kFillView, true, true}};
    for (const auto& v : views) {
        auto ws = std::make_unique<Workspace>();
        load_project(*ws, test::example("cavity/cavity.RVP"));
        const int slot = open_view(*ws, FileKind::Scalar).slot;
        View_Info& view = ws->views.at(slot);
        view.ScalarViewType = v.kind;
        view.Color = v.colour;
        view.Cntr_Overlap = v.overlap;
        view.numbers_on_plot = true;
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        ASSERT_TRUE(render_view(*ws, slot, image, progress, status).ok());

        // The rule's inputs as the plot had them: the layout, the range and
        // the legend rows (the fill's, then the coloured lines' below it).
        const ViewFields fields = view_fields(ws->store, view);
        PlotState plot;
        ASSERT_EQ(lay_out_view(fields, view, {view.magni, false}, plot), GeometryFailure::None);
        ASSERT_TRUE(set_value_range(plot, fields, view).ok());
        std::vector<QRectF> legends;
        int height = plot.height;
        for (const int n : {v.overlap ? view.divided_number : 0, v.colour ? view.line_num : 0}) {
            if (n == 0) continue;
            height = enlarged_height(height);
            legends.push_back(legend_row(legend_cell(image.width(), height, n, 0).y1, image.width(), height));
        }
        ASSERT_EQ(height, image.height());
        const Table& s = fields.current_scalars().value;
        const ContourCellSpans spans(fields, s, [&](int i, int j) { return fields.cell_skipped(i, j); });
        const std::vector<LevelLines> levels =
            contour_level_lines(fields, s, spans, plot.range_min, plot.range_max, view.line_num,
                                [&](QPointF p) { return QPointF(plot.pixel(p)); });
        const QRectF picture(0, 0, image.width(), image.height());
        const std::vector<ContourLabel> labels =
            place_contour_labels(levels, picture_text_measure(plot), picture, legends);

        std::vector<double> values;
        for (int k = 1; k <= view.line_num; ++k)
            values.push_back(contour_level(plot.range_min, plot.range_max, view.line_num, k));
        const QStringList texts = short_value_texts(values, (plot.range_max - plot.range_min) / (view.line_num + 1));
        EXPECT_GT(labels.size(), 20u);
        for (std::size_t a = 0; a < labels.size(); ++a) {
            const ContourLabel& label = labels[a];
            EXPECT_EQ(label.text, texts[static_cast<qsizetype>(label.level)]);
            double nearest = 1e9;
            for (const ContourChain& line : levels[label.level].lines)
                nearest = std::min(nearest, distance_to_line(label.centre, line));
            EXPECT_LT(nearest, 1.5) << label.text.toStdString();
            EXPECT_TRUE(picture.contains(label.box));
            for (const QRectF& legend : legends) EXPECT_FALSE(legend.intersects(label.box));
            for (std::size_t b = 0; b < a; ++b) EXPECT_FALSE(labels[b].box.intersects(label.box));
            // Coloured lines stop at the box; the black text is all that is
            // drawn in it (over a fill, its colours show through).
            if (!v.colour || v.overlap) continue;
            const QRect box = label.box.toAlignedRect() & image.rect();
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x) {
                    const QRgb c = test::rgb_at(image, x, y);
                    ASSERT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c)) << x << "," << y;
                }
        }
    }
}

// Ranges the user may set: a constant one, and ranges a hair wide or as wide
// as doubles go, under both legends, on screen and in the file.
TEST(PlotNumbersSampleTest, ExtremeRangesDrawWithoutFault) {
    auto ws = std::make_unique<Workspace>();
    load_project(*ws, test::example("cavity/cavity.RVP"));
    const int slot = open_view(*ws, FileKind::Scalar).slot;
    View_Info& view = ws->views.at(slot);
    view.ScalarViewType = kFillView;
    view.Color = view.Cntr_Overlap = view.numbers_on_plot = true;
    view.min_changed = view.max_changed = true;
    for (const auto& [lo, hi] : {std::pair{5.0, 5.0}, std::pair{0.0, 1e-300}, std::pair{-1e300, 1e300}}) {
        view.Scalar_min = lo;
        view.Scalar_max = hi;
        QImage image;
        NoProgress progress;
        NoStatusBoxes status;
        EXPECT_TRUE(render_view(*ws, slot, image, progress, status).ok()) << lo << " " << hi;
        EXPECT_TRUE(graf_file_text(ws->store, view, false, image.size(), progress).drawn.ok());
    }
}

}  // namespace
}  // namespace ruvo
