#include "plot/LinePlots.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "Texts.h"
#include "Workspace.h"
#include "data/Nearest.h"
#include "plot/Canvas.h"
#include "plot/Fonts.h"
#include "plot/LinePlotRules.h"
#include "plot/Progress.h"
#include "view/Geometry.h"
#include "view/NodeReadout.h"

namespace ruvo {

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kMarkerGrey = qRgb(192, 192, 192);

// The Detail graph's range texts: their classic size, trunc(-2u / 72) points,
// is never positive, which asked the platform for its default text height;
// that default is taken here as a readable 9 points.
constexpr int kDetailTextPoints = 9;

const Table& scalar_values(const ViewFields& store) { return store.current_scalars().value; }

void use_pen(Canvas& canvas, QRgb colour, PenMode mode) {
    canvas.set_pen_colour(colour);
    canvas.set_pen_width(1);
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_mode(mode);
}

// Polyline through one point per node of the line, stepping `per_point` at
// every point.
template <typename PointOf>
void polyline(Canvas& canvas, const GridLine& line, PointOf point_of, Progress& per_point) {
    for (int k = line.first; k <= line.last; ++k) {
        const QPoint p = point_of(k);
        if (k == line.first) {
            canvas.move_to(p);
        } else {
            canvas.line_to(p);
        }
        per_point.step();
    }
}

void draw_grid_line(PlotContext& c, const GridLine& line, QRgb colour, PenMode mode) {
    use_pen(c.canvas, colour, mode);
    NoProgress unseen;
    polyline(
        c.canvas, line, [&](int k) { return c.plot.node_pixel(c.store, line.i(k), line.j(k)); }, unseen);
}

// The line displaced across itself by the values: in +x for a line of
// constant i, in +y for one of constant j.
void draw_profile(PlotContext& c, const GridLine& line, double scale, Progress& per_point) {
    const Table& s = scalar_values(c.store);
    use_pen(c.canvas, kBlack, PenMode::Copy);
    polyline(
        c.canvas, line,
        [&](int k) {
            const int i = line.i(k);
            const int j = line.j(k);
            double x = c.store.grid_x(i, j);
            double y = c.store.grid_y(i, j);
            (line.constant_i ? x : y) += scale * s(i, j);
            return QPoint(c.plot.PixelX(x), c.plot.PixelY(y));
        },
        per_point);
}

std::optional<double> profile_scale_of(PlotContext& c, double factor) {
    const double largest = c.plot.Array_Max(scalar_values(c.store), c.store.draw);
    return profile_scale(c.view.length, c.plot.grid_max_extent, largest, factor);
}

PlotOutcome no_profile_scale() {
    return {PlotFailure::Numeric,
            QStringLiteral("the largest value of the area is 0 (or too close to 0), so the profiles cannot be scaled")};
}

// Status boxes of the Row and Column views and their markers: the focus
// node's indices (zero-based), coordinates, vector and value.
void show_node_readout(PlotContext& c) {
    const FocusNode n = focus_node(c.view, c.store);
    c.status.show(node_readout(c.store, n.i, n.j, messages::kLineReadoutI, messages::kLineReadoutJ));
}

// Grey exclusive-or line through the focus node, across the plotted line.
void draw_marker(PlotContext& c, const GridLine& line) {
    draw_grid_line(c, line, kMarkerGrey, PenMode::Xor);
    use_pen(c.canvas, kBlack, PenMode::Copy);
    show_node_readout(c);
}

// The Row and Column views: one red grid line and its black profile.
PlotOutcome draw_single_line(PlotContext& c, const GridLine& line, double factor, void (*marker)(PlotContext&)) {
    const std::optional<double> scale = profile_scale_of(c, factor);
    draw_grid_line(c, line, kRed, PenMode::Copy);
    if (!scale) return no_profile_scale();
    c.progress.set_maximum(line.last);
    c.progress.set_step(1);
    draw_profile(c, line, *scale, c.progress);
    c.progress.set_position(0);
    if (c.view.YAxis) marker(c);
    show_node_readout(c);
    return {};
}

DetailScale detail_scale(PlotContext& c) { return Detail_Scale(c.plot, c.store, c.view); }

// The value axis runs from the plot area's bottom row up to row H - bottom.
std::optional<double> vertical_scale(const PlotContext& c, const ValueRange& axis) {
    return detail_vertical_scale(c.view, axis, 2.0 * c.plot.frame_bottom - c.plot.height);
}

// Column of a node along the Detail graph's horizontal axis: for a line of
// constant i its y, counted from the area's lowest y, across the plot area;
// else its x.
int detail_column(const PlotContext& c, int i, int j) {
    if (!c.view.Detail_Axis) return c.plot.PixelX(c.store.grid_x(i, j));
    const double from_lowest = c.store.grid_y(i, j) + c.plot.origin_y;
    return clamp_pixel(static_cast<long long>(Nearest(c.plot.x_scale_y * from_lowest)) + c.plot.frame_left);
}

// With scale ticks the image grows by 5 % in height: a new blank raster.
PlotOutcome grow_for_scale(PlotContext& c) {
    const int height = Nearest(c.plot.height * 1.05);
    if (height >= kMaxImageSide || double(c.plot.width) * height > double(kMaxImagePixels)) {
        return {PlotFailure::Numeric, QStringLiteral("the image would grow too large for the scale ticks")};
    }
    c.canvas.new_raster(c.plot.width, height);
    c.plot.height = height;
    return {};
}

template <typename PointOf>
void mark_points(PlotContext& c, const GridLine& line, PointOf point_of, double max_s) {
    const Table& s = scalar_values(c.store);
    use_pen(c.canvas, kRed, PenMode::Mask);
    for (int k = line.first; k <= line.last; ++k) {
        const QPoint p = point_of(k);
        c.canvas.ellipse(p.x() - 3, p.y() - 3, p.x() + 3, p.y() + 3);
        if (s(line.i(k), line.j(k)) == max_s) c.canvas.ellipse(p.x() - 5, p.y() - 5, p.x() + 5, p.y() + 5);
    }
    c.canvas.set_pen_mode(PenMode::Copy);
}

// Blue ticks left of the graph and at the right edge, tick ladders along the
// value axis, and the axis ends as texts.
void draw_value_scale(PlotContext& c, const DetailScale& d, int zero_row) {
    const long long dx = c.plot.frame_left;
    const long long dy = c.plot.frame_bottom;
    const long long width = c.plot.width;
    const long long height = c.plot.height;
    const long long t = dx / 8;
    use_pen(c.canvas, kBlue, PenMode::Copy);
    auto tick = [&](int row) {
        c.canvas.move_to({clamp_pixel(dx - 5 * t), row});
        c.canvas.line_to({clamp_pixel(dx - 3 * t), row});
        c.canvas.move_to({clamp_pixel(width - 5 * t), row});
        c.canvas.line_to({clamp_pixel(width - 3 * t), row});
    };
    for_each_scale_tick(c.view, d, zero_row, clamp_pixel(height - dy), clamp_pixel(dy), c.progress, tick);

    const long long u = (height - dy) / 8;
    use_pen(c.canvas, kBlack, PenMode::Copy);  // texts take the pen's colour
    c.canvas.set_font(QString::fromUtf8(kPlotFontName), kDetailTextPoints);
    c.canvas.text_out(clamp_pixel(dx - 5 * t), clamp_pixel(dy + u), value_text(d.axis.lo));
    c.canvas.text_out(clamp_pixel(dx - 5 * t), clamp_pixel(u), value_text(d.axis.hi));
}

struct DetailPrefixes {
    const char* hi;
    const char* lo;
    const char* max_s;
    const char* min_s;
};

void show_detail_readout(PlotContext& c, const DetailScale& d, const DetailPrefixes& prefixes) {
    using namespace messages;
    const FocusNode n = focus_node(c.view, c.store);
    c.status.show({readout(kLineReadoutI, QString::number(n.i - 1)), readout(kLineReadoutJ, QString::number(n.j - 1)),
                   readout(prefixes.hi, value_text(d.axis.hi)), readout(prefixes.lo, value_text(d.axis.lo)),
                   readout(prefixes.max_s, value_text(d.max_s)), readout(prefixes.min_s, value_text(d.min_s)),
                   readout(kLineReadoutS, value_text(scalar_values(c.store)(n.i, n.j)))});
}

}  // namespace

