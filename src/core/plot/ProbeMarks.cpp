#include "plot/ProbeMarks.h"

#include <algorithm>

#include "data/FieldStore.h"
#include "plot/RasterCanvas.h"
#include "view/Geometry.h"

namespace ruvo {

namespace {

constexpr QRgb kMarkerColour = qRgb(255, 0, 0);
constexpr int kDotWidth = 5;

void use_marker_pen(Canvas& canvas, int width) {
    canvas.set_pen_colour(kMarkerColour);
    canvas.set_pen_width(width);
    canvas.set_pen_style(PenStyle::Solid);
    canvas.set_pen_mode(PenMode::NotXor);
}

// One polyline through the nodes from `from` to `to`, which lie on one grid
// line, `to` at the larger index; returns the rectangle of its pixels.
QRect grid_polyline(Canvas& canvas, const FieldStore& store, const PlotState& plot, ProbeNode from, ProbeNode to) {
    QPoint p = plot.node_pixel(store, from.i, from.j);
    QRect pixels(p, p);
    canvas.move_to(p);
    const bool along_i = to.i > from.i;
    const int steps = (to.i - from.i) + (to.j - from.j);
    for (int k = 1; k <= steps; ++k) {
        p = along_i ? plot.node_pixel(store, from.i + k, from.j) : plot.node_pixel(store, from.i, from.j + k);
        canvas.line_to(p);
        pixels |= QRect(p, p);
    }
    return pixels;
}

}  // namespace

QRect Toggle_Dot(Canvas& canvas, const FieldStore& store, const PlotState& plot, ProbeNode node) {
    use_marker_pen(canvas, kDotWidth);
    const QPoint p = plot.node_pixel(store, node.i, node.j);
    canvas.move_to(p);
    canvas.line_to(p);
    constexpr int reach = kDotWidth / 2;
    return QRect(p - QPoint(reach, reach), p + QPoint(reach, reach));
}

std::array<QRect, 4> Draw_Band(Canvas& canvas, const FieldStore& store, const PlotState& plot, ProbeNode a,
                               ProbeNode b) {
    use_marker_pen(canvas, 1);
    const int i_lo = std::min(a.i, b.i);
    const int i_hi = std::max(a.i, b.i);
    const int j_lo = std::min(a.j, b.j);
    const int j_hi = std::max(a.j, b.j);
    return {grid_polyline(canvas, store, plot, {i_lo, j_lo}, {i_hi, j_lo}),
            grid_polyline(canvas, store, plot, {i_lo, j_hi}, {i_hi, j_hi}),
            grid_polyline(canvas, store, plot, {i_lo, j_lo}, {i_lo, j_hi}),
            grid_polyline(canvas, store, plot, {i_hi, j_lo}, {i_hi, j_hi})};
}

std::vector<QRect> draw_probe_marks(QImage& picture, const FieldStore& store, const PlotState& plot,
                                    const std::vector<ProbeMark>& marks) {
    std::vector<QRect> changed;
    if (marks.empty()) return changed;
    RasterCanvas canvas(picture);
    for (const ProbeMark& mark : marks) {
        if (mark.kind == ProbeMark::Kind::Dot) {
            changed.push_back(Toggle_Dot(canvas, store, plot, mark.from));
        } else {
            for (const QRect& line : Draw_Band(canvas, store, plot, mark.from, mark.to)) changed.push_back(line);
        }
    }
    return changed;
}

}  // namespace ruvo
