#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <memory>

#include "PlotTestSupport.h"
#include "plot/RasterCanvas.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo::test {

// A unit-square grid of ni x nj nodes with scalar slot 1 current, laid out
// at 100 % (node k of n at pixel 25 + 450 (k - 1) / (n - 1) in x, and the
// same upwards from row 475 in y), and a canvas on a white image of that size.
class ScalarPlotTest : public ::testing::Test {
protected:
    void make_grid(int ni, int nj) {
        ws = grid_workspace(ni, nj);
        ws->store.scalar_count = 1;
        lay_out();
    }
    void set_values(const std::function<double(int i, int j)>& f) {
        const DrawRect r = area_of(view());
        for (int j = r.y_start; j <= r.y_end; ++j)
            for (int i = r.x_start; i <= r.x_end; ++i) values().at(i, j) = f(i, j);
    }
    // The layout of a redraw: fixed 640 x 480 while ws->fixed_size_mode is on.
    void lay_out() {
        canvas.reset();
        plot.colour_raster_ready = false;
        const GeometryFailure layout = ws->fixed_size_mode ? Set_Fixed_Geometry(plot, fields(), view())
                                                           : Set_View_Geometry(plot, fields(), view(), 100);
        ASSERT_EQ(layout, GeometryFailure::None);
        image = QImage(plot.width, plot.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        canvas = std::make_unique<RasterCanvas>(image);
    }
    PlotContext context(Progress& p) { return {*canvas, fields(), plot, view(), p, status, ws->fixed_size_mode}; }
    PlotContext context() { return context(progress); }
    QRgb pixel(int x, int y) { return rgb_at(canvas->image(), x, y); }

    Table& values() { return ws->store.scalar_data[1].value; }
    PlotState plot;     // the mapping of the last lay_out
    int data_slot = 1;  // the view's scalar slot
    ViewFields fields() { return {ws->store, area_of(view()), data_slot}; }
    View_Info& view() { return ws->views.at(1); }

    std::unique_ptr<Workspace> ws;
    QImage image;
    std::unique_ptr<RasterCanvas> canvas;
    NoProgress progress;
    NoStatusBoxes status;
};

}  // namespace ruvo::test
