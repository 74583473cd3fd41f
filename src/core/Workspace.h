#pragma once

#include <optional>

#include "data/FieldStore.h"
#include "data/ProjectFile.h"
#include "data/ReadProgress.h"
#include "data/SequentialSet.h"
#include "view/Geometry.h"
#include "view/GridIndex.h"
#include "view/Probe.h"
#include "view/ViewTable.h"

namespace ruvo {

// The whole state of one running viewer. The main window owns one; tests and
// the command line build their own.
struct Workspace {
    FieldStore store;
    ProjectTables project;
    ViewTable views;
    DiagnosticLog layout_log;  // the diagnostic lines of the layouts drawn, until the status dump shows them
    // The magnification bar moved but not yet committed: the current view is
    // drawn at it until the commit stores it in the view's record, or another
    // view becomes current. Every other bar writes the record at once, and
    // the plots read the record.
    std::optional<int> pending_magnification;
    bool fixed_size_mode = false;  // the fixed 640 x 480 layout of follow mode and sequential conversion
    ProbeState probe;              // the mouse probe and the area selection
    GridIndex grid_index;          // the probe's index of the grid's cells, rebuilt when the grid changes
    bool key_select = false;       // the keyboard selection mode is on
    SequentialSet sequential;      // the files of a sequential conversion
    bool sequential_mode = false;  // a conversion set has replaced the project
    ReadShown read_shown;          // where the window shows a long read's progress; none without one

    // No project: no view names, no current view, no file list,
    // no conversion set and neither of its modes. The field values stay
    // for the caller to clear.
    void reset_project() {
        views.clear_names();
        views.current_active_window = 0;
        store.vector_count = 0;
        store.scalar_count = 0;
        project.reset();
        sequential = {};
        sequential_mode = false;
        fixed_size_mode = false;
    }

    // The magnification the view in `slot` is drawn at.
    int magnification_of(int slot) {
        return slot == views.current_active_window && pending_magnification ? *pending_magnification
                                                                            : views.at(slot).magni;
    }
    // How the view in `slot` is laid out when it is drawn.
    LayoutChoice layout_of(int slot) { return {magnification_of(slot), fixed_size_mode}; }
};

}  // namespace ruvo
