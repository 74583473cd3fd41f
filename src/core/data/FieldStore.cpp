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

int IndexArea::node_count() const { return std::max(0, i_last - i_first + 1) * std::max(0, j_last - j_first + 1); }

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
    closed_x.fill(false);
    closed_y.fill(false);
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
            if (grid_x(i, j) == grid_x(i + 1, j)) closed_x[i] = true;
            if (grid_y(i, j) == grid_y(i, j + 1)) closed_y[j] = true;
        }
    }
    // A y line whose first and last node meet is the seam of a closed grid,
    // not a collapsed line.
    for (int j = draw.y_start; j <= draw.y_end - 1; ++j) {
        if (grid_y(draw.x_start, j) == grid_y(draw.x_end, j)) closed_y[j] = false;
    }
    closed_grid_show = false;
}

}  // namespace ruvo
