#pragma once

#include "data/FieldStore.h"

namespace ruvo {

struct View_Info;

// The field store as one view sees it: the grid and its closed-line flags,
// the view's own drawing rectangle and the data slot of its file. The plots
// and the GRAF writers read the fields through it, so drawing one view never
// depends on which view was drawn or made current before.
struct ViewFields {
    ViewFields(const FieldStore& store, const DrawRect& area, int data_slot);

    const FieldStore& fields;
    const Table& grid_x;
    const Table& grid_y;
    const LineFlags& closed_x;
    const LineFlags& closed_y;
    const bool& closed_grid_show;
    DrawRect draw;
    int data_slot = 0;

    // The data of the view, by one rule: data_slot names slot 1..10; any
    // other number reads as the empty slot 0, which is never filled.
    bool current_data_valid() const { return data_slot >= 1 && data_slot <= kMaxSlots; }
    const VectorSlot& current_vectors() const { return fields.vector_data[index()]; }
    const ScalarSlot& current_scalars() const { return fields.scalar_data[index()]; }
    bool cell_skipped(int i, int j) const { return fields.cell_skipped(i, j); }
    bool cell_on_closed_line(int i, int j) const { return fields.cell_on_closed_line(i, j); }

private:
    std::size_t index() const { return current_data_valid() ? static_cast<std::size_t>(data_slot) : 0; }
};

// The view's drawing rectangle, as its record keeps it.
DrawRect area_of(const View_Info& view);
void set_area(View_Info& view, const DrawRect& area);

// The data slot of the view's file: its caption's slot of the view's kind (0
// when the store holds none); 1 for a grid view.
int data_slot_of(const FieldStore& store, const View_Info& view);

// The store as the view sees it.
ViewFields view_fields(const FieldStore& store, const View_Info& view);

}  // namespace ruvo
