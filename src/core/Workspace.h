#pragma once

#include "data/FieldStore.h"
#include "data/ProjectFile.h"
#include "plot/Geometry.h"
#include "view/ViewTable.h"

namespace ruvo {

// Positions of the main window's control bars that the plots read when they
// draw. The window's bars write them; activating a view loads them from its
// record; the command line sets them from the record it renders.
struct ControlBars {
    int magnification = 100;  // MagnificationBar
    int x_grid_step = 1;      // XGridStepBar
    int y_grid_step = 1;      // YGridStepBar
    int x_dot_step = 1;       // XStepBar
    int y_dot_step = 1;       // YStepBar
    int vector_length = 5;    // VectorLengthBar

    // What activating a view does to the bars.
    void load_from(const View_Info& view) {
        magnification = view.magni;
        x_grid_step = view.x_grid_step;
        y_grid_step = view.y_grid_step;
        x_dot_step = view.x_dot_step;
        y_dot_step = view.y_dot_step;
        vector_length = view.length;
    }
};

// The whole state of one running viewer. The main window owns one; tests and
// the command line build their own.
struct Workspace {
    FieldStore store;
    ProjectTables project;
    ViewTable views;
    PlotState plot;
    ControlBars bars;
    bool fixed_size_mode = false;  // the fixed 640 x 480 layout of follow mode and sequential conversion
};

}  // namespace ruvo
