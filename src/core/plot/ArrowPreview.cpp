#include "plot/ArrowPreview.h"

#include "data/Nearest.h"
#include "plot/RasterCanvas.h"
#include "plot/VectorPlot.h"

namespace ruvo {

namespace {
constexpr int kPreviewPenWidth = 2;  // a shape to look at, not a plot: drawn bolder
}

void Draw_Arrow_Preview(QImage& image, double width, double span) {
    const int w = image.width();
    const int h = image.height();
    RasterCanvas canvas(image);
    canvas.new_raster(w, h);
    canvas.set_pen_colour(qRgb(0, 0, 0));
    canvas.set_pen_width(kPreviewPenWidth);

    // Pixels as the units, y upwards from the middle row.
    const double length = 0.8 * w;
    const QPointF tail(0.1 * w, 0.0);
    const QPointF tip(tail.x() + length, 0.0);
    const ArrowGeometry arrow = arrow_geometry(tail, tip, width * length, span * length, 100);
    const auto pixel = [h](QPointF p) { return QPoint(Nearest(p.x()), h / 2 - Nearest(p.y())); };
    canvas.move_to(pixel(arrow.tail));
    canvas.line_to(pixel(arrow.tip));
    for (const QPointF barb : {arrow.barb1, arrow.barb2}) {
        canvas.move_to(pixel(arrow.tip));
        canvas.line_to(pixel(barb));
    }
}

}  // namespace ruvo
