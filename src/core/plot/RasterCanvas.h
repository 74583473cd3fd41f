#pragma once

#include <QFont>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPoint>
#include <QString>
#include <QVector>

#include <optional>

#include "plot/Canvas.h"

namespace ruvo {

// The canvas of a view's image: the pen's modes are exact raster
// operations on its pixels (so polylines in an exclusive-or mode stay exact,
// and drawing a mark twice restores the picture).
class RasterCanvas : public Canvas {
public:
    // Draws on `image`, which must outlive the canvas. The image is made
    // RGB32 at 96 dots per inch (font point sizes as on screen).
    explicit RasterCanvas(QImage& image);
    ~RasterCanvas() override;

    // Makes the raster a white one of the given size; everything drawn so
    // far is gone. A raster of the same size is cleared in its own memory,
    // and only once something is drawn: a plot that asks for a taller raster
    // at once (the colour plots' legend) clears no other before it.
    void new_raster(int width, int height) override;
    // Makes the raster `height` pixels tall keeping what is drawn: rows
    // beyond the old height are white. The image is null when there is no
    // memory for it.
    void grow_raster(int height) override;
    bool lost() override { return image().isNull(); }

    void set_font(const QString& family, int point_size) override;

    void move_to(QPoint p) override;
    void line_to(QPoint p) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void solid_quad(const QPoint* corners, QRgb colour) override;
    void text_out(int x, int y, const QString& text) override;
    bool leaves_out_hidden() const override { return leaves_out_hidden_; }
    // Off, the plots draw every shape: what the picture must equal.
    void set_leaves_out_hidden(bool on) { leaves_out_hidden_ = on; }

    QImage& image();  // draws what is pending first
    int width() const override { return blank_size_ ? blank_size_->width() : image_.width(); }
    int height() const override { return blank_size_ ? blank_size_->height() : image_.height(); }

private:
    void pen_changing() override {
        flush();
        painter_stale_ = true;
    }
    void begin();
    void clear_raster();  // the white raster new_raster asked for, before anything is drawn
    void ready() {
        if (blank_size_) clear_raster();
    }
    void flush();
    void sync_painter();  // hands the pen to the painter before it draws
    // The pen's raster operation, one for every mode: a pixel becomes
    // 0xFF000000 | ((pixel & keep) ^ flip).
    struct PixelOp {
        QRgb keep;
        QRgb flip;
    };
    PixelOp pixel_op() const {
        const QRgb pen = pen_colour_ & 0xFFFFFF;
        switch (pen_mode_) {
        case PenMode::Copy: return {0, pen};
        case PenMode::Mask: return {pen, 0};
        case PenMode::Xor: return {0xFFFFFF, pen};
        case PenMode::NotXor: return {0xFFFFFF, ~pen & 0xFFFFFF};  // ~(pixel ^ pen)
        }
        return {0, pen};
    }
    // One-pixel lines and round dots are rasterised here, straight into the
    // image with the pen's raster operation, exactly as the classic pen does.
    void plot_pixel(int x, int y, PixelOp op) {
        if (x < 0 || y < 0 || x >= bits_width_ || y >= bits_height_) return;
        QRgb& pixel = reinterpret_cast<QRgb*>(bits_ + y * stride_)[x];
        pixel = 0xFF000000 | ((pixel & op.keep) ^ op.flip);
    }
    void thin_line(QPoint from, QPoint to);
    void fill_box(const QRect& box, QRgb colour);  // in the colour, clipped to the image
    void round_dot(QPoint centre);

    QImage& image_;
    std::optional<QSize> blank_size_;  // a white raster of this size is due
    QPainter painter_;
    QFont font_;
    QVector<QLine> pending_lines_;       // wide lines, drawn together
    QVector<QPolygon> pending_strokes_;  // wide dashed strokes, drawn together
    bool stroke_open_ = false;           // a line-to continues the last pending stroke
    uchar* bits_ = nullptr;              // the image's pixels while it is painted on
    qsizetype stride_ = 0;
    int bits_width_ = 0;  // the image's size while it is painted on, else 0
    int bits_height_ = 0;
    bool painter_stale_ = true;  // the painter does not hold the pen yet
    int dash_phase_ = 0;         // position in the dash pattern of the line being drawn
    bool leaves_out_hidden_ = true;
};

}  // namespace ruvo