void for_each_scale_tick(const View_Info& view, const DetailScale& d, int zero_row, int top, int bottom,
                         Progress& progress, const std::function<void(int row)>& tick) {
    auto ladder = [&](const std::vector<int>& rows) {
        progress.set_maximum(9);
        progress.set_step(1);
        tick(rows.front());
        for (std::size_t n = 1; n < rows.size(); ++n) {
            tick(rows[n]);
            progress.step();
        }
        progress.set_position(0);
    };
    tick(zero_row);
    const TickLadders ladders = detail_ladders(view.AutoScale, d.max_s, d.min_s, d.axis.lo);
    if (ladders.upper) ladder(upper_ladder(zero_row, top));
    if (ladders.lower) ladder(lower_ladder(bottom, zero_row));
}

DetailScale Detail_Scale(PlotState& plot, const ViewFields& store, const View_Info& view) {
    const Table& s = scalar_values(store);
    DetailScale d;
    d.max_s = plot.Array_Max(s, store.draw);
    d.min_s = plot.Array_Min(s, store.draw);
    d.axis = view.AutoScale ? line_range(s, detail_line(view, store)) : detail_fixed_range(d.max_s, d.min_s);
    return d;
}

PlotOutcome Draw_KEpsilon(PlotContext& c) {
    const DrawRect& r = c.store.draw;
    const std::optional<double> scale = profile_scale_of(c, kKEpsilonProfileFactor);
    c.progress.set_maximum(r.x_end - r.x_start);
    c.progress.set_step(c.view.x_grid_step);
    NoProgress per_point;  // this view steps once per line
    for (const int ii : ke_lines(r.x_start, r.x_end, c.view.x_grid_step)) {
        const GridLine line = line_of_constant_i(ii, r);
        draw_grid_line(c, line, kRed, PenMode::Copy);
        if (scale) draw_profile(c, line, *scale, per_point);
        c.progress.step();
    }
    c.progress.set_position(0);
    return scale ? PlotOutcome{} : no_profile_scale();
}

