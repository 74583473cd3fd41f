#include "export/GrafExport.h"

#include <cmath>
#include <optional>

#include "plot/ColourScale.h"
#include "plot/ContourCells.h"
#include "plot/ContourLabels.h"
#include "plot/LegendTicks.h"
#include "plot/PlotNumbers.h"
#include "plot/GridPlot.h"
#include "plot/LinePlotRules.h"
#include "plot/LinePlots.h"
#include "plot/Progress.h"
#include "plot/VectorPlot.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

const QString kFontName = QStringLiteral("Times");

struct PagePoint {
    long long x = 0;
    long long y = 0;
};

PagePoint page_point(const GrafPage& page, QPointF p) { return {page.PageX(p.x()), page.PageY(p.y())}; }

PagePoint node_point(const GrafContext& c, int i, int j) {
    return {c.page.PageX(c.store.grid_x(i, j)), c.page.PageY(c.store.grid_y(i, j))};
}

void colour(GrafWriter& out, QRgb rgb) { out.GrafColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

double real(long long units) { return static_cast<double>(units); }

// A polyline through one point per node of the line.
template <typename PointOf>
void polyline(GrafWriter& out, const GridLine& line, PointOf point_of) {
    for (int k = line.first; k <= line.last; ++k) {
        const PagePoint p = point_of(k);
        if (k == line.first) {
            out.GrafMoveTo(p.x, p.y);
        } else {
            out.GrafLineTo(p.x, p.y);
        }
    }
}

void grid_line(GrafContext& c, const GridLine& line) {
    polyline(c.out, line, [&](int k) { return node_point(c, line.i(k), line.j(k)); });
}

// A legend puts its bar and texts below the plot: the box grows by a fifth
// for each legend, as the image does, so a second legend gets its own row.
void make_legend_room(GrafPage& page) { page.page_height = Nearest(real(page.page_height) * 1.2); }

// The fill's colours in the file: the screen's colour ramp, or in grey mode
// white for low values to black for high ones.
QRgb fill_colour(const View_Info& view, int index) {
    const int entry = clamp_colour_index(index);
    if (view.Gray) return qRgb(255 - entry, 255 - entry, 255 - entry);
    return ramp_colour(colour_ramp(), entry);
}

// The value range of a fill or contour writer with `count` bands or levels.
PlotOutcome counted_value_range(GrafContext& c, int count, const char* none) {
    if (count < 1) return {PlotFailure::Numeric, QString::fromLatin1(none)};
    return set_value_range(c.plot, c.store, c.view);
}

// The legend's row of boxes, from 0.85 to 0.9 of the box height.
void legend_box(GrafContext& c, double left, double width) {
    const double height = real(c.page.page_height);
    c.out.GrafRectangle(Nearest(left), Nearest(0.85 * height), Nearest(left + width), Nearest(0.9 * height), 1);
}

// The point size of the page's texts, in 1/100 point: 12 points at every
// magnification, since the page is A4 at every magnification.
constexpr long long kPageTextSize = 1200;

void text_at(GrafWriter& out, long long x, long long y, double value) {
    out.GrafMoveTo(x, y);
    out.GrafText(range_label_text(value));
}

// 0.01 mm a unit: 2540 to the inch.
constexpr double kPageDpi = 2540.0;

TextMeasure page_text_measure() { return TextMeasure(kFontName, kPageTextSize / 100, kPageDpi); }

void page_font(GrafWriter& out) {
    out.GrafColor(0, 0, 0);
    out.GrafFont(kFontName);
    out.GrafFontSize(kPageTextSize, 0, 0);
}

// A text is written from the left end of its baseline.
void text_in_box(GrafWriter& out, const QRectF& box, double ascent, const QString& text) {
    out.GrafMoveTo(NearestWide(box.left()), NearestWide(box.top() + ascent));
    out.GrafText(text);
}

// The legend's row, from its bar's top to the bottom of the page box.
void note_legend_row(GrafContext& c) {
    const double height = real(c.page.page_height);
    c.plot.legend_rows.push_back(legend_row(Nearest(0.85 * height), real(c.page.page_width), height));
}

// Round values under the legend bar: thin marks down from the bar, the
// values under them, clear of `taken` (the range texts).
void legend_ticks_on_page(GrafContext& c, const LegendAxis& axis, const std::vector<QRectF>& taken) {
    const TextMeasure measure = page_text_measure();
    const double height = real(c.page.page_height);
    const long long bar_bottom = Nearest(0.9 * height);
    const LegendTickRow row = legend_tick_row(real(bar_bottom), height);
    const QRectF page(0, 0, real(c.page.page_width), height);
    const std::vector<LegendTick> ticks = legend_ticks(axis, row.text_top, measure, page, taken);
    if (ticks.empty()) return;
    c.out.GrafThinLine();
    page_font(c.out);
    for (const LegendTick& tick : ticks) {
        const long long x = NearestWide(tick.x);
        c.out.GrafLine(x, bar_bottom, x, NearestWide(row.mark_end));
        text_in_box(c.out, tick.box, measure.ascent(), tick.text);
    }
}

// The boxes of the fill's range texts, `min_x` and `max_x` the left ends of
// their baselines at `baseline`.
std::vector<QRectF> range_text_boxes(const GrafContext& c, long long min_x, long long max_x, long long baseline) {
    const TextMeasure measure = page_text_measure();
    std::vector<QRectF> boxes;
    for (const auto& [x, value] : {std::pair{min_x, c.plot.range_min}, std::pair{max_x, c.plot.range_max}}) {
        boxes.emplace_back(QPointF(real(x), real(baseline) - measure.ascent()), measure.size(range_label_text(value)));
    }
    return boxes;
}

LegendCellSpan box_span(double left, double width) { return {left, left + width}; }

// The levels' values on their lines, clear of the legends.
std::vector<ContourLabel> page_level_labels(GrafContext& c, const Table& s, const ContourCellSpans& spans, int n) {
    const std::vector<LevelLines> levels =
        contour_level_lines(c.store, s, spans, c.plot.range_min, c.plot.range_max, n, [&](QPointF p) {
            const PagePoint point = page_point(c.page, p);
            return QPointF(real(point.x), real(point.y));
        });
    const QRectF page(0, 0, real(c.page.page_width), real(c.page.page_height));
    return place_contour_labels(levels, page_text_measure(), page, c.plot.legend_rows);
}

void write_labels(GrafWriter& out, const std::vector<ContourLabel>& labels) {
    const TextMeasure measure = page_text_measure();
    page_font(out);
    for (const ContourLabel& label : labels) {
        text_in_box(out, centred_box(label.centre, measure.size(label.text)), measure.ascent(), label.text);
    }
}

// Half the medium line's 0.24 mm and the rounding of the pieces' ends.
constexpr double kPageGapMargin = 13.0;

// The line displaced across itself by the values, as on screen.
void profile(GrafContext& c, const GridLine& line, double scale) {
    const Table& s = c.store.current_scalars().value;
    polyline(c.out, line, [&](int k) {
        const int i = line.i(k);
        const int j = line.j(k);
        double x = c.store.grid_x(i, j);
        double y = c.store.grid_y(i, j);
        (line.constant_i ? x : y) += scale * s(i, j);
        return page_point(c.page, {x, y});
    });
}

std::optional<double> profile_scale_of(GrafContext& c, double factor) {
    const double largest = c.plot.Array_Max(c.store.current_scalars().value, c.store.draw);
    return profile_scale(c.view.length, c.plot.grid_max_extent, largest, factor);
}

PlotOutcome no_profile_scale() {
    return {PlotFailure::Numeric,
            QStringLiteral("the largest value of the area is 0 (or too close to 0), so the profiles cannot be scaled")};
}

// A red grid line, its black profile and, with YAxis, the grey crossing line.
PlotOutcome single_line_plot(GrafContext& c, const GridLine& line, const GridLine& crossing, double factor) {
    const std::optional<double> scale = profile_scale_of(c, factor);
    if (!scale) return no_profile_scale();
    c.out.GrafThinLine();
    c.out.GrafColor(255, 0, 0);
    grid_line(c, line);
    c.out.GrafMediumLine();
    c.out.GrafColor(0, 0, 0);
    profile(c, line, *scale);
    if (c.view.YAxis) {  // GrafCrossLine
        c.out.GrafThinLine();
        c.out.GrafColor(192, 192, 192);
        grid_line(c, crossing);
    }
    return {};
}

// The Detail graph's column of node (i, j): its y counted from the area's
// lowest y along a line of constant i, else its x.
long long detail_column(const GrafContext& c, int i, int j) {
    if (!c.view.Detail_Axis) return c.page.PageX(c.store.grid_x(i, j));
    return Nearest(c.page.page_scale_xy * (c.store.grid_y(i, j) - c.plot.area_y_min)) + c.page.frame_left;
}

// GrafDetailScale: blue ticks left of the graph and at the right edge, the
// tick ladders along the value axis, and the axis ends as texts.
void detail_value_scale(GrafContext& c, const DetailScale& d, long long zero_row) {
    GrafWriter& out = c.out;
    const GrafPage& page = c.page;
    const long long t = page.frame_left / 8;
    out.GrafThinLine();
    out.GrafColor(0, 0, 255);
    auto tick = [&](int row) {
        out.GrafLine(page.frame_left - 5 * t, row, page.frame_left - 3 * t, row);
        out.GrafLine(page.page_width - 5 * t, row, page.page_width - 3 * t, row);
    };
    // The page's rows are far inside the int range.
    for_each_scale_tick(c.view, d, static_cast<int>(zero_row), static_cast<int>(page.page_height - page.frame_bottom),
                        static_cast<int>(page.frame_bottom), c.progress, tick);

    const long long u = (page.page_height - page.frame_bottom) / 2;
    out.GrafColor(0, 0, 0);
    out.GrafFont(kFontName);
    out.GrafFontSize(kPageTextSize, 0, 0);
    text_at(out, page.frame_left - 5 * t, page.frame_bottom + u, d.axis.lo);
    text_at(out, page.frame_left - 5 * t, u, d.axis.hi);
}

}  // namespace

