#pragma once

#include <QPointF>

#include <functional>
#include <optional>

#include "data/FieldStore.h"
#include "plot/PlotContext.h"

namespace ruvo {

// Arrows of the current vector slot from the grid nodes of the drawing
// rectangle, thinned by grid step or by pixel spacing.
PlotOutcome Draw_Vectors(PlotContext& context);

// One arrow from tail (x0, y0) to tip (x1, y1), grid coordinates, with an open
// two-stroke head of width w and span s (grid units).
void Draw_Arrow(PlotContext& context, double x0, double y0, double x1, double y1, double w, double s);

// The rules below are shared by the screen plot and the GRAF export, which
// map their results to pixels and to page units.

// sqrt(u^2 + v^2), and the largest over the rectangle (-2.9E-38 when it
// holds no node).
double vector_magnitude(double u, double v);
double max_vector_magnitude(const VectorSlot& vectors, const DrawRect& rect);

// Grid units per unit of magnitude that make the longest arrow `length`
// percent of the grid's larger extent. Nothing when no such scale exists: no
// magnitude above 0 (an all-zero field), a magnitude that is not finite, or a
// scale beyond the doubles.
std::optional<double> arrow_scale_for(double grid_max_extent, double max_magnitude, int length);

// The arrow scale of the slot over the rectangle, into `scale`. Fails with
// AllZeroVectors when no vector of the area has a length, and as Numeric
// (naming the file) when the scale is beyond the doubles.
PlotOutcome arrow_scale(const VectorSlot& vectors, const DrawRect& rect, double grid_max_extent, int length,
                        double& scale);

// How arrows are thinned in each direction: every n-th grid line (grid mode)
// or lines at least the dot step apart (dot mode), the spacing measured in
// screen pixels through the scales.
struct ArrowThinning {
    bool x_grid_mode = true;
    bool y_grid_mode = true;
    int x_grid_step = 1;
    int y_grid_step = 1;
    int x_dot_step = 1;
    int y_dot_step = 1;
    double x_scale = 0.0;  // pixels per grid unit
    double y_scale = 0.0;
};

// The view's modes and steps and the current mapping's scales.
ArrowThinning arrow_thinning(const View_Info& view, const PlotState& plot);

// Calls `arrow`(ii, jj) for every node of the drawing rectangle that gets an
// arrow, in drawing order (rows j outer, columns i inner). Nodes whose u or v
// is exactly 0 get none. Drives `progress`: maximum draw_y_end, one step per
// row counter, position 0 at the end.
void visit_arrow_nodes(const ViewFields& store, const VectorSlot& vectors, const ArrowThinning& thinning,
                       Progress& progress, const std::function<void(int ii, int jj)>& arrow);

// An arrow's shaft and the ends of its two barbs, grid coordinates.
struct ArrowGeometry {
    QPointF tail;
    QPointF tip;
    QPointF barb1;  // to the left of the shaft, seen from the tail
    QPointF barb2;  // to the right
};

// At `magnification` 100 the barbs end s back along the shaft and w / 2 to
// either side of it; their length grows with the magnification. Defined for
// every direction, a zero-length arrow included.
ArrowGeometry arrow_geometry(QPointF tail, QPointF tip, double w, double s, double magnification);

}  // namespace ruvo
