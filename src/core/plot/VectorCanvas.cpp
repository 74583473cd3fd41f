#include "plot/VectorCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

#include "plot/Fonts.h"

namespace ruvo {

namespace {
constexpr double kScreenDpi = 96.0;
constexpr int kDotsPerMeter96Dpi = 3780;
// The raster's dashes: 18 pixels on, 6 off.
const QList<qreal> kThinDashes{18.0, 6.0};

// The centre of a pixel.
QPointF centre(QPoint p) { return {p.x() + 0.5, p.y() + 0.5}; }

// Where a line of the given width runs through the pixel: a pen of an odd
// width paints the pixel and as many on either side, one of an even width
// as many pixels on either side of the pixel's corner.
QPointF on_line(QPoint p, int width) { return width % 2 == 1 ? centre(p) : QPointF(p); }

// Font metrics as the raster canvas has them, on a picture of 96 dots per inch.
QFontMetrics screen_metrics(const QFont& font) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeter96Dpi);
        image.setDotsPerMeterY(kDotsPerMeter96Dpi);
        return image;
    }();
    return QFontMetrics(font, &device);
}

bool is_grey(QRgb colour) { return qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour); }
}  // namespace

void Drawing::play(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), Qt::white);
    // Point sizes are for the screen's 96 dots per inch; a device of another
    // resolution (a printer) would otherwise enlarge the texts against the lines.
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : kScreenDpi;
    for (const Shape& shape : shapes) {
        painter.setPen(shape.pen);
        if (shape.text.isEmpty()) {
            painter.setBrush(shape.brush);
            painter.drawPath(shape.path);
            continue;
        }
        QFont font = shape.font;
        font.setPointSizeF(font.pointSizeF() * kScreenDpi / dpi);
        painter.setFont(font);
        painter.drawText(shape.at, shape.text);
    }
    painter.restore();
}

void VectorCanvas::new_raster(int width, int height) {
    drawing_.size = QSize(width, height);
    drawing_.shapes.clear();
    stroke_open_ = false;
}

void VectorCanvas::grow_raster(int height) { drawing_.size.setHeight(height); }

void VectorCanvas::set_font(const QString& family, int point_size) {
    need_fonts();
    font_ = QFont(family);
    font_.setPointSize(std::max(point_size, 1));
    // The file names the font the screen shows, not a name other programs
    // would have to map as this one does.
    font_.setFamily(QFontInfo(font_).family());
}

QColor VectorCanvas::paint_colour(QRgb colour) const {
    switch (pen_mode_) {
    case PenMode::Copy:
    case PenMode::NotXor: return QColor(colour);
    case PenMode::Mask: return is_grey(colour) ? QColor(0, 0, 0, 255 - qRed(colour)) : QColor(colour);
    case PenMode::Xor: return QColor(colour ^ 0xFFFFFF);
    }
    return QColor(colour);
}

QPen VectorCanvas::stroke_pen() const {
    QPen pen(paint_colour(pen_colour_), pen_width_);
    if (pen_width_ <= 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (pen_style_ == PenStyle::Dashed) pen.setDashPattern(kThinDashes);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (pen_style_ == PenStyle::Dashed) pen.setStyle(Qt::DashLine);
    }
    return pen;
}

QPen VectorCanvas::outline_pen(QRgb colour) const {
    QPen pen(paint_colour(colour), 1);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void VectorCanvas::move_to(QPoint p) {
    position_ = p;
    if (stroke_open_) drawing_.shapes.back().path.moveTo(on_line(p, pen_width_));
}

void VectorCanvas::line_to(QPoint p) {
    if (p == position_) {
        if (pen_width_ > 1) {
            Shape dot;
            const double radius = pen_width_ / 2.0;
            dot.path.addEllipse(centre(p), radius, radius);
            dot.brush = paint_colour(pen_colour_);
            drawing_.shapes.push_back(dot);
            stroke_open_ = false;
        }
        return;
    }
    if (!stroke_open_) {
        Shape stroke;
        stroke.pen = stroke_pen();
        stroke.path.moveTo(on_line(position_, pen_width_));
        drawing_.shapes.push_back(stroke);
        stroke_open_ = true;
    }
    drawing_.shapes.back().path.lineTo(on_line(p, pen_width_));
    position_ = p;
}

void VectorCanvas::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    stroke_open_ = false;
    Shape fill;
    fill.path.addRect(QRectF(x1, y1, x2 - x1, y2 - y1));
    fill.brush = paint_colour(brush_colour_);
    if (pen_colour_ == brush_colour_) {
        // Outlined in its own colour, so that boxes side by side (a
        // legend's) show no seam between them.
        fill.pen = outline_pen(brush_colour_);
        drawing_.shapes.push_back(fill);
        return;
    }
    drawing_.shapes.push_back(fill);
    Shape outline;
    outline.path.addRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    outline.pen = stroke_pen();
    drawing_.shapes.push_back(outline);
}

void VectorCanvas::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    stroke_open_ = false;
    Shape shape;
    shape.path.addEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    shape.pen = stroke_pen();
    shape.brush = paint_colour(brush_colour_);
    drawing_.shapes.push_back(shape);
}

Shape* VectorCanvas::continued_fill(const QBrush& brush, const QPen& pen) {
    if (drawing_.shapes.empty()) return nullptr;
    Shape& last = drawing_.shapes.back();
    if (!last.text.isEmpty() || last.brush != brush || last.pen != pen) return nullptr;
    return &last;
}

void VectorCanvas::solid_quad(const QPoint* corners, QRgb colour) {
    pen_colour_ = brush_colour_ = colour;
    stroke_open_ = false;
    const QBrush brush(paint_colour(colour));
    const QPen pen = outline_pen(colour);
    Shape* fill = continued_fill(brush, pen);
    if (!fill) {
        Shape shape;
        shape.brush = brush;
        shape.pen = pen;
        shape.path.setFillRule(Qt::WindingFill);
        drawing_.shapes.push_back(shape);
        fill = &drawing_.shapes.back();
    }
    fill->path.addPolygon(QPolygonF{centre(corners[0]), centre(corners[1]), centre(corners[2]), centre(corners[3])});
    fill->path.closeSubpath();
}

void VectorCanvas::text_out(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    need_fonts();
    stroke_open_ = false;
    Shape shape;
    shape.text = text;
    shape.font = font_;
    shape.pen = QPen(paint_colour(pen_colour_));
    shape.at = QPointF(x, y + screen_metrics(font_).ascent());
    drawing_.shapes.push_back(shape);
}

}  // namespace ruvo
