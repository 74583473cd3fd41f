#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ruvo {

struct View_Info;

// The smallest and largest value of a series of scalar files over a view's
// area, and how many of the files it was taken from.
struct SeriesRange {
    double min = 0.0;
    double max = 0.0;
    int files = 0;
};

// Whether the view's picture depends on a value range: contour lines or a
// fill, on their own or in an overlap. Arrows and line plots scale
// themselves.
bool draws_value_range(const View_Info& view);

// Reads every scalar file of `files` on `threads` threads and takes the
// extremes over the view's area. A file that does not read whole, or whose
// header leaves out nodes of the area, is left out, as its picture will be.
// Nothing when no file is left.
std::optional<SeriesRange> measure_series_range(const View_Info& view, const QStringList& files, int threads);

// The ends of the view's range that the user has not fixed take the
// series' ones, so that every picture is drawn with one range.
void fix_series_range(View_Info& view, const SeriesRange& range);

// The range the view is drawn with once fixed: "MIN .. MAX".
QString fixed_range_text(const View_Info& view);

}  // namespace ruvo
