#pragma once

#include <algorithm>
#include <cmath>

#include "data/Nearest.h"
#include "view/BarLimits.h"

namespace ruvo {

// The magnify buttons: the whole part of the bar's position times 1.2 (up)
// or 0.8 (down and whole view), kept within the bar's range.
inline int magnify_up(int position) { return kMagnificationBar.clamped(Truncate(position * 1.2)); }
inline int magnify_down(int position) { return kMagnificationBar.clamped(Truncate(position * 0.8)); }

// Steps of the wheel or a pinch: `steps` tick marks of the bar up (positive)
// or down from `position`. A position between two marks counts the mark it
// passes first as the first step. Kept within the bar's range.
inline int magnify_by_ticks(int position, int steps) {
    const BarLimits& bar = kMagnificationBar;
    const int ticks = (bar.max - bar.min) / bar.tick;
    steps = std::clamp(steps, -ticks - 1, ticks + 1);
    if (steps == 0) return position;
    const int from = bar.clamped(position) - bar.min;
    const int between = from % bar.tick != 0 ? 1 : 0;
    const int tick = from / bar.tick + steps + (steps < 0 ? between : 0);
    return bar.clamped(bar.min + tick * bar.tick);
}

// Gathers the deltas of a wheel (eighths of a degree, 120 to a notch; a
// high-resolution wheel sends fractions of that) or of a pinch into whole
// steps, keeping the rest for the next delta.
class StepGatherer {
public:
    explicit StepGatherer(double per_step) : per_step_(per_step) {}
    int take(double delta) {
        if (!std::isfinite(delta)) return 0;
        gathered_ += delta;
        const double steps = std::trunc(gathered_ / per_step_);
        gathered_ -= steps * per_step_;
        return Truncate(steps);
    }

private:
    double per_step_;
    double gathered_ = 0.0;
};

}  // namespace ruvo
