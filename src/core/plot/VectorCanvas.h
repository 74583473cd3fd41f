#pragma once

#include <QBrush>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QSize>
#include <QString>

#include <vector>

#include "plot/Canvas.h"

class QPainter;

namespace ruvo {

// One thing drawn: a stroke (a polyline or the outlines of cells), a filled
// path (cells, dots, boxes, ellipses, with or without an outline) or a text
// whose baseline starts at `at`.
struct Shape {
    QPainterPath path;
    QPen pen = Qt::NoPen;
    QBrush brush = Qt::NoBrush;
    QString text;
    QFont font;  // its point size is for 96 dots per inch
    QPointF at;
};

// A picture kept as shapes in the picture's pixels, to be played onto any
// painter: an SVG or PDF file, a printer, a bitmap of any scale.
struct Drawing {
    QSize size;
    QString title;  // what the picture shows, for the files that name it
    std::vector<Shape> shapes;

    // Paints the picture with its top-left corner at the painter's origin,
    // one unit of the painter's coordinates to one pixel of the picture.
    void play(QPainter& painter) const;
};

// The canvas that keeps what the plots draw as a Drawing. A pixel of the
// raster is the unit square whose top-left corner is its coordinates, so the
// shapes cover what the raster canvas paints: lines run through the pixels'
// centres, a cell's outline closes the hair-line seams a fill would show
// between neighbours. Modes that combine the pen with the picture below
// (mask, exclusive-or) cannot be had in a vector file: a pen paints the
// colour it gives on white paper, and a grey mask pen, which darkens what
// lies below (the grid over a fill), darkens it by as much in translucent
// black.
class VectorCanvas final : public Canvas {
public:
    void new_raster(int width, int height) override;
    void grow_raster(int height) override;
    bool lost() override { return false; }
    int width() const override { return drawing_.size.width(); }
    int height() const override { return drawing_.size.height(); }
    void set_font(const QString& family, int point_size) override;

    void move_to(QPoint p) override;
    void line_to(QPoint p) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void solid_quad(const QPoint* corners, QRgb colour) override;
    void text_out(int x, int y, const QString& text) override;

    const Drawing& drawing() const { return drawing_; }

private:
    void pen_changing() override { stroke_open_ = false; }
    QColor paint_colour(QRgb colour) const;  // what the pen's mode makes of `colour` on the paper
    QPen stroke_pen() const;
    QPen outline_pen(QRgb colour) const;  // solid and one pixel wide
    // The last shape when it is a fill of `brush` outlined with `pen`, so
    // that neighbouring cells of one colour become one path.
    Shape* continued_fill(const QBrush& brush, const QPen& pen);

    Drawing drawing_;
    QFont font_;
    bool stroke_open_ = false;  // a line-to continues the last shape's polyline
};

}  // namespace ruvo