void GrafGridLines(GrafContext& c) {
    const DrawRect& r = c.store.draw;
    GrafWriter& out = c.out;
    out.GrafThinLine();
    out.GrafColor(0, 0, 0);
    c.progress.set_maximum((r.x_end - r.x_start) + (r.y_end - r.y_start) + 1);
    c.progress.set_step(1);
    // No segment joins two nodes of coinciding (closed) lines.
    auto along = [&](const GridLine& line, const LineFlags& closed) {
        for (int k = line.first; k <= line.last; ++k) {
            const PagePoint p = node_point(c, line.i(k), line.j(k));
            if (k == line.first || closed[static_cast<std::size_t>(k - 1)]) {
                out.GrafMoveTo(p.x, p.y);
            } else {
                out.GrafLineTo(p.x, p.y);
            }
        }
        c.progress.step();
    };
    for (int j = r.y_start; j <= r.y_end; ++j) along(line_of_constant_j(j, r), c.store.closed_x);
    for (int i = r.x_start; i <= r.x_end; ++i) along(line_of_constant_i(i, r), c.store.closed_y);
    c.progress.set_position(0);
}

void GrafGridOutline(GrafContext& c) {
    c.out.GrafThickLine();
    c.out.GrafColor(0, 0, 0);
    for (const GridLine& edge : area_frame_edges(c.store)) grid_line(c, edge);
}

