#include "automation/SeriesRange.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "automation/Workers.h"
#include "data/Extremes.h"
#include "data/ResultReader.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
constexpr int kRangeDigits = 9;
}  // namespace

bool draws_value_range(const View_Info& view) {
    const Layers layers = view_layers(view, Medium::Screen);
    return std::any_of(layers.all().begin(), layers.all().end(),
                       [](Layer layer) { return layer == Layer::Contours || layer == Layer::Fill; });
}

std::optional<SeriesRange> measure_series_range(const View_Info& view, const QStringList& files, int threads) {
    const DrawRect area = area_of(view);
    const IndexArea nodes{area.x_start - 1, area.x_end - 1, area.y_start - 1, area.y_end - 1};
    std::optional<SeriesRange> range;
    std::mutex merge;
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        ScalarSlot slot;
        for (qsizetype k = next++; k < files.size(); k = next++) {
            const ReadResult read = read_scalar(slot, files[k]);
            const IndexArea header{read.header[0], read.header[1], read.header[2], read.header[3]};
            if (!read.complete() || !header.covers(nodes)) continue;
            const Extreme low = array_min(slot.value, area), high = array_max(slot.value, area);
            if (!low.found || !high.found) continue;
            const std::lock_guard lock(merge);
            if (!range) range = SeriesRange{low.value, high.value, 0};
            range->min = std::min(range->min, low.value);
            range->max = std::max(range->max, high.value);
            ++range->files;
        }
    };
    run_on_threads(std::clamp(threads, 1, std::max(1, static_cast<int>(files.size()))), work);
    return range;
}

void fix_series_range(View_Info& view, const SeriesRange& range) {
    if (!view.min_changed) view.Scalar_min = range.min;
    if (!view.max_changed) view.Scalar_max = range.max;
    view.min_changed = view.max_changed = true;
}

QString fixed_range_text(const View_Info& view) {
    return QString::number(view.Scalar_min, 'g', kRangeDigits) + QStringLiteral(" .. ") +
           QString::number(view.Scalar_max, 'g', kRangeDigits);
}

}  // namespace ruvo
