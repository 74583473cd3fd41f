#include "view/Geometry.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "view/BarLimits.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
QString real_text(double value) { return QString::number(value, 'g', 15); }

// Extremes, extents and origin of the drawing rectangle: the first steps of
// both layouts.
GeometryFailure measure_grid(PlotState& plot, const ViewFields& store) {
    const DrawRect& r = store.draw;
    if (!store.fields.node_range().holds(r)) return GeometryFailure::EmptyArea;
    std::tie(plot.area_x_min, plot.area_x_max) = plot.Array_Extremes(store.grid_x, r);
    std::tie(plot.area_y_min, plot.area_y_max) = plot.Array_Extremes(store.grid_y, r);
    plot.origin_x = -plot.area_x_min;
    plot.origin_y = -plot.area_y_min;
    plot.differ_x = std::abs(plot.area_x_max - plot.area_x_min);
    plot.differ_y = std::abs(plot.area_y_max - plot.area_y_min);
    plot.grid_max_extent = plot.differ_x > plot.differ_y ? plot.differ_x : plot.differ_y;
    if (!std::isfinite(plot.differ_x) || !std::isfinite(plot.differ_y)) return GeometryFailure::BadExtent;
    if (plot.differ_x == 0.0 || plot.differ_y == 0.0) return GeometryFailure::ZeroExtent;
    return GeometryFailure::None;
}

GeometryFailure check_image_size(double width, double height) {
    if (!(height < kMaxImageSide) || !(width < kMaxImageSide) || width * height > double(kMaxImagePixels)) {
        return GeometryFailure::ImageTooLarge;
    }
    if (Nearest(height) < 1 || Nearest(width) < 1) return GeometryFailure::ImageTooSmall;
    return GeometryFailure::None;
}

// dx and dy of a layout whose plot area starts `left_margin` pixels from the
// left and `bottom_margin` pixels from the bottom of the image, once the
// scales are set; and the plot area's own corner (frame_left, frame_bottom).
GeometryFailure place_origin(PlotState& plot, double left_margin, double bottom_margin) {
    const double column = plot.x_scale * plot.origin_x + left_margin;
    const double row = plot.y_scale * plot.origin_y + bottom_margin;
    for (const double offset : {column, row, plot.x_scale * plot.area_x_min, plot.x_scale * plot.area_x_max,
                                plot.y_scale * plot.area_y_min, plot.y_scale * plot.area_y_max}) {
        if (!(std::abs(offset) <= kMaxPixelOffset)) return GeometryFailure::FarFromOrigin;
    }
    plot.dx = Nearest(column);
    plot.dy = plot.height - Nearest(row);
    plot.frame_left = Nearest(left_margin);
    plot.frame_bottom = plot.height - Nearest(bottom_margin);
    return GeometryFailure::None;
}

double ratio_of(const PlotState& measured) { return measured.differ_y / measured.differ_x; }

void store_mapping(const PlotState& plot, View_Info& view) {
    view.drawn_magni = plot.magnification;
    view.x_scale = plot.x_scale;
    view.y_scale = plot.y_scale;
    view.x_scale_y = plot.x_scale_y;
    view.dx = plot.dx;
    view.dy = plot.dy;
    view.frame_left = plot.frame_left;
    view.frame_bottom = plot.frame_bottom;
    view.origin_y = plot.origin_y;
}
}  // namespace

void DiagnosticLog::append(const QString& line) {
    if (lines_.size() >= kMaxLines) lines_.remove(0, lines_.size() - kMaxLines + 1);
    lines_.append(line);
}

double PlotState::Array_Max(const Table& table, const DrawRect& rect) {
    const Extreme found = array_max(table, rect);
    if (found.found) max_i = found.i, max_j = found.j;
    return found.value;
}

double PlotState::Array_Min(const Table& table, const DrawRect& rect) {
    const Extreme found = array_min(table, rect);
    if (found.found) min_i = found.i, min_j = found.j;
    return found.value;
}

std::pair<double, double> PlotState::Array_Extremes(const Table& table, const DrawRect& rect) {
    const ExtremePair found = array_extremes(table, rect);
    if (found.min.found) min_i = found.min.i, min_j = found.min.j;
    if (found.max.found) max_i = found.max.i, max_j = found.max.j;
    return {found.min.value, found.max.value};
}