void GrafArrow(GrafContext& c, double x0, double y0, double x1, double y1, double head_length, double head_width) {
    // The screen's arrow at 100 %: barbs head_length back along the shaft and
    // half the head width to either side.
    const ArrowGeometry arrow = arrow_geometry({x0, y0}, {x1, y1}, head_width, head_length, 100);
    const PagePoint tail = page_point(c.page, arrow.tail);
    const PagePoint tip = page_point(c.page, arrow.tip);
    const PagePoint barb1 = page_point(c.page, arrow.barb1);
    const PagePoint barb2 = page_point(c.page, arrow.barb2);
    c.out.GrafLine(tail.x, tail.y, tip.x, tip.y);
    c.out.GrafLine(tip.x, tip.y, barb1.x, barb1.y);
    c.out.GrafLine(tip.x, tip.y, barb2.x, barb2.y);
}

PlotOutcome GrafVectors(GrafContext& c) {
    if (!c.store.current_data_valid())
        return {PlotFailure::AllZeroVectors, QStringLiteral("no vector slot is selected")};
    const VectorSlot& vectors = c.store.current_vectors();
    double k = 0.0;
    if (const PlotOutcome scaled = arrow_scale(vectors, c.store.draw, c.plot.grid_max_extent, c.view.length, k);
        !scaled.ok()) {
        return scaled;
    }
    c.out.GrafMediumLine();
    c.out.GrafColor(0, 0, 0);
    visit_arrow_nodes(c.store, vectors, arrow_thinning(c.view, c.plot), c.progress, [&](int ii, int jj) {
        const double u = vectors.u(ii, jj);
        const double v = vectors.v(ii, jj);
        const double mk = vector_magnitude(u, v) * k;
        const double x = c.store.grid_x(ii, jj);
        const double y = c.store.grid_y(ii, jj);
        GrafArrow(c, x, y, x + u * k, y + v * k, 0.2 * mk, 0.1 * mk);
    });
    return {};
}

