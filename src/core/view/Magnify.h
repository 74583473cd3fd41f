#pragma once

#include <algorithm>

#include "plot/Nearest.h"

namespace ruvo {

inline constexpr int kMinMagnification = 100;
inline constexpr int kMaxMagnification = 800;

// The magnify buttons: the whole part of the bar's position times 1.2 (up)
// or 0.8 (down and whole view), kept within the bar's range.
inline int magnify_up(int position) {
    return std::clamp(Truncate(position * 1.2), kMinMagnification, kMaxMagnification);
}
inline int magnify_down(int position) {
    return std::clamp(Truncate(position * 0.8), kMinMagnification, kMaxMagnification);
}

}  // namespace ruvo
