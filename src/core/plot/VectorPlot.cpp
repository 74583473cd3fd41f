#include "plot/VectorPlot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "Workspace.h"
#include "plot/Canvas.h"
#include "view/NodePixels.h"
#include "plot/Progress.h"
#include "view/Geometry.h"

namespace ruvo {

namespace {
constexpr double kMagnitudeStart = -2.9E-38;
constexpr double kGapStart = -1.7E38;
// A rectangle one line wide has no neighbour to crowd its line: it is always drawn.
constexpr double kLoneLineGap = std::numeric_limits<double>::infinity();

// Widest gap, in grid units, between each line of the rectangle and the next
// one, taken across the rectangle; indexed by line.
using LineGaps = std::vector<double>;

// `coordinate(line, across)` is the coordinate that the lines are spaced in.
// The last line's neighbour may be missing from the grid or lie beyond the
// tables, so it takes the gap of the line before.
template <class Coordinate>
LineGaps line_gaps(int first, int last, int across_first, int across_last, Coordinate coordinate) {
    LineGaps gaps(static_cast<std::size_t>(last) + 1);
    for (int line = first; line < last; ++line) {
        double widest = kGapStart;
        for (int m = across_first; m <= across_last; ++m) {
            const double gap = std::abs(coordinate(line + 1, m) - coordinate(line, m));
            if (gap > widest) widest = gap;
        }
        gaps[static_cast<std::size_t>(line)] = widest;
    }
    gaps[static_cast<std::size_t>(last)] = last > first ? gaps[static_cast<std::size_t>(last - 1)] : kLoneLineGap;
    return gaps;
}

// Grid mode: line `counter` of the loop stands for line start + (counter - start) x step.
int grid_line(int start, int counter, int step) { return start + (counter - start) * step; }

// Dot mode: a line is drawn when its gap, or the spacing skipped since the
// last arrow, exceeds the dot step; otherwise its gap counts as skipped.
bool dot_line_kept(int dot_step, double gap_pixels, double& skipped) {
    if (dot_step < gap_pixels || dot_step < skipped) return true;
    skipped += gap_pixels;
    return false;
}

// A step below 1 counts as 1. Steps beyond the rectangle's `lines` all keep
// only the first line, and the clamp keeps the line arithmetic far from overflow.
int sane_step(int step, int lines) { return std::clamp(step, 1, std::max(lines, 1)); }
}  // namespace

// Without the overflow of u^2 + v^2: any vector of finite components whose
// length is a double has it. Where neither square can overflow or lose
// digits to underflow, the plain square root is used: hypot takes several
// times as long, and every drawn arrow needs two lengths.
double vector_magnitude(double u, double v) {
    const double larger = std::max(std::abs(u), std::abs(v));
    if (larger < 1E150 && std::min(std::abs(u), std::abs(v)) > 1E-150) return std::sqrt(u * u + v * v);
    return std::hypot(u, v);
}

namespace {
// Whether the magnitude of (u, v) is surely below `largest` > 0, told from
// u^2 + v^2 without the slow hypot: away from overflow and underflow the
// square root of that sum is within a few units in the last place of the
// magnitude, far inside the margin taken here.
bool surely_below(double u, double v, double largest) {
    const double square = u * u + v * v;
    return largest > 0.0 && square > 1E-300 && square < 1E300 && square < largest * largest * (1.0 - 1E-9);
}
}  // namespace

double max_vector_magnitude(const VectorSlot& vectors, const DrawRect& rect) {
    double largest = kMagnitudeStart;
    if (!rect.ordered()) return largest;
    // The largest is the same in any order: the tables' own is the quickest.
    for (int i = rect.x_start; i <= rect.x_end; ++i) {
        for (int j = rect.y_start; j <= rect.y_end; ++j) {
            const double u = vectors.u(i, j), v = vectors.v(i, j);
            if (surely_below(u, v, largest)) continue;
            const double m = vector_magnitude(u, v);
            if (m > largest) largest = m;
        }
    }
    return largest;
}

std::optional<double> arrow_scale_for(double grid_max_extent, double max_magnitude, int length) {
    if (!(max_magnitude > 0.0) || !std::isfinite(max_magnitude)) return std::nullopt;
    const double scale = grid_max_extent / max_magnitude * length * 0.01;
    if (!std::isfinite(scale)) return std::nullopt;
    return scale;
}

PlotOutcome arrow_scale(const VectorSlot& vectors, const DrawRect& rect, double grid_max_extent, int length,
                        double& scale) {
    const double max_magnitude = max_vector_magnitude(vectors, rect);
    if (const std::optional<double> found = arrow_scale_for(grid_max_extent, max_magnitude, length)) {
        scale = *found;
        return {};
    }
    // Only a field without a vector to scale points to a file read wrongly;
    // any other field is fine and merely beyond what arrows can show.
    if (!(max_magnitude > 0.0)) {
        return {
            PlotFailure::AllZeroVectors,
            QStringLiteral("%1: the arrows cannot be scaled: every vector of the area is zero").arg(vectors.file_name)};
    }
    return {PlotFailure::Numeric,
            QStringLiteral("%1: the arrows cannot be scaled: the grid's extent %2 over the largest vector "
                           "magnitude %3 is beyond the range of numbers")
                .arg(vectors.file_name)
                .arg(grid_max_extent, 0, 'g', 6)
                .arg(max_magnitude, 0, 'g', 6)};
}

ArrowThinning arrow_thinning(const View_Info& view, const PlotState& plot) {
    return {view.x_grid_mode, view.y_grid_mode, view.x_grid_step, view.y_grid_step,
            view.x_dot_step,  view.y_dot_step,  plot.x_scale,     plot.y_scale};
}

void visit_arrow_nodes(const ViewFields& store, const VectorSlot& vectors, const ArrowThinning& thinning,
                       Progress& progress, const std::function<void(int ii, int jj)>& arrow) {
    const DrawRect& r = store.draw;
    if (!r.ordered()) return;
    const int x_step = sane_step(thinning.x_grid_step, r.x_end - r.x_start + 1);
    const int y_step = sane_step(thinning.y_grid_step, r.y_end - r.y_start + 1);
    // Only the dot mode spaces arrows by the gaps between lines.
    const LineGaps column_gaps = thinning.x_grid_mode ? LineGaps{}
                                                      : line_gaps(r.x_start, r.x_end, r.y_start, r.y_end,
                                                                  [&](int i, int j) { return store.grid_x(i, j); });
    const LineGaps row_gaps = thinning.y_grid_mode ? LineGaps{}
                                                   : line_gaps(r.y_start, r.y_end, r.x_start, r.x_end,
                                                               [&](int j, int i) { return store.grid_y(i, j); });
    progress.set_maximum(r.y_end);
    progress.set_step(thinning.y_grid_mode ? y_step : 1);

    // Pixels skipped since the last arrow; only a drawn arrow zeroes them.
    double skipped_x = 0.0;
    double skipped_y = 0.0;
    for (int j = r.y_start; j <= r.y_end; ++j) {
        int jj = j;
        if (thinning.y_grid_mode) {
            jj = grid_line(r.y_start, j, y_step);
            if (jj > r.y_end) break;
        } else if (!dot_line_kept(thinning.y_dot_step, thinning.y_scale * row_gaps[static_cast<std::size_t>(jj)],
                                  skipped_y)) {
            progress.step();
            continue;
        }
        for (int i = r.x_start; i <= r.x_end; ++i) {
            int ii = i;
            if (thinning.x_grid_mode) {
                ii = grid_line(r.x_start, i, x_step);
                if (ii > r.x_end) break;
            } else if (!dot_line_kept(thinning.x_dot_step, thinning.x_scale * column_gaps[static_cast<std::size_t>(ii)],
                                      skipped_x)) {
                continue;
            }
            if (vectors.u(ii, jj) == 0.0 || vectors.v(ii, jj) == 0.0) continue;
            arrow(ii, jj);
            skipped_x = 0.0;
            skipped_y = 0.0;
        }
        progress.step();
    }
    progress.set_position(0);
}

ArrowGeometry arrow_geometry(QPointF tail, QPointF tip, double w, double s, double magnification) {
    // The barbs are the shaft's own direction turned back and to the sides:
    // no angle is needed (the arrows of a view are most of its drawing time).
    const QPointF shaft = tip - tail;
    const double length = vector_magnitude(shaft.x(), shaft.y());
    const QPointF along = length > 0.0 && std::isfinite(length) ? shaft / length : QPointF(1.0, 0.0);
    const QPointF left(-along.y(), along.x());
    const double scale = magnification * 0.01;
    const QPointF back = scale * s * along;
    const QPointF side = scale * 0.5 * w * left;
    return {tail, tip, tip - back + side, tip - back - side};
}

namespace {
// An arrow in pixels: its tail, its tip and the ends of its two barbs.
using ArrowPixels = std::array<QPoint, 4>;

ArrowPixels arrow_pixels(const PlotState& plot, double x0, double y0, double x1, double y1, double w, double s) {
    const ArrowGeometry arrow = arrow_geometry({x0, y0}, {x1, y1}, w, s, plot.magnification);
    return {plot.pixel(arrow.tail), plot.pixel(arrow.tip), plot.pixel(arrow.barb1), plot.pixel(arrow.barb2)};
}

// Where the rectangle has more nodes than the picture has pixels, arrows lie
// far closer than a pixel apart and most of them only blacken what the ones
// before have drawn: each pixel then shows the first arrow whose tail lies on
// it, and the later ones there are left out.
class TailPixels {
public:
    TailPixels(const DrawRect& r, const PlotState& plot)
        : width_(plot.width), height_(plot.height), thinning_(nodes_outnumber_pixels(r, plot)) {
        if (thinning_) taken_.assign(std::size_t(width_) * std::size_t(height_), false);
    }

