#include "view/RangeSetting.h"

#include <algorithm>

#include "Texts.h"
#include "data/Extremes.h"
#include "data/Nearest.h"
#include "view/BarLimits.h"
#include "view/ViewFields.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// 100 x part / whole as a bar position; none when whole is 0.
std::optional<double> percent(double part, double whole) {
    if (whole == 0.0) return std::nullopt;
    return 100 * part / whole;
}
}  // namespace

MaxMinWork max_min_work(const View_Info& view, const FieldStore& store) {
    const ViewFields fields = view_fields(store, view);
    const Table& values = fields.current_scalars().value;
    return {array_max(values, fields.draw).value, array_min(values, fields.draw).value, view.Scalar_max,
            view.Scalar_min};
}

BarPlacement max_bar_placement(const MaxMinWork& w) {
    if (w.data_max < w.work_max) return {false, std::nullopt};
    const std::optional<double> p = percent(w.work_max - w.work_min, w.data_max - w.work_min);
    if (!p) return {true, std::nullopt};
    return {true, kMaxMinBar.clamped(Nearest(*p))};
}

BarPlacement min_bar_placement(const MaxMinWork& w) {
    if (w.data_min > w.work_min) return {false, std::nullopt};
    const std::optional<double> p = percent(w.work_max - w.work_min, w.work_max - w.data_min);
    if (!p) return {true, std::nullopt};
    const long long position = kMaxMinBar.max - static_cast<long long>(Nearest(*p));
    return {true, static_cast<int>(std::clamp<long long>(position, kMaxMinBar.min, kMaxMinBar.max))};
}

void max_from_bar(MaxMinWork& w, int position) {
    w.work_max = w.work_min + (w.data_max - w.work_min) * position * 0.01;
}

void min_from_bar(MaxMinWork& w, int position) {
    w.work_min = w.work_max - (w.work_max - w.data_min) * (kMaxMinBar.max - position) * 0.01;
}

bool type_max(MaxMinWork& w, double value) {
    if (value <= w.work_min) return false;
    w.work_max = value;
    return true;
}

bool type_min(MaxMinWork& w, double value) {
    if (value >= w.work_max) return false;
    w.work_min = value;
    return true;
}

QString max_definition(const MaxMinWork& w) {
    if (w.data_max < w.work_max) {
        return text(messages::kMaxOutside).arg(range_value_text(w.data_max), range_value_text(w.work_max));
    }
    return text(messages::kMaxInside).arg(range_value_text(w.work_min), range_value_text(w.data_max));
}

QString min_definition(const MaxMinWork& w) {
    if (w.data_min > w.work_min) {
        return text(messages::kMinOutside).arg(range_value_text(w.data_min), range_value_text(w.work_min));
    }
    return text(messages::kMinInside).arg(range_value_text(w.data_min), range_value_text(w.work_min));
}

void store_range(const MaxMinWork& w, View_Info& view) {
    view.Scalar_max = w.work_max;
    view.Scalar_min = w.work_min;
    view.max_changed = true;
    view.min_changed = true;
}

QString range_value_text(double value) { return QString::number(value, 'f', 8); }

QString general_real_text(double value) { return QString::number(value, 'g', 15); }

}  // namespace ruvo
