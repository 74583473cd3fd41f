#pragma once

#include <climits>
#include <cmath>

namespace ruvo {

// Rounds to the nearest integer, halves to the even neighbour. Values beyond
// the int range saturate and NaN gives 0: no double is ever cast to an int
// any other way, since such a cast is undefined behaviour.
inline int Nearest(double value) {
    // Within the int range, adding and taking away 1.5 x 2^52 rounds exactly
    // as nearbyint does in the default mode, ties to even, without its call:
    // the pixels of every node of a picture pass through here.
    constexpr double kRoundingShift = 6755399441055744.0;
    if (std::abs(value) < static_cast<double>(INT_MAX)) {
        const double shifted = value + kRoundingShift;
        return static_cast<int>(shifted - kRoundingShift);
    }
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);  // default mode: ties to even
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(rounded);
}

// Nearest over the long long range, for page coordinates: far from the
// origin a grid's page position is the difference of two terms each beyond
// the int range, though the page itself is small.
inline long long NearestWide(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (rounded >= kTwoTo63) return LLONG_MAX;
    if (rounded <= -kTwoTo63) return LLONG_MIN;
    return static_cast<long long>(rounded);
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
