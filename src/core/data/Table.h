#pragma once

#include <array>
#include <cassert>
#include <cstdlib>
#include <memory>
#include <new>

namespace ruvo {

// Largest number of nodes in either direction; result files index 0..149.
inline constexpr int kMaxNodes = 150;

// One 150 x 150 table of reals, indexed from 1 in both directions, i first.
// The values live on the heap, allocated once when the table is made, so a
// Workspace of some thirty tables never sits on a stack. The memory comes
// zeroed from the system and is touched only where values are written: a
// program that reads one small grid does not fault in and clear the 6 MB of
// all its tables.
class Table {
public:
    Table() : values_(static_cast<Values*>(std::calloc(1, sizeof(Values)))) {
        if (!values_) throw std::bad_alloc();
    }

    double& operator()(int i, int j) {
        written_ = true;
        return values_->at_unchecked(i, j);
    }
    double operator()(int i, int j) const { return values_->at_unchecked(i, j); }

    void clear() {
        if (!written_) return;
        values_->cells.fill(0.0);
        written_ = false;
    }

private:
    struct Values {
        std::array<double, kMaxNodes * kMaxNodes> cells;
        double& at_unchecked(int i, int j) {
            assert(i >= 1 && i <= kMaxNodes && j >= 1 && j <= kMaxNodes);
            return cells[static_cast<std::size_t>(i - 1) * kMaxNodes + static_cast<std::size_t>(j - 1)];
        }
    };
    struct Release {
        void operator()(Values* values) const { std::free(values); }
    };
    std::unique_ptr<Values, Release> values_;
    bool written_ = false;  // a value may be other than 0
};

// Flags of lines 1..150 (index 0 unused).
using LineFlags = std::array<bool, kMaxNodes + 1>;

}  // namespace ruvo
