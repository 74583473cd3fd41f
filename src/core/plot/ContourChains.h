#pragma once

#include <QPointF>

#include <vector>

#include "plot/ContourCells.h"

namespace ruvo {

using ContourChain = std::vector<QPointF>;

// A level's segments joined end to end into polylines, each segment used
// once, in grid coordinates. Neighbouring cells compute the crossing point of
// their common edge alike, so segments meet at exactly equal points. Where
// more than two ends meet (a saddle), a chain goes on along any one of them
// and the others start chains of their own.
std::vector<ContourChain> join_segments(const std::vector<ContourSegment>& segments);

}  // namespace ruvo
