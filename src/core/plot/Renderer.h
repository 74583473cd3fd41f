#pragma once

#include <optional>

#include <QImage>
#include <QString>

#include "plot/Geometry.h"
#include "plot/PlotContext.h"

namespace ruvo {

class Progress;
class StatusBoxes;
struct Workspace;

enum class RenderFailure {
    None,
    Geometry,        // the area cannot be laid out (zero extent, empty area, ...)
    Numeric,         // a value would make the plot divide by zero or overflow
    AllZeroVectors,  // no arrow can be scaled: the vector file was not read correctly
};

struct RenderResult {
    RenderFailure failure = RenderFailure::None;
    QString reason;  // plain words on what stopped the drawing
    bool ok() const { return failure == RenderFailure::None; }
};

RenderResult result_of(const PlotOutcome& outcome);

// Lays out the view in `slot` (activated) onto `plot`: the normal layout at
// `magnification` (by default the one the view is drawn at now), or the
// fixed one of follow mode.
GeometryFailure lay_out_view(Workspace& ws, int slot, PlotState& plot, std::optional<int> magnification = {});

// Redraws the view in `slot` onto `image` in the dispatcher's order: a new
// blank image, the layout, the plot of the view's kind, the area frame, the
// overlaps and overlays. A view that cannot be drawn keeps what was drawn so
// far and says why. The line plots write their read-outs to `status`.
RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes& status);

// Lays out the view in `slot` again and draws the grid over the picture it
// has, without clearing it (turning the grid overlay on).
RenderResult render_grid_over(Workspace& ws, int slot, QImage& image, Progress& progress);

}  // namespace ruvo