GeometryFailure Set_View_Geometry(PlotState& plot, const ViewFields& store, View_Info& view, int magnification_bar) {
    plot.magnification = kMagnificationBar.clamped(magnification_bar);
    if (const auto failure = measure_grid(plot, store); failure != GeometryFailure::None) return failure;

    if (!view.ratio_fixed) view.ratio = ratio_of(plot);
    const double width = plot.magnification * 500 * 0.01;
    const double height = plot.magnification * (view.ratio * 500) * 0.01;
    if (const auto failure = check_image_size(width, height); failure != GeometryFailure::None) return failure;
    const int w = Nearest(width);
    const int h = Nearest(height);
    plot.width = w;
    plot.height = h;

    plot.x_scale = w * 0.9 / plot.differ_x;
    plot.y_scale = h * 0.9 / plot.differ_y;
    plot.x_scale_y = w * 0.9 / plot.differ_y;
    if (const auto failure = place_origin(plot, w * 0.05, h * 0.05); failure != GeometryFailure::None) {
        return failure;
    }
    store_mapping(plot, view);

    plot.memo2.append(QStringLiteral("Width=%1").arg(w));
    plot.memo2.append(QStringLiteral("Height=%1").arg(h));
    plot.memo2.append(
        QStringLiteral("differ_x=%1 differ_y=%2").arg(real_text(plot.differ_x), real_text(plot.differ_y)));
    plot.memo2.append(
        QStringLiteral("origin_x=%1 origin_y=%2").arg(real_text(plot.origin_x), real_text(plot.origin_y)));
    plot.memo2.append(QStringLiteral("dx      =%1 dy      =%2").arg(plot.dx).arg(plot.dy));
    plot.memo2.append(QStringLiteral("x_scale=%1 y_scale=%2").arg(real_text(plot.x_scale), real_text(plot.y_scale)));
    return GeometryFailure::None;
}

std::optional<double> natural_ratio(const ViewFields& store) {
    PlotState measured;
    if (measure_grid(measured, store) != GeometryFailure::None) return std::nullopt;
    return ratio_of(measured);
}

GeometryFailure Set_Fixed_Geometry(PlotState& plot, const ViewFields& store, View_Info& view) {
    plot.magnification = 100;
    if (const auto failure = measure_grid(plot, store); failure != GeometryFailure::None) return failure;
    plot.width = 640;
    plot.height = 480;
    const double r = ratio_of(plot);
    const double bw = 0.8 * plot.width;
    const double bh = 0.8 * plot.height;
    if (r > bh / bw) {
        plot.x_scale = (bh / r) / plot.differ_x;
        plot.y_scale = bh / plot.differ_y;
        plot.x_scale_y = (bh / r) / plot.differ_y;
    } else {
        plot.x_scale = bw / plot.differ_x;
        plot.y_scale = (r * bw) / plot.differ_y;
        plot.x_scale_y = bw / plot.differ_y;
    }
    if (const auto failure = place_origin(plot, plot.width * 0.1, plot.height * 0.2);
        failure != GeometryFailure::None) {
        return failure;
    }
    store_mapping(plot, view);
    return GeometryFailure::None;
}

PlotState mapping_of(const View_Info& view) {
    PlotState plot;
    plot.x_scale = view.x_scale;
    plot.y_scale = view.y_scale;
    plot.x_scale_y = view.x_scale_y;
    plot.dx = view.dx;
    plot.dy = view.dy;
    plot.frame_left = view.frame_left;
    plot.frame_bottom = view.frame_bottom;
    plot.origin_y = view.origin_y;
    return plot;
}

QPointF grid_point_at(const PlotState& plot, QPointF pixel) {
    return {(pixel.x() - plot.dx) / plot.x_scale, (plot.dy - pixel.y()) / plot.y_scale};
}

QString geometry_failure_text(GeometryFailure failure) {
    switch (failure) {
    case GeometryFailure::None: return {};
    case GeometryFailure::EmptyArea: return QStringLiteral("the area to draw holds no grid node");
    case GeometryFailure::ZeroExtent:
        return QStringLiteral("all grid coordinates of the area are equal in x or in y, so it has no extent to draw");
    case GeometryFailure::BadExtent: return QStringLiteral("the grid coordinates of the area are too large to draw");
    case GeometryFailure::ImageTooLarge: return QStringLiteral("the aspect ratio asks for an image too large to draw");
    case GeometryFailure::ImageTooSmall: return QStringLiteral("the aspect ratio leaves the image no height");
    case GeometryFailure::FarFromOrigin:
        return QStringLiteral("the grid lies too far from the origin for its extent to be drawn");
    }
    return {};
}

}  // namespace ruvo
