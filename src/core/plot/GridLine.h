#pragma once

#include "data/FieldStore.h"

namespace ruvo {

// The nodes of one grid line over the drawing rectangle: constant i running
// over j, or constant j running over i.
struct GridLine {
    bool constant_i = true;
    int fixed = 1;
    int first = 1;
    int last = 0;
    int i(int k) const { return constant_i ? fixed : k; }
    int j(int k) const { return constant_i ? k : fixed; }
};

inline GridLine line_of_constant_i(int i, const DrawRect& r) { return {true, i, r.y_start, r.y_end}; }
inline GridLine line_of_constant_j(int j, const DrawRect& r) { return {false, j, r.x_start, r.x_end}; }

}  // namespace ruvo
