#pragma once

#include <QByteArray>
#include <QSize>

#include "export/GrafWriter.h"
#include "plot/PlotContext.h"
#include "plot/Renderer.h"

namespace ruvo {

class Progress;
struct FieldStore;
struct PlotState;
struct View_Info;

// What the GRAF writers read and write: the page and its mapping, the fields
// as the view sees them (its drawing rectangle and data slot), the view's
// mapping (for the arrow thinning and Array_Max), its record and the progress
// bar, which every writer drives.
struct GrafContext {
    GrafWriter& out;
    GrafPage& page;
    ViewFields store;
    PlotState& plot;
    const View_Info& view;
    Progress& progress;
};

// One writer per plot kind. Each selects what it writes by the rules of the
// screen plot of that kind and maps to page units instead of pixels. A writer
// that fails (a value range or scale that cannot be had) says why; what it
// wrote is then to be thrown away.
void GrafGridLines(GrafContext& c);
void GrafGridOutline(GrafContext& c);
PlotOutcome GrafVectors(GrafContext& c);
void GrafArrow(GrafContext& c, double x0, double y0, double x1, double y1, double head_length, double head_width);
PlotOutcome GrafContours(GrafContext& c);
PlotOutcome GrafFill(GrafContext& c);
PlotOutcome GrafKEpsilon(GrafContext& c);
PlotOutcome GrafColumnPlot(GrafContext& c);
PlotOutcome GrafRowPlot(GrafContext& c);
PlotOutcome GrafDetailPlot(GrafContext& c);

struct GrafFileText {
    RenderResult drawn;  // why the view cannot be written (nothing is then)
    QByteArray text;     // the whole file: header, the view's plots, trailer
};

// The GRAF file of `view` whose image is `image` large, laid out as its
// picture was drawn (the fixed layout when `fixed_size`): the plot of its
// kind, the fill and contour lines drawn together, the arrows over a contour
// or fill view, the grid and the area outline.
GrafFileText graf_file_text(const FieldStore& store, View_Info& view, bool fixed_size, QSize image, Progress& progress);

}  // namespace ruvo
