#pragma once

#include <QString>

#include <array>

#include "view/ViewFields.h"

namespace ruvo {

class Canvas;
class Progress;
struct PlotState;
struct View_Info;

// The seven read-out boxes of the main window's status panel (Edit1..Edit7),
// written by the line plots and their markers.
class StatusBoxes {
public:
    virtual ~StatusBoxes() = default;
    virtual void show(const std::array<QString, 7>& texts) = 0;
};

class NoStatusBoxes final : public StatusBoxes {
public:
    void show(const std::array<QString, 7>&) override {}
};

// Why a plot stopped before it was complete.
enum class PlotFailure {
    None,
    Numeric,         // a value would divide by zero or overflow
    AllZeroVectors,  // arrows cannot be scaled: the vector file was not read correctly
};

struct PlotOutcome {
    PlotFailure failure = PlotFailure::None;
    QString reason;  // plain words on what stopped the plot
    bool ok() const { return failure == PlotFailure::None; }
};

// Everything a plot routine reads and draws on: the canvas of the view's
// image, the fields as the view sees them (its drawing rectangle and data
// slot), the mapping of the current layout, the view's record, the
// progress bar and the status boxes. Every setting comes from the view's record.
struct PlotContext {
    Canvas& canvas;
    ViewFields store;
    PlotState& plot;
    View_Info& view;
    Progress& progress;
    StatusBoxes& status;
    bool fixed_size_mode = false;
};

}  // namespace ruvo
