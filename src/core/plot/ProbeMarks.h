#pragma once

#include <QImage>
#include <QRect>

#include <array>
#include <vector>

#include "view/Probe.h"

namespace ruvo {

class Canvas;
struct FieldStore;
struct PlotState;

// The marks of the probe and the area selection, drawn in red with the
// not-xor pen: drawing one again leaves the picture as it was, bit for bit.
// Each returns the rectangles of the pixels it touched.

// A round dot of 5 pixels at the node's pixel.
QRect Toggle_Dot(Canvas& canvas, const FieldStore& store, const PlotState& plot, ProbeNode node);

// The outline of the index rectangle spanned by a and b, along the grid
// lines: its lower and upper rows, then its left and right columns, each one
// polyline through the node pixels.
std::array<QRect, 4> Draw_Band(Canvas& canvas, const FieldStore& store, const PlotState& plot, ProbeNode a,
                               ProbeNode b);

// Draws the marks of one probe step on the picture, in their order.
std::vector<QRect> draw_probe_marks(QImage& picture, const FieldStore& store, const PlotState& plot,
                                    const std::vector<ProbeMark>& marks);

}  // namespace ruvo
