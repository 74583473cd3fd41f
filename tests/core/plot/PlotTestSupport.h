#pragma once

#include <QImage>

#include <array>

#include <memory>

#include "Workspace.h"
#include "plot/Progress.h"

namespace ruvo::test {

// Records what a plot told its progress bar.
class CountingProgress final : public Progress {
public:
    void set_maximum(int m) override { maximum = m; }
    void set_step(int s) override { step_size = s; }
    void step() override { ++steps; }
    void set_position(int p) override { position = p; }
    // Maximum, step size, steps taken and final position, for one comparison.
    std::array<int, 4> record() const { return {maximum, step_size, steps, position}; }
    int maximum = -1, step_size = -1, steps = 0, position = -1;
};

// A workspace holding a regular grid of ni x nj nodes spanning
// [x0, x0 + width] x [y0, y0 + height], with one view (slot 1) on it.
inline std::unique_ptr<Workspace> grid_workspace(int ni, int nj, double width = 1.0, double height = 1.0,
                                                 double x0 = 0.0, double y0 = 0.0) {
    auto ws = std::make_unique<Workspace>();
    FieldStore& s = ws->store;
    s.file_x_start = 0;
    s.file_x_end = ni - 1;
    s.file_y_start = 0;
    s.file_y_end = nj - 1;
    for (int i = 1; i <= ni; ++i) {
        for (int j = 1; j <= nj; ++j) {
            s.grid_x.at(i, j) = x0 + width * (i - 1) / std::max(ni - 1, 1);
            s.grid_y.at(i, j) = y0 + height * (j - 1) / std::max(nj - 1, 1);
        }
    }
    s.compute_grid_extremes_and_flags();
    const int slot = ws->views.Find_View_Slot("G.GRD").slot;
    ws->views.current_active_window = slot;
    ws->views.at(slot).Caption = "G.GRD";
    ws->views.at(slot).FileType = kGridView;
    ws->views.Init_View_Info(slot, s);
    return ws;
}

inline int count_pixels(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

inline QRgb rgb_at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

}  // namespace ruvo::test
