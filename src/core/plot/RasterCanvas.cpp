#include "plot/RasterCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

#include "plot/Fonts.h"

namespace ruvo {

namespace {
constexpr int kDotsPerMeter96Dpi = 3780;

// Liang-Barsky: cuts the line to the rectangle; false when nothing is left.
bool clip_line(QLineF& line, const QRectF& box) {
    const double x0 = line.x1(), y0 = line.y1();
    const double ddx = line.x2() - x0, ddy = line.y2() - y0;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-ddx, ddx, -ddy, ddy};
    const double q[4] = {x0 - box.left(), box.right() - x0, y0 - box.top(), box.bottom() - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    line = QLineF(x0 + t0 * ddx, y0 + t0 * ddy, x0 + t1 * ddx, y0 + t1 * ddy);
    return true;
}

QPainter::CompositionMode composition_of(PenMode mode) {
    switch (mode) {
    case PenMode::Copy: return QPainter::CompositionMode_SourceOver;
    case PenMode::Mask: return QPainter::RasterOp_SourceAndDestination;
    case PenMode::Xor: return QPainter::RasterOp_SourceXorDestination;
    case PenMode::NotXor: return QPainter::RasterOp_NotSourceXorDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

// A raster of many pages is memory of its own, touched first by its
// clearing, and one page fault per 4 KB page costs more than all the drawing
// (on a virtual machine some 12 us each: 3 ms for a picture at 100 %, 200 ms
// at 800 %). It is therefore mapped in 2 MB pages where the system offers
// them, and the clearing costs little more than the writing. Small rasters,
// and any the system will not map, come from the heap as usual.
#if defined(__linux__) && defined(MADV_HUGEPAGE)
constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kLargeRasterBytes = 256 * 1024;

struct Mapping {
    void* base;
    std::size_t length;
};

void unmap(void* info) {
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->base, mapping->length);
    delete mapping;
}

QImage new_raster_image(QSize size) {
    const qsizetype row_bytes = qsizetype(size.width()) * 4;
    const auto bytes = static_cast<std::size_t>(row_bytes) * static_cast<std::size_t>(std::max(size.height(), 0));
    if (bytes < kLargeRasterBytes) return QImage(size, QImage::Format_RGB32);
    // Room to start on a 2 MB boundary, and to end on one.
    const std::size_t length = bytes + 2 * kLargePage;
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) return QImage(size, QImage::Format_RGB32);
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(base) + kLargePage - 1) & ~(kLargePage - 1);
    // A hint: where the system says no, the pages are small, as before.
    madvise(reinterpret_cast<void*>(start), (bytes + kLargePage - 1) & ~(kLargePage - 1), MADV_HUGEPAGE);
    auto* mapping = new Mapping{base, length};
    QImage image(reinterpret_cast<uchar*>(start), size.width(), size.height(), row_bytes, QImage::Format_RGB32, unmap,
                 mapping);
    if (image.isNull()) {
        unmap(mapping);
        return QImage(size, QImage::Format_RGB32);
    }
    return image;
}
#else
QImage new_raster_image(QSize size) { return QImage(size, QImage::Format_RGB32); }
#endif

void prepare(QImage& image) {
    if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
}

// The box of a quadrilateral whose sides are upright and level (every cell of
// a rectilinear grid). Its fill covers every row but the last from its left to
// its right column, and its outline the rest: together exactly the box,
// corners included. A box one pixel wide or high is its outline alone, and
// still the whole box; one of a single pixel paints nothing, since each side
// of its outline leaves out its end pixel.
std::optional<QRect> upright_box(const QPoint* c) {
    const bool level_first =
        c[0].y() == c[1].y() && c[1].x() == c[2].x() && c[2].y() == c[3].y() && c[3].x() == c[0].x();
    const bool upright_first =
        c[0].x() == c[1].x() && c[1].y() == c[2].y() && c[2].x() == c[3].x() && c[3].y() == c[0].y();
    if (!level_first && !upright_first) return std::nullopt;
    if (c[0] == c[2]) return QRect();
    const QPoint least(std::min(c[0].x(), c[2].x()), std::min(c[0].y(), c[2].y()));
    const QPoint most(std::max(c[0].x(), c[2].x()), std::max(c[0].y(), c[2].y()));
    return QRect(least, most);
}
}  // namespace

RasterCanvas::RasterCanvas(QImage& image) : image_(image) {
    prepare(image_);
    begin();
}

RasterCanvas::~RasterCanvas() {
    ready();
    flush();
    if (painter_.isActive()) painter_.end();
}

