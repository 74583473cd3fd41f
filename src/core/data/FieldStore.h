#pragma once

#include <QString>

#include <array>
#include <optional>

#include "data/Table.h"

namespace ruvo {

inline constexpr int kMaxSlots = 10;

enum class FileKind { Grid, Vector, Scalar };

struct VectorSlot {
    QString file_name;  // base name of the file that filled the slot
    Table u;
    Table v;
};

struct ScalarSlot {
    QString file_name;
    Table value;
};

// The one-based index rectangle that every loop over the data runs over.
struct DrawRect {
    int x_start = 0;
    int y_start = 0;
    int x_end = 0;
    int y_end = 0;

    // Starts at index 1 or later and ends no sooner than it starts.
    bool ordered() const { return x_start >= 1 && y_start >= 1 && x_start <= x_end && y_start <= y_end; }
    bool operator==(const DrawRect&) const = default;
};

// A rectangle of zero-based node indices, as a file's header gives it; a
// first index past the last holds no node.
struct IndexArea {
    int i_first = 0;
    int i_last = 0;
    int j_first = 0;
    int j_last = 0;

    bool covers(const IndexArea& other) const;
    bool meets(const IndexArea& other) const;
    long long node_count() const;
    QString text() const;  // "i 0..149, j 0..149"
};

// The indices the tables answer for in each direction: 1..150, or as far as
// the largest table reaches. Every rectangle a loop runs over lies within.
struct NodeRange {
    int i_max = kBaseNodes;
    int j_max = kBaseNodes;

    bool holds(const DrawRect& r) const { return r.ordered() && r.x_end <= i_max && r.y_end <= j_max; }
};

// Every value the viewer can draw: one grid, ten vector and ten scalar slots,
// the index ranges of the file read last, the grid's area and extremes and
// the closed-line flags. Which part a view draws is its own (ViewFields).
struct FieldStore {
    Table grid_x;
    Table grid_y;
    std::array<VectorSlot, kMaxSlots + 1> vector_data;  // slots 1..10
    std::array<ScalarSlot, kMaxSlots + 1> scalar_data;  // slots 1..10
    int vector_count = 0;
    int scalar_count = 0;

    // Header of the result file read last, zero-based as in the file.
    int file_x_start = 0;
    int file_x_end = 0;
    int file_y_start = 0;
    int file_y_end = 0;

    // The whole rectangle of the grid read last: the area of a conversion's
    // view, whatever the headers of the data files drawn on it.
    DrawRect grid_area;

    // Extremes of the grid read last, over the whole file.
    double grid_x_max = 0.0;
    double grid_y_max = 0.0;
    double grid_x_min = 0.0;
    double grid_y_min = 0.0;

    LineFlags closed_x{};
    LineFlags closed_y{};
    bool closed_grid_show = false;

    // The header of the file read last.
    IndexArea file_area() const { return {file_x_start, file_x_end, file_y_start, file_y_end}; }

    // Sets every value and flag to 0, emptying the tables; slot names and
    // counters stay.
    void clear_values();

    NodeRange node_range() const;

    // The header of the file read last as a drawing rectangle: its whole range.
    DrawRect file_rect() const { return {file_x_start + 1, file_y_start + 1, file_x_end + 1, file_y_end + 1}; }

    // Finds the slot of a base name, or assigns the next one when the name is
    // new in the project. Returns nothing (and changes nothing) when no slot
    // can hold the name: ten are taken, or the name is known but holds no
    // slot of this kind.
    std::optional<int> assign_slot(FileKind kind, const QString& path, bool first_of_name);
    bool can_assign_slot(FileKind kind, const QString& name, bool first_of_name) const;

    // The slot of that kind holding a base name, 0 when none does.
    int slot_of(FileKind kind, const QString& name) const;
    int slot_count(FileKind kind) const { return kind == FileKind::Vector ? vector_count : scalar_count; }

    // After a grid read: the grid's area is its header's whole range;
    // extremes over it and the closed-line flags; closed_grid_show goes off.
    void compute_grid_extremes_and_flags();

    // A cell (i, j) is left out of contours and fills while closed lines are hidden.
    bool cell_skipped(int i, int j) const { return cell_on_closed_line(i, j) && !closed_grid_show; }
    // Cell (i, j) spans a closed line: its two sides along that line coincide.
    bool cell_on_closed_line(int i, int j) const { return closed_x[i] || closed_y[j]; }
};

}  // namespace ruvo