PlotOutcome Draw_Row(PlotContext& c) {
    return draw_single_line(c, line_of_constant_j(focus_node(c.view, c.store).j, c.store.draw), kRowProfileFactor,
                            Draw_Row_Neglect);
}

PlotOutcome Draw_Column(PlotContext& c) {
    return draw_single_line(c, line_of_constant_i(focus_node(c.view, c.store).i, c.store.draw), kColumnProfileFactor,
                            Draw_Column_Neglect);
}

PlotOutcome Draw_Detail(PlotContext& c) {
    if (c.view.YScale) {
        if (const PlotOutcome grown = grow_for_scale(c); !grown.ok()) return grown;
    }
    const DetailScale d = detail_scale(c);
    const std::optional<double> vs = vertical_scale(c, d.axis);
    if (!vs) return {PlotFailure::Numeric, QStringLiteral("the value range is too narrow to scale the graph")};

    const Table& s = scalar_values(c.store);
    const GridLine line = detail_line(c.view, c.store);
    const long long bottom = c.plot.frame_bottom;
    auto point_of = [&](int k) {
        const int i = line.i(k);
        const int j = line.j(k);
        return QPoint(detail_column(c, i, j), clamp_pixel(bottom - Nearest(*vs * (s(i, j) - d.axis.lo))));
    };
    c.progress.set_maximum(line.last);
    c.progress.set_step(1);
    if (c.view.Detail_Point) mark_points(c, line, point_of, d.max_s);
    use_pen(c.canvas, kBlack, PenMode::Copy);
    polyline(c.canvas, line, point_of, c.progress);

    const int zero_row = clamp_pixel(c.view.AutoScale ? bottom : bottom + Nearest(d.axis.lo * *vs));
    use_pen(c.canvas, kBlue, PenMode::Copy);
    c.canvas.move_to({clamp_pixel(c.plot.frame_left - 3LL), zero_row});
    c.canvas.line_to({clamp_pixel(c.plot.width - static_cast<long long>(c.plot.frame_left) + 3), zero_row});
    if (c.view.YScale) draw_value_scale(c, d, zero_row);
    c.progress.set_position(0);

    if (c.view.YAxis) {
        Draw_Detail_Neglect(c);
    } else {
        using namespace messages;
        show_detail_readout(c, d,
                            {kLineReadoutVerticalMax, kLineReadoutVerticalMin, kLineReadoutSMax, kLineReadoutSMin});
    }
    return {};
}

void Draw_Row_Neglect(PlotContext& c) {
    draw_marker(c, line_of_constant_i(focus_node(c.view, c.store).i, c.store.draw));
}

void Draw_Column_Neglect(PlotContext& c) {
    draw_marker(c, line_of_constant_j(focus_node(c.view, c.store).j, c.store.draw));
}

void Draw_Detail_Neglect(PlotContext& c) {
    const FocusNode n = focus_node(c.view, c.store);
    const DetailScale d = detail_scale(c);
    const int column = detail_column(c, n.i, n.j);
    // The picture's own height: a marker may be drawn long after the layout.
    const double top = (static_cast<double>(c.canvas.height()) - c.plot.frame_bottom) - c.view.magni * 0.04;
    use_pen(c.canvas, kMarkerGrey, PenMode::Xor);
    c.canvas.move_to({column, c.plot.frame_bottom});
    c.canvas.line_to({column, Nearest(top)});
    use_pen(c.canvas, kBlack, PenMode::Copy);
    using namespace messages;
    show_detail_readout(c, d, {kLineReadoutAxisMax, kLineReadoutAxisMin, kLineReadoutSMaxIs, kLineReadoutSMin});
}

}  // namespace ruvo
