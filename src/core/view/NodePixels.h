#pragma once

#include <QPoint>

#include <cstdint>
#include <vector>

#include "view/Geometry.h"
#include "view/ViewFields.h"

namespace ruvo {

// The pixels of the nodes of a view's drawing rectangle, each taken once for
// a picture and kept row by row (j outer), the order most plots walk the
// grid in. They are taken from the tables in their own memory order, a few
// columns at a time: walking the tables row by row would jump between their
// columns at every node, which on a large grid costs more than the drawing.
class NodePixels {
public:
    NodePixels(const ViewFields& store, const PlotState& plot);

    // Whether these are the pixels of `fields` under `plot`'s mapping.
    bool fit(const ViewFields& fields, const PlotState& plot) const;

    // The pixel of node (i, j) of the rectangle.
    QPoint operator()(int i, int j) const { return row(j)[i - x_start_]; }
    // The pixels of row j, node x_start first.
    const QPoint* row(int j) const { return pixels_.data() + std::size_t(j - y_start_) * std::size_t(columns_); }

private:
    // What the pixels were taken from.
    struct Source {
        DrawRect rect;
        std::uint64_t x_version;
        std::uint64_t y_version;
        double x_scale;
        double y_scale;
        int dx;
        int dy;
        bool operator==(const Source&) const = default;
    };
    static Source source_of(const ViewFields& fields, const PlotState& plot);

    Source source_;
    int x_start_ = 0;
    int y_start_ = 0;
    int columns_ = 0;
    std::vector<QPoint> pixels_;
};

}  // namespace ruvo