PlotOutcome GrafFill(GrafContext& c) {
    const int n = c.view.divided_number;
    if (const PlotOutcome range = counted_value_range(c, n, "the view asks for no fill band"); !range.ok())
        return range;
    make_legend_room(c.page);
    GrafWriter& out = c.out;
    const double width = real(c.page.page_width);
    const double height = real(c.page.page_height);

    out.GrafThinLine();
    const double box = 0.9 * width / n;
    for (int s = 0; s <= n; ++s) {
        colour(out, fill_colour(c.view, s));
        legend_box(c, 0.05 * width + s * box, box);
    }
    page_font(out);
    const long long min_x = Nearest(0.05 * width);
    const long long max_x = Nearest(0.85 * width);
    const long long baseline = Nearest(0.92 * height);
    text_at(out, min_x, baseline, c.plot.range_min);
    text_at(out, max_x, baseline, c.plot.range_max);
    note_legend_row(c);
    if (c.view.numbers_on_plot) {
        const LegendAxis axis = fill_legend_axis(c.plot.range_min, c.plot.range_max, box_span(0.05 * width, box),
                                                 box_span(0.05 * width + n * box, box));
        legend_ticks_on_page(c, axis, range_text_boxes(c, min_x, max_x, baseline));
    }

    const ViewFields& store = c.store;
    const Table& s = store.current_scalars().value;
    const DrawRect& r = store.draw;
    c.progress.set_maximum(r.y_end - 1);
    c.progress.set_step(1);
    for (int j = r.y_start; j <= r.y_end - 1; ++j) {
        for (int i = r.x_start; i <= r.x_end - 1; ++i) {
            if (store.cell_skipped(i, j)) continue;
            out.GrafThinLine();
            colour(out, fill_colour(c.view, fill_colour_index(s(i, j), c.plot.range_min, c.plot.range_max, n)));
            const PagePoint p1 = node_point(c, i, j), p2 = node_point(c, i + 1, j);
            const PagePoint p3 = node_point(c, i + 1, j + 1), p4 = node_point(c, i, j + 1);
            out.GrafQuad(1, p1.x, p1.y, p2.x, p2.y, p3.x, p3.y, p4.x, p4.y);
        }
        c.progress.step();
    }
    c.progress.set_position(0);
    return {};
}

