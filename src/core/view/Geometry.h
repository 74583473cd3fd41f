#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "data/Extremes.h"
#include "data/Nearest.h"
#include "view/ViewFields.h"

namespace ruvo {

struct View_Info;
class NodePixels;

// Pixel coordinates stay well inside what the rasteriser handles; only wild
// data reaches this bound, and such points lie far outside any image.
inline constexpr long long kPixelLimit = 4'000'000;
inline int clamp_pixel(long long value) { return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit)); }

// Keeps the latest diagnostic lines of the plot engine (the hidden dump of
// the main window); old lines are dropped so a long session stays small.
class DiagnosticLog {
public:
    void append(const QString& line);
    void append(const QStringList& lines) {
        for (const QString& line : lines) append(line);
    }
    void clear() { lines_.clear(); }
    const QStringList& lines() const { return lines_; }

private:
    static constexpr int kMaxLines = 500;
    QStringList lines_;
};

// The mapping from grid coordinates to the pixels of the view being drawn,
// recomputed before every redraw.
struct PlotState {
    int magnification = 100;
    // Extremes of grid_x and grid_y over the drawing rectangle.
    double area_x_max = 0.0;
    double area_y_max = 0.0;
    double area_x_min = 0.0;
    double area_y_min = 0.0;
    double differ_x = 0.0;
    double differ_y = 0.0;
    double grid_max_extent = 0.0;
    double origin_x = 0.0;
    double origin_y = 0.0;
    double x_scale = 0.0;
    double y_scale = 0.0;
    double x_scale_y = 0.0;
    int dx = 0;
    int dy = 0;
    // dx and dy as the layout places them for a grid whose lowest x and y are
    // 0: the left and bottom edges of the plot area. The Detail graph is laid
    // out on them, since its axes show values and coordinates of one line, not
    // the grid's place.
    int frame_left = 0;
    int frame_bottom = 0;
    int width = 0;           // W of the image
    int height = 0;          // H of the image
    double range_min = 0.0;  // value range of the scalar plot being drawn
    double range_max = 0.0;
    // The image has been made 20 % taller for a colour legend in this redraw;
    // a second colour plot of the same redraw draws onto it.
    bool colour_raster_ready = false;
    // The rows of the legends drawn so far (bar, ticks and range texts), in
    // the medium's units: the numbers written on the plot keep clear of them.
    std::vector<QRectF> legend_rows;
    int max_i = 0;
    int max_j = 0;
    int min_i = 0;
    int min_j = 0;
    DiagnosticLog memo2;

    // Array_Max / Array_Min over the drawing rectangle; remember where the
    // extreme was found (the indices stay when nothing was found).
    double Array_Max(const Table& table, const DrawRect& rect);
    double Array_Min(const Table& table, const DrawRect& rect);
    // Both in one pass: {min, max}.
    std::pair<double, double> Array_Extremes(const Table& table, const DrawRect& rect);

    // The pixels of the nodes of `fields`' drawing rectangle under this
    // mapping: taken once for all the layers of a picture, and again only
    // when the rectangle, the grid or the mapping has changed.
    const NodePixels& node_pixels(const ViewFields& fields) const;
    mutable std::shared_ptr<const NodePixels> node_pixels_;

    // Inline: every plot maps each of its points through them.
    int PixelX(double x) const { return clamp_pixel(static_cast<long long>(Nearest(x_scale * x)) + dx); }
    int PixelY(double y) const { return clamp_pixel(dy - static_cast<long long>(Nearest(y_scale * y))); }
    QPoint pixel(QPointF p) const { return {PixelX(p.x()), PixelY(p.y())}; }
    // P(i, j): the pixel of grid node (i, j).
    template <typename Fields>
    QPoint node_pixel(const Fields& fields, int i, int j) const {
        return {PixelX(fields.grid_x(i, j)), PixelY(fields.grid_y(i, j))};
    }
};

// Whether the drawing rectangle has more nodes than the picture has pixels:
// then most pixels hold several nodes, and the plots draw what a pixel can
// show (an arrow from each tail pixel, contour levels stroked line by line)
// rather than every node's shape.
inline bool nodes_outnumber_pixels(const DrawRect& r, const PlotState& plot) {
    return double(r.x_end - r.x_start + 1) * double(r.y_end - r.y_start + 1) > double(plot.width) * plot.height;
}

enum class GeometryFailure {
    None,
    EmptyArea,      // the drawing rectangle holds no node
    ZeroExtent,     // all x (or all y) coordinates of the area are equal
    BadExtent,      // the extent is not a finite number
    ImageTooLarge,  // the aspect ratio asks for an image no raster can hold
    ImageTooSmall,  // the image would have no pixel rows
    FarFromOrigin,  // the grid lies too far from the origin for its extent: pixel offsets beyond kMaxPixelOffset
};

// Largest magnitude of the two integer parts of the pixel mapping, the scaled
// coordinate and the offset dx or dy: half the int range, so that their sum
// or difference (a node's pixel) is still an int.
inline constexpr double kMaxPixelOffset = 1'000'000'000;

// Largest side and area of a view's image: far beyond 800 % of any sensible
// grid, well within what a raster can hold.
inline constexpr int kMaxImageSide = 32000;
inline constexpr long long kMaxImagePixels = 160'000'000;

// How a view is laid out: the normal layout at a magnification, or the fixed
// 640 x 480 one of follow mode and sequential conversion.
struct LayoutChoice {
    int magnification = 100;
    bool fixed_size = false;
};

// The mapping a view's record keeps from its last layout, as a PlotState:
// what marks drawn without a redraw, and the probe, map through.
PlotState mapping_of(const View_Info& view);

// The grid point at a point of the picture: the mapping undone, without the
// rounding to whole pixels. The mapping's scales must not be zero.
QPointF grid_point_at(const PlotState& plot, QPointF pixel);

// Normal layout: 500 pixels wide at 100 %, height by the aspect ratio, the
// grid inside a 5 % margin. Stores the mapping (and a computed ratio) into the
// view record. The window fit belongs to the window.
GeometryFailure Set_View_Geometry(PlotState& plot, const ViewFields& store, View_Info& view, int magnification_bar);

// The aspect ratio the normal layout gives the drawing area while the view's
// ratio is not fixed: differ_y / differ_x. None when the area cannot be laid out.
std::optional<double> natural_ratio(const ViewFields& store);

// Fixed 640 x 480 layout of follow mode and sequential conversion.
GeometryFailure Set_Fixed_Geometry(PlotState& plot, const ViewFields& store, View_Info& view);

QString geometry_failure_text(GeometryFailure failure);

}  // namespace ruvo
