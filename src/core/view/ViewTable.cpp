#include "view/ViewTable.h"

#include "data/FieldStore.h"
#include "data/FileNames.h"

namespace ruvo {

SlotResult ViewTable::Find_View_Slot(const QString& file_name) {
    const int open_views = info_number_max + 1;
    int slot = 0;
    for (int k = 1; k <= open_views && k <= kMaxViews; ++k) {
        if (info[static_cast<std::size_t>(k)].Caption.isEmpty()) {
            slot = k;
            break;
        }
    }
    if (slot == 0) return {0, SlotRefusal::TooManyViews};

    const QString name = base_name(file_name);
    int found = 0;
    int free_entry = 0;
    for (int e = 1; e <= kMaxNames; ++e) {
        const QString& entry = same_name_table[static_cast<std::size_t>(e)].name;
        if (entry.isEmpty()) {
            if (free_entry == 0) free_entry = e;
        } else if (found == 0 && entry == name) {
            found = e;
        }
    }
    if (found == 0 && free_entry == 0) return {0, SlotRefusal::TooManyNames};

    info_number_max = open_views;
    View_Info& record = info[static_cast<std::size_t>(slot)];
    if (found != 0) {
        SameNameEntry& entry = same_name_table[static_cast<std::size_t>(found)];
        entry.count += 1;
        record.Same_number = entry.count;
    } else {
        same_name_table[static_cast<std::size_t>(free_entry)] = {name, 0};
        record.Same_number = 0;
    }
    return {slot, SlotRefusal::None, found == 0};
}

void ViewTable::Init_View_Info(int slot, const FieldStore& store, std::optional<DrawRect> area) {
    View_Info& r = info[static_cast<std::size_t>(slot)];
    // Fields the opener and the first layout set, and the scalar range, stay.
    View_Info fresh;
    fresh.Caption = r.Caption;
    fresh.Same_number = r.Same_number;
    fresh.FileType = r.FileType;
    fresh.x_scale = r.x_scale;
    fresh.x_scale_y = r.x_scale_y;
    fresh.y_scale = r.y_scale;
    fresh.dx = r.dx;
    fresh.dy = r.dy;
    fresh.frame_left = r.frame_left;
    fresh.frame_bottom = r.frame_bottom;
    fresh.origin_y = r.origin_y;
    fresh.ratio = r.ratio;
    fresh.Scalar_max = r.Scalar_max;
    fresh.Scalar_min = r.Scalar_min;
    const DrawRect whole = area.value_or(store.file_rect());
    fresh.x_start = fresh.pre_x_start = whole.x_start;
    fresh.y_start = fresh.pre_y_start = whole.y_start;
    fresh.x_end = fresh.pre_x_end = whole.x_end;
    fresh.y_end = fresh.pre_y_end = whole.y_end;
    fresh.XPos = whole.x_start;
    fresh.YPos = whole.y_start;
    r = fresh;
}

void ViewTable::Reset_View_Info() {
    View_Info& r = current();
    const double kept_x_scale_y = r.x_scale_y;
    View_Info fresh;  // the defaults of a new view
    fresh.FileType = kFreeSlot;
    fresh.x_scale_y = kept_x_scale_y;
    fresh.XPos = 0;
    fresh.YPos = 0;
    r = fresh;
}

void ViewTable::clear_names() { same_name_table.fill({}); }

QString view_window_caption(const QString& path, bool first_of_name, int same_number) {
    if (first_of_name) return path;
    return QStringLiteral("%1 (%2)").arg(path).arg(same_number);
}

}  // namespace ruvo
