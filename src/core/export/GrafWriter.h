#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include "data/Nearest.h"

namespace ruvo {

struct PlotState;

// The page box of a GRAF file and the mapping of grid coordinates onto it,
// in 0.01 mm on an A4 portrait page (21000 x 29700, y growing downwards).
struct GrafPage {
    long long page_width = 0;
    long long page_height = 0;  // the fill, coloured contours and Detail scale make room below
    double page_scale_x = 0.0;  // page units per grid unit
    double page_scale_y = 0.0;
    double page_scale_xy = 0.0;   // grid y along the page's x (the Detail graph of a line of constant i)
    long long page_offset_x = 0;  // page x of grid x = 0
    long long page_offset_y = 0;  // page y of grid y = 0
    // The plot area's own corner: where the offsets would lie for a grid whose
    // lowest x and y are 0. The Detail graph is laid out on it, as on screen.
    long long frame_left = 0;
    long long frame_bottom = 0;
    long long mark_size = 0;        // Detail point marks
    long long max_mark_radius = 0;  // the extra circle round the largest value

    long long PageX(double x) const { return NearestWide(x * page_scale_x) + page_offset_x; }
    long long PageY(double y) const { return page_offset_y - NearestWide(y * page_scale_y); }
};

// The box keeps the proportions of the view's image and touches the A4 page
// on its limiting side; the area's extents fill 90 % of it on each axis.
// Any area the screen can lay out maps: its pixel offsets are bounded, and a
// page unit is never less than a twenty-thousandth of a pixel.
// `plot` is the view's layout: where the image is taller than its plot (the
// room of a legend), the box starts as tall as the plot's part of it.
GrafPage graf_page(QSize image, const PlotState& plot);

// Writes GRAF commands into memory, one line each, CR LF, plain ASCII; the
// caller writes the finished text to its file in one piece.
class GrafWriter {
public:
    void GrafBegin();
    void GrafEnd();
    void GrafThinLine() { line("A,5,0,16,0,0,1000"); }
    void GrafMediumLine() { line("A,5,0,24,0,0,1000"); }
    void GrafThickLine() { line("A,5,0,48,0,0,1000"); }
    void GrafColor(int r, int g, int b);
    void GrafFont(const QString& name);
    void GrafFontSize(long long size, long long space, long long direction);
    void GrafText(const QString& text);
    void GrafLine(long long x1, long long y1, long long x2, long long y2);
    void GrafMoveTo(long long x, long long y);
    void GrafLineTo(long long x, long long y);
    void GrafRectangle(long long x1, long long y1, long long x2, long long y2, int fill);
    void GrafQuad(int fill, long long x1, long long y1, long long x2, long long y2, long long x3, long long y3,
                  long long x4, long long y4);
    void GrafArc(long long x, long long y, long long rx, long long ry, long long a1, long long a2, int fill);

    const QByteArray& text() const { return text_; }

private:
    void line(const char* command);
    void command(char letter, std::initializer_list<long long> fields);

    QByteArray text_;
};

}  // namespace ruvo