    // Whether the arrow from `tail` is drawn; it takes the pixel if so.
    bool take(QPoint tail) {
        if (!thinning_ || tail.x() < 0 || tail.y() < 0 || tail.x() >= width_ || tail.y() >= height_) return true;
        const std::size_t at = std::size_t(tail.y()) * std::size_t(width_) + std::size_t(tail.x());
        if (taken_[at]) return false;
        taken_[at] = true;
        return true;
    }

private:
    int width_;
    int height_;
    bool thinning_;
    std::vector<bool> taken_;
};

void draw_arrow_pixels(Canvas& canvas, const ArrowPixels& arrow) {
    const auto [tail, tip, barb1, barb2] = arrow;
    canvas.move_to(tail);
    canvas.line_to(tip);
    canvas.move_to(tip);
    canvas.line_to(barb1);
    canvas.move_to(tip);
    canvas.line_to(barb2);
}
}  // namespace

void Draw_Arrow(PlotContext& context, double x0, double y0, double x1, double y1, double w, double s) {
    draw_arrow_pixels(context.canvas, arrow_pixels(context.plot, x0, y0, x1, y1, w, s));
}

PlotOutcome Draw_Vectors(PlotContext& context) {
    const ViewFields& store = context.store;
    if (!store.current_data_valid()) return {PlotFailure::AllZeroVectors, QStringLiteral("no vector slot is selected")};
    const VectorSlot& vectors = store.current_vectors();
    const View_Info& view = context.view;
    Canvas& canvas = context.canvas;
    canvas.set_pen_colour(qRgb(0, 0, 0));
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_width(1);
    canvas.set_pen_mode(PenMode::Copy);

    double scale = 0.0;
    if (const PlotOutcome scaled = arrow_scale(vectors, store.draw, context.plot.grid_max_extent, view.length, scale);
        !scaled.ok()) {
        return scaled;
    }
    // One pen paints every arrow: on a raster, an arrow on the very pixels of
    // the one before (neighbours within a pixel, where nodes are many) adds nothing.
    std::optional<ArrowPixels> last;
    TailPixels tails(store.draw, context.plot);
    const NodePixels& pixels = context.plot.node_pixels(store);
    visit_arrow_nodes(store, vectors, arrow_thinning(view, context.plot), context.progress, [&](int ii, int jj) {
        if (!tails.take(pixels(ii, jj))) return;
        const double u = vectors.u(ii, jj);
        const double v = vectors.v(ii, jj);
        const double length = scale * vector_magnitude(u, v);
        const double x0 = store.grid_x(ii, jj);
        const double y0 = store.grid_y(ii, jj);
        const ArrowPixels arrow = arrow_pixels(context.plot, x0, y0, x0 + scale * u, y0 + scale * v,
                                               view.arrow_width * length, view.arrow_span * length);
        if (canvas.leaves_out_hidden() && arrow == last) return;
        draw_arrow_pixels(canvas, arrow);
        last = arrow;
    });
    return {};
}

}  // namespace ruvo
