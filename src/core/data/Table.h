#pragma once

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace ruvo {

// Indices 1..150 in both directions address every table, whatever it holds:
// where no file gave a value a table reads 0. A file of more nodes widens the
// range of its own tables to its header's.
inline constexpr int kBaseNodes = 150;

// Reals that read 0 until written, taken from the system. A large block is
// mapped in huge pages where the system lends them: filling a table of a
// million nodes then costs a few page faults instead of thousands.
class ZeroedValues {
public:
    ZeroedValues() = default;
    explicit ZeroedValues(std::size_t count);
    ZeroedValues(ZeroedValues&& other) noexcept { *this = std::move(other); }
    ZeroedValues& operator=(ZeroedValues&& other) noexcept {
        release();
        values_ = std::exchange(other.values_, nullptr);
        mapped_bytes_ = std::exchange(other.mapped_bytes_, 0);
        return *this;
    }
    ~ZeroedValues() { release(); }

    double* get() const { return values_; }
    explicit operator bool() const { return values_ != nullptr; }
    void reset() { release(); }

private:
    void release();

    double* values_ = nullptr;
    std::size_t mapped_bytes_ = 0;  // 0: from calloc
};

// A table of reals indexed from 1 in both directions, i first, as large as
// the file that filled it. Reading outside it gives 0, as reading a fresh
// table does. Its memory comes zeroed from the system when a file is read
// into it and is touched only where values are written, and an empty table
// holds none: a program that reads one small grid keeps no memory for the
// slots it never fills.
class Table {
public:
    Table() = default;
    Table(Table&& other) noexcept { *this = std::move(other); }
    // Takes the other's values and leaves it empty.
    Table& operator=(Table&& other) noexcept {
        values_ = std::move(other.values_);
        i_max_ = std::exchange(other.i_max_, 0);
        j_max_ = std::exchange(other.j_max_, 0);
        version_ = std::exchange(other.version_, 0);
        written_ = other.written_.exchange(false);
        return *this;
    }

    // Makes room for indices up to (i_max, j_max), all 0. False, leaving the
    // table empty, when the system has no memory for it.
    bool reset(int i_max, int j_max) {
        clear();
        if (i_max <= 0 || j_max <= 0) return true;
        values_ = ZeroedValues(std::size_t(i_max) * std::size_t(j_max));
        if (!values_) return false;
        i_max_ = i_max;
        j_max_ = j_max;
        version_ = fresh_version();
        return true;
    }

    // Empties the table: every index reads 0 again.
    void clear() {
        values_.reset();
        i_max_ = 0;
        j_max_ = 0;
        version_ = 0;
        written_ = false;
    }

    // The value at (i, j) to be written. A table too small for it is first
    // made larger, keeping its values, to at least 150 x 150. Reads go
    // through operator(), which never allocates.
    double& at(int i, int j) {
        assert(i >= 1 && j >= 1);
        if (i > i_max_ || j > j_max_) grow(std::max({i, i_max_, kBaseNodes}), std::max({j, j_max_, kBaseNodes}));
        // Threads that fill parts of one table share the flag: after the
        // first write it is only read.
        if (!written_.load(std::memory_order_relaxed)) written_.store(true, std::memory_order_relaxed);
        return values_.get()[offset(i, j)];
    }

    double operator()(int i, int j) const {
        if (i < 1 || j < 1 || i > i_max_ || j > j_max_) return 0.0;
        return values_.get()[offset(i, j)];
    }

    // The values of column i, j = 1 first, j_max() of them; null when the
    // table holds no column i. For scans that run through memory.
    const double* column(int i) const {
        if (i < 1 || i > i_max_) return nullptr;
        return values_.get() + offset(i, 1);
    }

    int i_max() const { return i_max_; }
    int j_max() const { return j_max_; }
    bool empty() const { return !values_; }
    // Which values the table holds: the same number means the same values,
    // whichever table it is, and 0 an empty table. A write gives the table a
    // new number the next time it is asked, which is never while other
    // threads write into it.
    std::uint64_t version() const {
        if (written_.exchange(false, std::memory_order_relaxed)) version_ = fresh_version();
        return version_;
    }

private:
    std::size_t offset(int i, int j) const { return std::size_t(i - 1) * std::size_t(j_max_) + std::size_t(j - 1); }

    void grow(int i_max, int j_max) {
        Table larger;
        if (!larger.reset(i_max, j_max)) throw std::bad_alloc();
        for (int i = 1; i <= i_max_; ++i)
            for (int j = 1; j <= j_max_; ++j) larger.values_.get()[larger.offset(i, j)] = (*this)(i, j);
        *this = std::move(larger);
    }

    static std::uint64_t fresh_version() {
        static std::atomic<std::uint64_t> last{0};
        return ++last;
    }

    ZeroedValues values_;
    int i_max_ = 0;
    int j_max_ = 0;
    mutable std::uint64_t version_ = 0;
    mutable std::atomic<bool> written_ = false;
};

// Flags of lines 1, 2, ... (index 0 unused), as many as the grid has; a line
// beyond them is not flagged.
class LineFlags {
public:
    bool operator[](int k) const { return k >= 0 && std::size_t(k) < flags_.size() && flags_[std::size_t(k)]; }
    void set(int k) {
        if (std::size_t(k) >= flags_.size()) flags_.resize(std::size_t(k) + 1, 0);
        flags_[std::size_t(k)] = 1;
    }
    void unset(int k) {
        if (std::size_t(k) < flags_.size()) flags_[std::size_t(k)] = 0;
    }
    void clear() { flags_.clear(); }

private:
    std::vector<char> flags_;
};

}  // namespace ruvo
