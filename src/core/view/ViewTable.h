#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "data/FieldStore.h"

namespace ruvo {

inline constexpr int kMaxViews = 100;
inline constexpr int kMaxNames = 20;

enum ViewFileType : std::uint8_t { kGridView = 0, kVectorView = 1, kScalarView = 2, kFreeSlot = 3 };

enum ScalarViewType : std::uint8_t {
    kContourView = 0,
    kKEpsilonView = 1,
    kRowView = 2,
    kColumnView = 3,
    kDetailView = 4,
    kFillView = 5,
};

// Everything that makes one view differ from another. Field names follow the
// program's diagnostic dump.
struct View_Info {
    QString Caption;  // base name of the shown file; empty marks a free slot
    std::int32_t Same_number = 0;
    std::uint8_t FileType = kFreeSlot;
    std::uint8_t ScalarViewType = kContourView;
    bool Color = false;
    bool Broken = false;
    bool Gray = false;
    bool Cntr_Overlap = false;
    bool Vector_Overlap = false;
    // Contour levels written on their lines and values under the legends.
    bool numbers_on_plot = false;
    double x_scale = 0.0;
    double x_scale_y = 0.0;
    double y_scale = 0.0;
    std::int32_t dx = 0;
    std::int32_t dy = 0;
    // The rest of the mapping that marks drawn without a redraw need: the plot
    // area's corner and the area's lowest y (negated), where the Detail graph lies.
    std::int32_t frame_left = 0;
    std::int32_t frame_bottom = 0;
    double origin_y = 0.0;
    std::int32_t x_start = 0;
    std::int32_t y_start = 0;
    std::int32_t x_end = 0;
    std::int32_t y_end = 0;
    std::int32_t pre_x_start = 0;
    std::int32_t pre_y_start = 0;
    std::int32_t pre_x_end = 0;
    std::int32_t pre_y_end = 0;
    bool show_grid = false;
    std::int32_t magni = 100;
    std::int32_t drawn_magni = 100;  // the magnification its picture was last laid out at
    bool x_grid_mode = true;
    bool y_grid_mode = true;
    std::int32_t x_grid_step = 1;
    std::int32_t y_grid_step = 1;
    std::int32_t x_dot_step = 1;
    std::int32_t y_dot_step = 1;
    std::int32_t length = 5;
    double arrow_width = 0.15;
    double arrow_span = 0.25;
    std::int32_t line_num = 20;
    std::int32_t line_width = 1;
    std::int32_t divided_number = 255;
    std::int32_t XPos = 0;
    std::int32_t YPos = 0;
    bool Detail_Axis = true;
    double Detail_Axis_Location = 0.0;
    bool Detail_Point = false;
    bool AutoScale = false;
    bool YScale = false;
    bool YAxis = false;
    bool ratio_fixed = false;
    double ratio = 0.0;
    bool min_changed = false;
    bool max_changed = false;
    double Scalar_max = 0.0;
    double Scalar_min = 0.0;
    // The probe answers with the node nearest to the mouse wherever it is over
    // the grid, instead of by the quarters of the cells. Not kept in projects.
    bool nearest_probe = false;
};

struct SameNameEntry {
    QString name;  // empty marks a free entry
    std::int32_t count = 0;
};

// Why a new view cannot be given a slot.
enum class SlotRefusal { None, TooManyViews, TooManyNames };

struct SlotResult {
    int slot = 0;  // 1..100 when taken
    SlotRefusal refusal = SlotRefusal::None;
    bool first_of_name = false;  // no open window of the project has shown this base name before
    bool ok() const { return refusal == SlotRefusal::None; }
};

// The table of view records and the caption numbering table beside it.
class ViewTable {
public:
    std::array<View_Info, kMaxViews + 1> info{};                 // slots 1..100
    std::array<SameNameEntry, kMaxNames + 1> same_name_table{};  // entries 1..20
    std::int32_t info_number_max = 0;
    std::int32_t current_active_window = 0;

    // Takes a slot for a new view window of `file_name`: counts the window
    // (info_number_max + 1), picks the lowest free slot, numbers the base name
    // and sets the slot's Same_number. Refused, with nothing changed, when
    // 100 views are open or a 21st distinct base name would be numbered.
    SlotResult Find_View_Slot(const QString& file_name);

    // Defaults of a new view on the file read last, whose whole index range
    // is the view's area unless `area` is given.
    void Init_View_Info(int slot, const FieldStore& store, std::optional<DrawRect> area = std::nullopt);

    // Frees the current slot.
    void Reset_View_Info();

    // Empties the caption numbering table (project reset).
    void clear_names();

    View_Info& current() { return info[static_cast<std::size_t>(current_active_window)]; }
    View_Info& at(int slot) { return info[static_cast<std::size_t>(slot)]; }
    const View_Info& current() const { return info[static_cast<std::size_t>(current_active_window)]; }
    const View_Info& at(int slot) const { return info[static_cast<std::size_t>(slot)]; }
};

// Caption of a new view window: the full path, with " (n)" for later windows
// on the same base name.
QString view_window_caption(const QString& path, bool first_of_name, int same_number);

}  // namespace ruvo