PlotOutcome GrafContours(GrafContext& c) {
    const int n = c.view.line_num;
    if (const PlotOutcome range = counted_value_range(c, n, "the view asks for no contour level"); !range.ok()) {
        return range;
    }
    GrafWriter& out = c.out;
    out.GrafMediumLine();
    if (c.view.Color) {
        make_legend_room(c.page);
        const int step = 255 / n;
        const long long box = Nearest(0.9 * real(c.page.page_width)) / n;
        for (int k = 0; k <= n; ++k) {
            colour(out, ramp_colour(colour_ramp(), k * step));
            legend_box(c, 0.05 * real(c.page.page_width) + real(k * box), real(box));
        }
        note_legend_row(c);
        if (c.view.numbers_on_plot) {
            const double left = 0.05 * real(c.page.page_width);
            legend_ticks_on_page(c,
                                 contour_legend_axis(c.plot.range_min, c.plot.range_max, n, box_span(left, real(box)),
                                                     box_span(left + real(n * box), real(box))),
                                 {});
        }
    } else {
        out.GrafColor(0, 0, 0);  // not the colour a writer before left
    }

    const ViewFields& store = c.store;
    const Table& s = store.current_scalars().value;
    // The cells of a closed line are never contoured in the file.
    const ContourCellSpans spans(store, s, [&](int i, int j) { return store.cell_on_closed_line(i, j); });
    const std::vector<ContourLabel> labels =
        c.view.numbers_on_plot ? page_level_labels(c, s, spans, n) : std::vector<ContourLabel>{};
    const std::vector<QRectF> gaps = label_gaps(labels, kPageGapMargin);
    std::vector<LinePiece> pieces;
    c.progress.set_maximum(n);
    c.progress.set_step(1);
    for (int k = 1; k <= n; ++k) {
        if (c.view.Color) colour(out, ramp_colour(colour_ramp(), contour_colour_index(k, n)));
        const double level = contour_level(c.plot.range_min, c.plot.range_max, n, k);
        for_each_contour_segment(store, s, level, spans, [&](const ContourSegment& segment) {
            const PagePoint a = page_point(c.page, segment.a);
            const PagePoint b = page_point(c.page, segment.b);
            pieces_outside_gaps({real(a.x), real(a.y)}, {real(b.x), real(b.y)}, gaps, pieces);
            for (const LinePiece& piece : pieces) {
                const long long ax = NearestWide(piece.a.x()), ay = NearestWide(piece.a.y());
                const long long bx = NearestWide(piece.b.x()), by = NearestWide(piece.b.y());
                out.GrafLine(ax, ay, bx, by);
                out.GrafLine(ax, ay, ax, ay);
                out.GrafLine(bx, by, bx, by);
            }
        });
        c.progress.step();
    }
    c.progress.set_position(0);
    if (!labels.empty()) write_labels(out, labels);
    return {};
}

PlotOutcome GrafKEpsilon(GrafContext& c) {
    const std::optional<double> scale = profile_scale_of(c, kKEpsilonProfileFactor);
    if (!scale) return no_profile_scale();
    const DrawRect& r = c.store.draw;
    c.progress.set_maximum(r.x_end);
    c.progress.set_step(c.view.x_grid_step);
    for (const int ii : ke_lines(r.x_start, r.x_end, c.view.x_grid_step)) {
        const GridLine line = line_of_constant_i(ii, r);
        c.out.GrafThinLine();
        c.out.GrafColor(255, 0, 0);
        grid_line(c, line);
        c.out.GrafMediumLine();
        c.out.GrafColor(0, 0, 0);
        profile(c, line, *scale);
        c.progress.step();
    }
    c.progress.set_position(0);
    return {};
}

PlotOutcome GrafColumnPlot(GrafContext& c) {
    const FocusNode n = focus_node(c.view, c.store);
    const DrawRect& r = c.store.draw;
    return single_line_plot(c, line_of_constant_i(n.i, r), line_of_constant_j(n.j, r), kColumnProfileFactor);
}

PlotOutcome GrafRowPlot(GrafContext& c) {
    const FocusNode n = focus_node(c.view, c.store);
    const DrawRect& r = c.store.draw;
    return single_line_plot(c, line_of_constant_j(n.j, r), line_of_constant_i(n.i, r), kRowProfileFactor);
}

