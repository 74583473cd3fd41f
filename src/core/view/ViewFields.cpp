#include "view/ViewFields.h"

#include "view/ViewTable.h"

namespace ruvo {

ViewFields::ViewFields(const FieldStore& store, const DrawRect& area, int slot)
    : fields(store),
      grid_x(store.grid_x),
      grid_y(store.grid_y),
      closed_x(store.closed_x),
      closed_y(store.closed_y),
      closed_grid_show(store.closed_grid_show),
      draw(area),
      data_slot(slot) {}

DrawRect area_of(const View_Info& view) { return {view.x_start, view.y_start, view.x_end, view.y_end}; }

void set_area(View_Info& view, const DrawRect& area) {
    view.x_start = area.x_start;
    view.y_start = area.y_start;
    view.x_end = area.x_end;
    view.y_end = area.y_end;
}

int data_slot_of(const FieldStore& store, const View_Info& view) {
    if (view.FileType == kVectorView) return store.slot_of(FileKind::Vector, view.Caption);
    if (view.FileType == kScalarView) return store.slot_of(FileKind::Scalar, view.Caption);
    return 1;
}

ViewFields view_fields(const FieldStore& store, const View_Info& view) {
    return {store, area_of(view), data_slot_of(store, view)};
}

}  // namespace ruvo
