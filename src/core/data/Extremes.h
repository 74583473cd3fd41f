#pragma once

#include <limits>

#include "data/FieldStore.h"

namespace ruvo {

// Largest or smallest element of a table over a rectangle, scanning j outer
// and i inner, replacing only on a strictly greater (smaller) element, so the
// first extreme in scan order wins. When nothing replaces the start value
// (an empty rectangle) `found` is false and the start value is returned.
// The scans start beyond every finite value, so any value a reader accepts
// is found.
struct Extreme {
    double value = 0.0;
    int i = 0;
    int j = 0;
    bool found = false;
};

inline constexpr double kArrayMinStart = std::numeric_limits<double>::max();
inline constexpr double kArrayMaxStart = -std::numeric_limits<double>::max();

Extreme array_max(const Table& table, const DrawRect& rect);
Extreme array_min(const Table& table, const DrawRect& rect);

// Both scans in one pass through the table.
struct ExtremePair {
    Extreme min;
    Extreme max;
};
ExtremePair array_extremes(const Table& table, const DrawRect& rect);

// The same scans restricted to elements strictly above `floor` (below
// `ceiling`): the next distinct value beyond one end of a range.
Extreme array_min_above(const Table& table, const DrawRect& rect, double floor);
Extreme array_max_below(const Table& table, const DrawRect& rect, double ceiling);

}  // namespace ruvo