PlotOutcome GrafDetailPlot(GrafContext& c) {
    GrafPage& page = c.page;
    if (c.view.YScale) page.page_height = Nearest(real(page.page_height) * 1.05);
    const DetailScale d = Detail_Scale(c.plot, c.store, c.view);
    const std::optional<double> vs =
        detail_vertical_scale(c.view, d.axis, 2.0 * real(page.frame_bottom) - real(page.page_height));
    if (!vs) return {PlotFailure::Numeric, QStringLiteral("the value range is too narrow to scale the graph")};

    GrafWriter& out = c.out;
    const Table& s = c.store.current_scalars().value;
    const GridLine line = detail_line(c.view, c.store);
    auto point_of = [&](int k) {
        const int i = line.i(k);
        const int j = line.j(k);
        return PagePoint{detail_column(c, i, j), page.frame_bottom - Nearest(*vs * (s(i, j) - d.axis.lo))};
    };
    if (c.view.Detail_Point) {
        out.GrafThinLine();
        out.GrafColor(255, 0, 0);
        for (int k = line.first; k <= line.last; ++k) {
            const PagePoint p = point_of(k);
            out.GrafArc(p.x, p.y, page.mark_size, page.mark_size, 0, 36000, 0);
            if (s(line.i(k), line.j(k)) == d.max_s) {
                out.GrafArc(p.x, p.y, page.max_mark_radius, page.max_mark_radius, 0, 36000, 0);
            }
        }
    }
    c.progress.set_maximum(line.last);
    c.progress.set_step(1);
    out.GrafMediumLine();
    out.GrafColor(0, 0, 0);
    polyline(out, line, [&](int k) {
        c.progress.step();
        return point_of(k);
    });
    c.progress.set_position(0);

    const long long zero_row = c.view.AutoScale ? page.frame_bottom : page.frame_bottom + Nearest(d.axis.lo * *vs);
    out.GrafThinLine();
    out.GrafColor(0, 0, 255);
    out.GrafLine(page.frame_left - page.mark_size, zero_row, page.page_width - page.frame_left + page.mark_size,
                 zero_row);
    if (c.view.YScale) detail_value_scale(c, d, zero_row);

    if (c.view.YAxis) {
        const FocusNode n = focus_node(c.view, c.store);
        const long long column = detail_column(c, n.i, n.j);
        out.GrafThinLine();
        out.GrafColor(192, 192, 192);
        out.GrafLine(column, page.frame_bottom, column,
                     Nearest(real(page.page_height - page.frame_bottom) - c.plot.magnification * 0.04));
    }
    return {};
}

namespace {

// One layer of the file; only the plots can fail.
PlotOutcome write_layer(Layer layer, GrafContext& c) {
    switch (layer) {
    case Layer::Grid:
    case Layer::GridLines: GrafGridLines(c); return {};
    case Layer::Vectors: return GrafVectors(c);
    case Layer::Contours: return GrafContours(c);
    case Layer::KEpsilon: return GrafKEpsilon(c);
    case Layer::Row: return GrafRowPlot(c);
    case Layer::Column: return GrafColumnPlot(c);
    case Layer::Detail: return GrafDetailPlot(c);
    case Layer::Fill: return GrafFill(c);
    case Layer::Outline: GrafGridOutline(c); return {};
    case Layer::AreaFrame: return {};  // the screen's alone
    }
    return {};
}

PlotOutcome write_plots(GrafContext& c) {
    const Layers layers = view_layers(c.view, Medium::GrafFile);
    for (const Layer layer : layers.all()) {
        if (const PlotOutcome written = write_layer(layer, c); !written.ok()) return written;
    }
    return {};
}

}  // namespace

GrafFileText graf_file_text(const FieldStore& store, View_Info& view, bool fixed_size, QSize image,
                            Progress& progress) {
    // The view's own layout as its picture was drawn, so that the file depends
    // neither on which view was drawn last nor on a magnification bar moved
    // since.
    const ViewFields fields = view_fields(store, view);
    PlotState plot;
    if (const GeometryFailure layout = lay_out_view(fields, view, {view.drawn_magni, fixed_size}, plot);
        layout != GeometryFailure::None) {
        return {{RenderFailure::Geometry, geometry_failure_text(layout), {}}, {}};
    }
    if (image.isEmpty()) return {{RenderFailure::Geometry, QStringLiteral("the view has no picture"), {}}, {}};
    GrafPage page = graf_page(image, plot);
    GrafWriter out;
    out.GrafBegin();
    // Everything is written into memory first, so a plot that cannot be
    // written leaves no file at all.
    GrafContext context{out, page, fields, plot, view, progress};
    if (const PlotOutcome plots = write_plots(context); !plots.ok()) return {result_of(plots), {}};
    out.GrafEnd();
    return {{}, out.text()};
}

}  // namespace ruvo
