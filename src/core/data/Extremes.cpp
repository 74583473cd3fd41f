#include "data/Extremes.h"

#include <algorithm>
#include <array>
#include <type_traits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace ruvo {

namespace {
// Takes the value at (i, j) into `kept` by the scans' rule: a strictly
// better value wins, and an equal one only from a smaller j.
template <typename Better>
void merge(Extreme& kept, int i, int j, double value, Better better) {
    if (better(value, kept.value) || (kept.found && value == kept.value && j < kept.j)) kept = {value, i, j, true};
}

// The criteria of the plain scans: strictly greater, strictly less.
struct Greater {
    bool operator()(double a, double b) const { return a > b; }
};
struct Less {
    bool operator()(double a, double b) const { return a < b; }
};

// The best of `count` values by `better`, or `start` when none beats it.
// Four running bests let neighbouring comparisons overlap.
template <typename Better>
double scalar_best(const double* values, int count, double start, Better better) {
    std::array<double, 4> best{start, start, start, start};
    int k = 0;
    for (; k + 4 <= count; k += 4) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            const double value = values[k + int(lane)];
            best[lane] = better(value, best[lane]) ? value : best[lane];
        }
    }
    for (; k < count; ++k) best[0] = better(values[k], best[0]) ? values[k] : best[0];
    for (const double lane : best) best[0] = better(lane, best[0]) ? lane : best[0];
    return best[0];
}

// The same; the plain scans take two values at a time where the processor
// has SSE2: maxpd(a, b) is a > b ? a : b and minpd(a, b) is a < b ? a : b,
// NaN never winning, exactly the rule above.
template <typename Better>
double column_best(const double* values, int count, double start, Better better) {
#ifdef __SSE2__
    if constexpr (std::is_same_v<Better, Greater> || std::is_same_v<Better, Less>) {
        const auto pick = [](__m128d value, __m128d best) {
            return std::is_same_v<Better, Greater> ? _mm_max_pd(value, best) : _mm_min_pd(value, best);
        };
        __m128d first = _mm_set1_pd(start), second = first;
        int k = 0;
        for (; k + 4 <= count; k += 4) {
            first = pick(_mm_loadu_pd(values + k), first);
            second = pick(_mm_loadu_pd(values + k + 2), second);
        }
        std::array<double, 4> lanes;
        _mm_storeu_pd(lanes.data(), first);
        _mm_storeu_pd(lanes.data() + 2, second);
        return scalar_best(values + k, count - k, scalar_best(lanes.data(), 4, start, better), better);
    }
#endif
    return scalar_best(values, count, start, better);
}

// Merges column i of the rectangle into `kept`. Where the table holds the
// column's rows they are taken through memory: first their best value,
// then the first row that holds it (or, failing a better one, the kept
// value at a smaller j) while the column is still in the cache.
template <typename Better>
void scan_column(const Table& table, const DrawRect& rect, int i, Better better, Extreme& kept) {
    const double* column = table.column(i);
    if (column == nullptr || rect.y_start < 1 || rect.y_end > table.j_max()) {
        for (int j = rect.y_start; j <= rect.y_end; ++j) merge(kept, i, j, table(i, j), better);
        return;
    }
    const double* values = column + (rect.y_start - 1);
    const int count = rect.y_end - rect.y_start + 1;
    const double best = column_best(values, count, kept.value, better);

    const bool beaten = better(best, kept.value);
    if (!beaten && !kept.found) return;
    const int rows = beaten ? count : std::clamp(kept.j - rect.y_start, 0, count);
    const int row = int(std::find(values, values + rows, beaten ? best : kept.value) - values);
    if (row < rows) kept = {values[row], i, rect.y_start + row, true};
}

bool empty_rect(const DrawRect& rect) { return rect.x_start > rect.x_end || rect.y_start > rect.y_end; }

template <typename Better>
Extreme scan(const Table& table, const DrawRect& rect, double start, Better better) {
    Extreme kept{start, 0, 0, false};
    if (empty_rect(rect)) return kept;
    for (int i = rect.x_start; i <= rect.x_end; ++i) scan_column(table, rect, i, better, kept);
    return kept;
}

constexpr Greater kGreater;
constexpr Less kLess;
}  // namespace

Extreme array_max(const Table& table, const DrawRect& rect) { return scan(table, rect, kArrayMaxStart, kGreater); }

Extreme array_min(const Table& table, const DrawRect& rect) { return scan(table, rect, kArrayMinStart, kLess); }

ExtremePair array_extremes(const Table& table, const DrawRect& rect) {
    ExtremePair kept{{kArrayMinStart, 0, 0, false}, {kArrayMaxStart, 0, 0, false}};
    if (empty_rect(rect)) return kept;
    // The second look at a column finds it in the cache.
    for (int i = rect.x_start; i <= rect.x_end; ++i) {
        scan_column(table, rect, i, kLess, kept.min);
        scan_column(table, rect, i, kGreater, kept.max);
    }
    return kept;
}

Extreme array_min_above(const Table& table, const DrawRect& rect, double floor) {
    return scan(table, rect, kArrayMinStart, [floor](double a, double b) { return a > floor && a < b; });
}

Extreme array_max_below(const Table& table, const DrawRect& rect, double ceiling) {
    return scan(table, rect, kArrayMaxStart, [ceiling](double a, double b) { return a < ceiling && a > b; });
}

}  // namespace ruvo
