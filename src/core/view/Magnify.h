#pragma once

#include "data/Nearest.h"
#include "view/BarLimits.h"

namespace ruvo {

// The magnify buttons: the whole part of the bar's position times 1.2 (up)
// or 0.8 (down and whole view), kept within the bar's range.
inline int magnify_up(int position) { return kMagnificationBar.clamped(Truncate(position * 1.2)); }
inline int magnify_down(int position) { return kMagnificationBar.clamped(Truncate(position * 0.8)); }

}  // namespace ruvo
