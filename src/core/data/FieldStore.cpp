#include "data/FieldStore.h"

#include "data/Extremes.h"
#include "data/FileNames.h"

#include <algorithm>

namespace ruvo {

bool IndexArea::covers(const IndexArea& other) const {
    return i_first <= other.i_first && other.i_last <= i_last && j_first <= other.j_first && other.j_last <= j_last;
}

bool IndexArea::meets(const IndexArea& other) const {
    return std::max(i_first, other.i_first) <= std::min(i_last, other.i_last) &&
           std::max(j_first, other.j_first) <= std::min(j_last, other.j_last);
}

long long IndexArea::node_count() const {
    return std::max(0LL, 1LL + i_last - i_first) * std::max(0LL, 1LL + j_last - j_first);
}

QString IndexArea::text() const {
    return QStringLiteral("i %1..%2, j %3..%4").arg(i_first).arg(i_last).arg(j_first).arg(j_last);
}

void FieldStore::clear_values() {
    grid_x.clear();
    grid_y.clear();
    for (auto& slot : vector_data) {
        slot.u.clear();
        slot.v.clear();
    }
    for (auto& slot : scalar_data) slot.value.clear();
    closed_x.clear();
    closed_y.clear();
}

NodeRange FieldStore::node_range() const {
    NodeRange range;
    auto widen = [&](const Table& table) {
        range.i_max = std::max(range.i_max, table.i_max());
        range.j_max = std::max(range.j_max, table.j_max());
    };
    widen(grid_x);
    widen(grid_y);
    for (const auto& slot : vector_data) {
        widen(slot.u);
        widen(slot.v);
    }
    for (const auto& slot : scalar_data) widen(slot.value);
    return range;
}

int FieldStore::slot_of(FileKind kind, const QString& name) const {
    for (int slot = 1; slot <= slot_count(kind); ++slot) {
        const QString& held = kind == FileKind::Vector ? vector_data[slot].file_name : scalar_data[slot].file_name;
        if (held == name) return slot;
    }
    return 0;
}

bool FieldStore::can_assign_slot(FileKind kind, const QString& name, bool first_of_name) const {
    return first_of_name ? slot_count(kind) < kMaxSlots : slot_of(kind, name) != 0;
}

std::optional<int> FieldStore::assign_slot(FileKind kind, const QString& path, bool first_of_name) {
    const QString name = base_name(path);
    if (kind == FileKind::Grid || !can_assign_slot(kind, name, first_of_name)) return std::nullopt;
    if (!first_of_name) return slot_of(kind, name);
    int& count = kind == FileKind::Vector ? vector_count : scalar_count;
    ++count;
    (kind == FileKind::Vector ? vector_data[count].file_name : scalar_data[count].file_name) = name;
    return count;
}

void FieldStore::compute_grid_extremes_and_flags() {
    grid_area = file_rect();
    const DrawRect& draw = grid_area;
    grid_x_max = array_max(grid_x, draw).value;
    grid_y_max = array_max(grid_y, draw).value;
    grid_x_min = array_min(grid_x, draw).value;
    grid_y_min = array_min(grid_y, draw).value;

    for (int i = draw.x_start; i <= draw.x_end - 1; ++i) {
        for (int j = draw.y_start; j <= draw.y_end - 1; ++j) {
            if (grid_x(i, j) == grid_x(i + 1, j)) closed_x.set(i);
            if (grid_y(i, j) == grid_y(i, j + 1)) closed_y.set(j);
        }
    }
    // A y line whose first and last node meet is the seam of a closed grid,
    // not a collapsed line.
    for (int j = draw.y_start; j <= draw.y_end - 1; ++j) {
        if (grid_y(draw.x_start, j) == grid_y(draw.x_end, j)) closed_y.unset(j);
    }
    closed_grid_show = false;
}

}  // namespace ruvo