void RasterCanvas::begin() {
    bits_ = nullptr;
    bits_width_ = bits_height_ = 0;
    if (image_.isNull()) return;
    painter_.begin(&image_);
    bits_ = image_.bits();
    stride_ = image_.bytesPerLine();
    bits_width_ = image_.width();
    bits_height_ = image_.height();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setFont(font_);
    painter_stale_ = true;
}

void RasterCanvas::new_raster(int width, int height) {
    flush();
    blank_size_ = QSize(width, height);
}

void RasterCanvas::grow_raster(int height) {
    flush();
    if (blank_size_) {
        blank_size_->setHeight(height);
        return;
    }
    if (painter_.isActive()) painter_.end();
    QImage taller = new_raster_image(QSize(image_.width(), height));
    if (!taller.isNull()) {
        taller.fill(Qt::white);
        const int rows = std::min(image_.height(), height);
        const auto row_bytes = static_cast<std::size_t>(std::min(image_.bytesPerLine(), taller.bytesPerLine()));
        for (int y = 0; y < rows; ++y) std::memcpy(taller.scanLine(y), image_.constScanLine(y), row_bytes);
        prepare(taller);
    }
    image_ = std::move(taller);
    begin();
}

void RasterCanvas::clear_raster() {
    const QSize size = *blank_size_;
    blank_size_.reset();
    if (painter_.isActive()) painter_.end();
    if (image_.size() != size || image_.format() != QImage::Format_RGB32) {
        image_ = new_raster_image(size);
    }
    image_.fill(Qt::white);
    prepare(image_);
    begin();
}

void RasterCanvas::sync_painter() {
    if (!painter_stale_ || !painter_.isActive()) return;
    painter_stale_ = false;
    QPen pen{QColor(pen_colour_)};
    if (pen_width_ <= 1) {
        // One-pixel lines leave out their end pixel, as the line-to of a
        // classic pen does.
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(pen_width_);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    pen.setStyle(pen_style_ == PenStyle::Dashed ? Qt::DashLine : Qt::SolidLine);
    painter_.setPen(pen);
    painter_.setBrush(QColor(brush_colour_));
    painter_.setCompositionMode(composition_of(pen_mode_));
}

void RasterCanvas::set_font(const QString& family, int point_size) {
    flush();
    need_fonts();
    font_ = QFont(family);
    font_.setPointSize(std::max(point_size, 1));
    if (painter_.isActive()) painter_.setFont(font_);
}

void RasterCanvas::move_to(QPoint p) {
    position_ = p;
    dash_phase_ = 0;
    stroke_open_ = false;
}

void RasterCanvas::line_to(QPoint p) {
    ready();
    if (p == position_) {
        if (pen_width_ > 1) {
            flush();
            round_dot(p);
        }
    } else if (pen_width_ == 1) {
        thin_line(position_, p);
    } else if (pen_style_ == PenStyle::Dashed) {
        // Separate lines would each start the pattern afresh.
        if (!stroke_open_) pending_strokes_.append(QPolygon{position_});
        pending_strokes_.last().append(p);
        stroke_open_ = true;
    } else {
        pending_lines_.append(QLine(position_, p));
    }
    position_ = p;
}

void RasterCanvas::flush() {
    stroke_open_ = false;
    if (pending_lines_.isEmpty() && pending_strokes_.isEmpty()) return;
    sync_painter();
    if (painter_.isActive()) {
        if (!pending_lines_.isEmpty()) painter_.drawLines(pending_lines_);
        for (const QPolygon& stroke : pending_strokes_) painter_.drawPolyline(stroke);
    }
    pending_lines_.clear();
    pending_strokes_.clear();
}

void RasterCanvas::thin_line(QPoint from, QPoint to) {
    // A line far outside the image is first cut to its neighbourhood, so that
    // wild coordinates cost no time.
    const auto near = [this](QPoint p) {
        return p.x() >= -2 && p.y() >= -2 && p.x() < bits_width_ + 2 && p.y() < bits_height_ + 2;
    };
    if (!near(from) || !near(to)) {
        QLineF clipped(from, to);
        if (!clip_line(clipped, QRectF(-2, -2, bits_width_ + 4, bits_height_ + 4))) return;
        from = clipped.p1().toPoint();
        to = clipped.p2().toPoint();
    }
    // Bresenham, the end pixel left out; dashes of 18 pixels on and 6 off.
    constexpr int kDashOn = 18;
    constexpr int kDashPeriod = 24;
    const bool dashed = pen_style_ == PenStyle::Dashed;
    const PixelOp op = pixel_op();
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int error = dx + dy;
    while (x != to.x() || y != to.y()) {
        if (!dashed || dash_phase_ < kDashOn) plot_pixel(x, y, op);
        if (dashed) dash_phase_ = (dash_phase_ + 1) % kDashPeriod;
        const int twice = 2 * error;
        if (twice >= dy) error += dy, x += sx;
        if (twice <= dx) error += dx, y += sy;
    }
}

void RasterCanvas::fill_box(const QRect& box, QRgb colour) {
    const QRect inside = box & QRect(0, 0, bits_width_, bits_height_);
    const QRgb pixel = 0xFF000000 | (colour & 0xFFFFFF);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
        std::fill(row + inside.left(), row + inside.right() + 1, pixel);
    }
}

