#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "plot/PlotContext.h"
#include "view/Geometry.h"

namespace ruvo {

class Canvas;
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
    QString reason;          // plain words on what stopped the drawing
    QStringList layout_log;  // the diagnostic lines of the view's layout
    bool ok() const { return failure == RenderFailure::None; }
};

RenderResult result_of(const PlotOutcome& outcome);

// Lays out `view` onto `plot` as `layout` asks. Of the view's record only its
// mapping copy (and the ratio of a ratio left free) changes.
GeometryFailure lay_out_view(const ViewFields& fields, View_Info& view, LayoutChoice layout, PlotState& plot);

// Draws `view` onto `image` in the dispatcher's order: a new blank image, the
// layout, the plot of the view's kind, the area frame, the overlaps and
// overlays. A view that cannot be drawn keeps what was drawn so far and says
// why. The line plots write their read-outs to `status`. Nothing changes but
// the picture and the view's own record.
RenderResult render_view(const FieldStore& store, View_Info& view, LayoutChoice layout, QImage& image,
                         Progress& progress, StatusBoxes& status);

// Draws `view` as above onto any canvas: the raster of a picture or the
// shapes of a vector file.
RenderResult render_view(const FieldStore& store, View_Info& view, LayoutChoice layout, Canvas& canvas,
                         Progress& progress, StatusBoxes& status);

// The view in `slot` of `ws`, laid out as the workspace draws it; the
// layout's diagnostic lines join the workspace's log.
RenderResult render_view(Workspace& ws, int slot, QImage& image, Progress& progress, StatusBoxes& status);

// Lays out `view` again and draws the grid over the picture it has, without
// clearing it (turning the grid overlay on).
RenderResult render_grid_over(const FieldStore& store, View_Info& view, LayoutChoice layout, QImage& image,
                              Progress& progress);

}  // namespace ruvo
