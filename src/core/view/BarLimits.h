#pragma once

#include <algorithm>
#include <array>

#include "view/LayoutRules.h"

namespace ruvo {

// A control bar's range, its position at start, the step of a click beside
// the thumb (page) and of an arrow key (line), and its tick spacing. The
// panel, the command line's checks, the magnify steps and the layout all
// take the ranges from here.
struct BarLimits {
    int min, max, start, page, line, tick;

    constexpr int clamped(int position) const { return std::clamp(position, min, max); }
    constexpr bool holds(long long value) const { return value >= min && value <= max; }
};

inline constexpr BarLimits kMagnificationBar{100, 800, 100, 25, 10, 25};

// The bars of the control groups, in the order of ControlGroup. The position
// bars span the grid's indices once one is read.
inline constexpr std::array<BarLimits, kControlGroupCount> kGroupBars{{
    {1, 100, 30, 10, 1, 5},    // LineCount
    {10, 255, 10, 10, 5, 10},  // FillBands
    {1, 100, 5, 5, 1, 5},      // ArrowLength
    {1, 20, 1, 3, 1, 1},       // XGridStep
    {1, 20, 1, 3, 1, 1},       // YGridStep
    {1, 40, 1, 3, 1, 2},       // XDotStep
    {1, 40, 1, 3, 1, 2},       // YDotStep
    {1, 1, 1, 5, 1, 1},        // ColumnPosition
    {1, 1, 1, 5, 1, 1},        // RowPosition
}};

constexpr const BarLimits& bar_limits(ControlGroup group) { return kGroupBars[static_cast<std::size_t>(group)]; }

// The arrows' grid steps reach over as large a share of a grid of `lines`
// lines as their 20 do of 150: a larger grid thins as far.
constexpr int grid_step_max(int lines) {
    return std::max(bar_limits(ControlGroup::XGridStep).max, static_cast<int>(lines * 2LL / 15));
}

// The bars of the dialogs: both ends of TMaxMinSet, both of TArrow_Shape_Change
// (thousandths of the arrow's length).
inline constexpr BarLimits kMaxMinBar{1, 100, 1, 10, 2, 2};
inline constexpr BarLimits kArrowShapeBar{100, 1000, 150, 100, 30, 30};

// An up-down control: its range, start and the step of one click.
struct UpDownLimits {
    int min, max, start, increment;
};

// TChangeRatio: percent of the natural aspect ratio. TScalarLineWidth: pixels.
inline constexpr UpDownLimits kRatioUpDown{100, 1000, 100, 50};
inline constexpr UpDownLimits kLineWidthUpDown{1, 30, 1, 1};
// The height-to-width ratio a view may be given, by its dialog or the command
// line: below or above it the picture would be a line or a column of pixels,
// and at 0 or below it would not exist.
struct RealLimits {
    double min, max;

    constexpr bool holds(double value) const { return value >= min && value <= max; }
};
inline constexpr RealLimits kRatioLimits{0.01, 100.0};
// The arrow head's width and span as fractions of the arrow's length.
inline constexpr RealLimits kArrowShapeFractions{kArrowShapeBar.min / 1000.0, kArrowShapeBar.max / 1000.0};
// Follow mode: hours of following, number of updates, minutes between checks
// (the longest interval: the longest duration spread over the largest count).
inline constexpr UpDownLimits kTimeLimitUpDown{1, 720, 1, 1};
inline constexpr UpDownLimits kRepeatNumberUpDown{1, 1000, 1, 1};
inline constexpr UpDownLimits kRepeatTimeUpDown{1, 43, 1, 1};
// A video of a run: frames per second.
inline constexpr UpDownLimits kFramesPerSecondUpDown{1, 120, 10, 1};
// A saved bitmap or PNG: times the screen's pixels in each direction.
inline constexpr UpDownLimits kPictureScaleUpDown{1, 4, 1, 1};

}  // namespace ruvo
