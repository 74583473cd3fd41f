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

// From a pixel's corner to its centre.
const QPointF kToCentre(0.5, 0.5);

// Where a line of the given width runs through a pixel, from its corner: a
// pen of an odd width paints the pixel and as many on either side, one of
// an even width as many pixels on either side of the pixel's corner.
QPointF line_offset(int width) { return width % 2 == 1 ? kToCentre : QPointF(); }

// Twice the signed area of a quadrilateral: which way round it goes.
long long twice_area(QPoint a, QPoint b, QPoint c, QPoint d) {
    const QPoint p[4] = {a, b, c, d};
    long long sum = 0;
    for (int k = 0; k < 4; ++k) {
        const QPoint q = p[(k + 1) % 4];
        sum += static_cast<long long>(p[k].x()) * q.y() - static_cast<long long>(q.x()) * p[k].y();
    }
    return sum;
}

int sign(long long value) { return (value > 0) - (value < 0); }

// `b` lies on the way from `a` straight on to `c`: a corner the files can leave out.
bool straight_on(QPoint a, QPoint b, QPoint c) {
    const QPoint ab = b - a, bc = c - b;
    const long long cross = static_cast<long long>(ab.x()) * bc.y() - static_cast<long long>(ab.y()) * bc.x();
    return cross == 0 && QPoint::dotProduct(ab, bc) >= 0;
}

// Extends a chain of a polygon's corners by `p` (cells of one row side by side).
void extend_chain(std::vector<QPoint>& chain, QPoint p) {
    if (chain.size() >= 2 && straight_on(chain[chain.size() - 2], chain.back(), p)) {
        chain.back() = p;
    } else {
        chain.push_back(p);
    }
}

// Extends a polyline by a line to `p` (a grid line of a rectilinear grid).
void continue_line(QPainterPath& path, QPoint p) {
    const int last = path.elementCount() - 1;
    if (last >= 1 && path.elementAt(last).isLineTo()) {
        const QPoint a = QPointF(path.elementAt(last - 1)).toPoint(), b = QPointF(path.elementAt(last)).toPoint();
        if (straight_on(a, b, p)) {
            path.setElementPositionAt(last, p.x(), p.y());
            return;
        }
    }
    path.lineTo(p);
}

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
            painter.translate(shape.offset);
            painter.drawPath(shape.path);
            painter.translate(-shape.offset);
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
    fill_colours_.clear();
    strip_.reset();
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
    if (stroke_open_) drawing_.shapes.back().path.moveTo(p);
}

void VectorCanvas::line_to(QPoint p) {
    finish_strip();
    if (p == position_) {
        if (pen_width_ > 1) {
            Shape dot;
            const double radius = pen_width_ / 2.0;
            dot.path.addEllipse(p, radius, radius);
            dot.offset = kToCentre;
            dot.brush = paint_colour(pen_colour_);
            add(dot);
            stroke_open_ = false;
        }
        return;
    }
    if (!stroke_open_) {
        Shape stroke;
        stroke.pen = stroke_pen();
        stroke.offset = line_offset(pen_width_);
        stroke.path.moveTo(position_);
        add(stroke);
        stroke_open_ = true;
    }
    continue_line(drawing_.shapes.back().path, p);
    position_ = p;
}

void VectorCanvas::rectangle(int x1, int y1, int x2, int y2) {
    finish_strip();
    if (x2 <= x1 || y2 <= y1) return;
    stroke_open_ = false;
    Shape fill;
    fill.path.addRect(QRectF(x1, y1, x2 - x1, y2 - y1));
    fill.brush = paint_colour(brush_colour_);
    if (pen_colour_ == brush_colour_) {
        // Outlined in its own colour, so that boxes side by side (a
        // legend's) show no seam between them.
        fill.pen = outline_pen(brush_colour_);
        add(fill);
        return;
    }
    add(fill);
    Shape outline;
    outline.path.addRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    outline.offset = kToCentre;
    outline.pen = stroke_pen();
    add(outline);
}

void VectorCanvas::ellipse(int x1, int y1, int x2, int y2) {
    finish_strip();
    if (x2 <= x1 || y2 <= y1) return;
    stroke_open_ = false;
    Shape shape;
    shape.path.addEllipse(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    shape.offset = kToCentre;
    shape.pen = stroke_pen();
    shape.brush = paint_colour(brush_colour_);
    add(shape);
}

void VectorCanvas::solid_quad(const QPoint* corners, QRgb colour) {
    pen_colour_ = brush_colour_ = colour;
    stroke_open_ = false;
    const QBrush brush(paint_colour(colour));
    const QPen pen = outline_pen(colour);
    if (strip_ && strip_->brush == brush && strip_->pen == pen && strip_->join(corners)) return;
    finish_strip();
    // A fill's cells come in rows, each cell's second and third corners
    // on the edge it shares with the next.
    strip_ = FillStrip{brush,
                       pen,
                       {corners[0], corners[1]},
                       {corners[3], corners[2]},
                       sign(twice_area(corners[0], corners[1], corners[2], corners[3]))};
}

bool VectorCanvas::FillStrip::join(const QPoint* corners) {
    const QPoint near_upper = upper.back(), near_lower = lower.back();
    for (int k = 0; k < 4; ++k) {
        const QPoint a = corners[k], b = corners[(k + 1) % 4];
        const QPoint c = corners[(k + 2) % 4], d = corners[(k + 3) % 4];
        QPoint far_upper, far_lower;
        if (a == near_upper && b == near_lower) {
            far_upper = d, far_lower = c;
        } else if (a == near_lower && b == near_upper) {
            far_upper = c, far_lower = d;
        } else {
            continue;
        }
        // A cell folded back over the strip would cancel part of it.
        const int way = sign(twice_area(near_upper, far_upper, far_lower, near_lower));
        if (way != 0 && turn != 0 && way != turn) return false;
        if (turn == 0) turn = way;
        extend_chain(upper, far_upper);
        extend_chain(lower, far_lower);
        return true;
    }
    return false;
}

QPolygonF VectorCanvas::FillStrip::outline() const {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(upper.size()) + static_cast<qsizetype>(lower.size()));
    for (const QPoint& p : upper) polygon.append(p);
    std::for_each(lower.rbegin(), lower.rend(), [&](QPoint p) { polygon.append(p); });
    return polygon;
}

void VectorCanvas::add(const Shape& shape) {
    drawing_.shapes.push_back(shape);
    fill_colours_.clear();
}

void VectorCanvas::finish_strip() {
    if (!strip_) return;
    // The cells of a fill never overlap: all of one colour, wherever they
    // lie among the others, make one path.
    const QRgb colour = strip_->brush.color().rgba();
    const auto [known, added] = fill_colours_.try_emplace(colour, drawing_.shapes.size());
    if (added) {
        Shape shape;
        shape.brush = strip_->brush;
        shape.pen = strip_->pen;
        shape.offset = kToCentre;
        shape.path.setFillRule(Qt::WindingFill);
        drawing_.shapes.push_back(shape);
    }
    QPainterPath& path = drawing_.shapes[known->second].path;
    path.addPolygon(strip_->outline());
    path.closeSubpath();
    strip_.reset();
}

void VectorCanvas::text_out(int x, int y, const QString& text) {
    finish_strip();
    if (text.isEmpty()) return;
    need_fonts();
    stroke_open_ = false;
    Shape shape;
    shape.text = text;
    shape.font = font_;
    shape.pen = QPen(paint_colour(pen_colour_));
    shape.at = QPointF(x, y + screen_metrics(font_).ascent());
    add(shape);
}

}  // namespace ruvo
