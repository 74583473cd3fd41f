#include "data/Extremes.h"

namespace ruvo {

namespace {
// The tables keep j innermost, so the scan runs through memory in that order;
// among equal extremes it keeps the one that comes first with j outer and i
// inner, as a scan in that order would.
template <typename Better>
Extreme scan(const Table& table, const DrawRect& rect, double start, Better better) {
    Extreme result{start, 0, 0, false};
    for (int i = rect.x_start; i <= rect.x_end; ++i) {
        for (int j = rect.y_start; j <= rect.y_end; ++j) {
            const double value = table(i, j);
            if (better(value, result.value) || (result.found && value == result.value && j < result.j)) {
                result = {value, i, j, true};
            }
        }
    }
    return result;
}
}  // namespace

Extreme array_max(const Table& table, const DrawRect& rect) {
    return scan(table, rect, kArrayMaxStart, [](double a, double b) { return a > b; });
}

Extreme array_min(const Table& table, const DrawRect& rect) {
    return scan(table, rect, kArrayMinStart, [](double a, double b) { return a < b; });
}

Extreme array_min_above(const Table& table, const DrawRect& rect, double floor) {
    return scan(table, rect, kArrayMinStart, [floor](double a, double b) { return a > floor && a < b; });
}

Extreme array_max_below(const Table& table, const DrawRect& rect, double ceiling) {
    return scan(table, rect, kArrayMaxStart, [ceiling](double a, double b) { return a < ceiling && a > b; });
}

}  // namespace ruvo
