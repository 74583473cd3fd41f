#pragma once

#include <climits>
#include <cmath>

namespace ruvo {

// Rounds to the nearest integer, halves to the even neighbour. Values beyond
// the int range saturate and NaN gives 0: no double is ever cast to an int
// any other way, since such a cast is undefined behaviour.
inline int Nearest(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);  // default mode: ties to even
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(rounded);
}

// Truncation toward zero with the same saturation (colour indexes, font sizes).
inline int Truncate(double value) {
    if (std::isnan(value)) return 0;
    const double truncated = std::trunc(value);
    if (truncated >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (truncated <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(truncated);
}

}  // namespace ruvo
