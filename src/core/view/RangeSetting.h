#pragma once

#include <QString>

#include <optional>

namespace ruvo {

struct FieldStore;
struct View_Info;

// What TMaxMinSet edits while it is open: the data extremes of the drawing
// area and the two ends of the range being set.
struct MaxMinWork {
    double data_max = 0.0;
    double data_min = 0.0;
    double work_max = 0.0;
    double work_min = 0.0;
};

// On opening: the extremes of the view's data slot over its area, and the
// view's stored ends whatever their flags.
MaxMinWork max_min_work(const View_Info& view, const FieldStore& store);

// Where a bar of the dialog goes when the ends change: disabled, keeping its
// position, while its end lies beyond the data; else enabled at the position
// of its end. A position that would divide by zero is none: the bar stays.
struct BarPlacement {
    bool enabled = true;
    std::optional<int> position;
};
BarPlacement max_bar_placement(const MaxMinWork& work);
BarPlacement min_bar_placement(const MaxMinWork& work);

// The user moved a bar. The max bar runs from just above the minimum (1) to
// the data maximum (100); the min bar from 0.99 of the way down to the data
// minimum (1) to the maximum (100).
void max_from_bar(MaxMinWork& work, int position);
void min_from_bar(MaxMinWork& work, int position);

// A typed end. Refused, with nothing changed, when it would reach the other end.
bool type_max(MaxMinWork& work, double value);
bool type_min(MaxMinWork& work, double value);

// The texts of Max_Definition and Min_Definition.
QString max_definition(const MaxMinWork& work);
QString min_definition(const MaxMinWork& work);

// OK: both ends stored and both marked changed, moved or not.
void store_range(const MaxMinWork& work, View_Info& view);

// An end as the edits show it (eight decimals), and as a refused edit shows
// it again (the general form).
QString range_value_text(double value);
QString general_real_text(double value);

}  // namespace ruvo