void RasterCanvas::solid_quad(const QPoint* corners, QRgb colour) {
    ready();
    flush();
    if (colour != pen_colour_ || colour != brush_colour_) {
        pen_colour_ = brush_colour_ = colour;
        painter_stale_ = true;
    }
    if (pen_mode_ == PenMode::Copy) {
        if (const std::optional<QRect> box = upright_box(corners)) {
            fill_box(*box, colour);
            return;
        }
    }
    // Scanline fill of the pixels whose corner point lies inside (even-odd),
    // then the outline: together they cover what a filled and outlined
    // polygon covers.
    int top = corners[0].y(), bottom = corners[0].y();
    for (int k = 1; k < 4; ++k) top = std::min(top, corners[k].y()), bottom = std::max(bottom, corners[k].y());
    top = std::max(top, 0);
    bottom = std::min(bottom, bits_height_ - 1);
    const PixelOp op = pixel_op();
    for (int y = top; y <= bottom; ++y) {
        double crossings[4];
        int count = 0;
        for (int k = 0; k < 4; ++k) {
            const QPoint a = corners[k];
            const QPoint b = corners[(k + 1) % 4];
            if ((a.y() <= y && y < b.y()) || (b.y() <= y && y < a.y())) {
                // An upright edge (every cell of a rectilinear grid) needs no division.
                const int run = b.x() - a.x();
                crossings[count++] = run == 0 ? a.x() : a.x() + double(y - a.y()) * run / (b.y() - a.y());
            }
        }
        for (int k = 1; k < count; ++k) {  // at most four: insertion sort
            for (int m = k; m > 0 && crossings[m] < crossings[m - 1]; --m) std::swap(crossings[m], crossings[m - 1]);
        }
        for (int k = 0; k + 1 < count; k += 2) {
            const int first = std::max(static_cast<int>(std::ceil(crossings[k])), 0);
            const int last = std::min(static_cast<int>(std::floor(crossings[k + 1])), bits_width_ - 1);
            if (first > last) continue;
            if (pen_mode_ == PenMode::Copy) {
                QRgb* row = reinterpret_cast<QRgb*>(bits_ + y * stride_);
                std::fill(row + first, row + last + 1, 0xFF000000 | (colour & 0xFFFFFF));
            } else {
                for (int x = first; x <= last; ++x) plot_pixel(x, y, op);
            }
        }
    }
    const PenStyle style = pen_style_;
    pen_style_ = PenStyle::Solid;
    for (int k = 0; k < 4; ++k) thin_line(corners[k], corners[(k + 1) % 4]);
    pen_style_ = style;
}

void RasterCanvas::round_dot(QPoint centre) {
    const double radius = pen_width_ / 2.0;
    const int reach = pen_width_ / 2;
    const PixelOp op = pixel_op();
    for (int y = -reach; y <= reach; ++y) {
        for (int x = -reach; x <= reach; ++x) {
            if (x * x + y * y <= radius * radius) plot_pixel(centre.x() + x, centre.y() + y, op);
        }
    }
}

void RasterCanvas::rectangle(int x1, int y1, int x2, int y2) {
    ready();
    flush();
    if (!painter_.isActive() || x2 <= x1 || y2 <= y1) return;
    sync_painter();
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QColor(brush_colour_));
    painter_.restore();
    if (pen_colour_ != brush_colour_) {
        painter_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void RasterCanvas::ellipse(int x1, int y1, int x2, int y2) {
    ready();
    flush();
    if (!painter_.isActive() || x2 <= x1 || y2 <= y1) return;
    sync_painter();
    painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void RasterCanvas::text_out(int x, int y, const QString& text) {
    ready();
    flush();
    if (!painter_.isActive()) return;
    sync_painter();
    need_fonts();
    const QFontMetrics metrics(font_, &image_);
    painter_.drawText(QPoint(x, y + metrics.ascent()), text);
}

QImage& RasterCanvas::image() {
    ready();
    flush();
    return image_;
}

}  // namespace ruvo
