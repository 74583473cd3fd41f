#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <memory>

namespace ruvo {

// Largest number of nodes in either direction; result files index 0..149.
inline constexpr int kMaxNodes = 150;

// One 150 x 150 table of reals, indexed from 1 in both directions, i first.
// The values live on the heap, allocated once when the table is made, so a
// Workspace of some thirty tables never sits on a stack.
class Table {
public:
    Table() : values_(std::make_unique<Values>()) { clear(); }

    double& operator()(int i, int j) { return values_->at_unchecked(i, j); }
    double operator()(int i, int j) const { return values_->at_unchecked(i, j); }

    void clear() { values_->cells.fill(0.0); }

private:
    struct Values {
        std::array<double, kMaxNodes * kMaxNodes> cells;
        double& at_unchecked(int i, int j) {
            assert(i >= 1 && i <= kMaxNodes && j >= 1 && j <= kMaxNodes);
            return cells[static_cast<std::size_t>((i - 1) * kMaxNodes + (j - 1))];
        }
    };
    std::unique_ptr<Values> values_;
};

// Flags of lines 1..150 (index 0 unused).
using LineFlags = std::array<bool, kMaxNodes + 1>;

}  // namespace ruvo
