#pragma once

#include <QPoint>
#include <QRgb>
#include <QString>

namespace ruvo {

enum class PenMode {
    Copy,    // the pen's colour
    Mask,    // bitwise AND of pen and pixel
    Xor,     // bitwise exclusive-or: drawing twice restores the pixel
    NotXor,  // bitwise not-exclusive-or: drawing twice restores the pixel
};

enum class PenStyle { Solid, Dashed };

// What every plot draws on: the classic pen model the plots are written
// for, with a current position, move-to and line-to, pens in copy, mask, xor
// and not-xor modes. A line-to leaves its end pixel unpainted, and a
// zero-length line with a pen wider than one pixel paints a round dot. The
// line-tos that follow one move-to are one stroke: a dashed pen's pattern
// runs on across their corners. Coordinates are pixels of the picture.
//
// The raster back end (RasterCanvas) paints the view's image; the vector
// back end (VectorCanvas) keeps the same calls as shapes for SVG, PDF,
// printing and enlarged bitmaps. The plots never know which they draw on.
class Canvas {
public:
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Starts a white picture of the given size; everything drawn so far is gone.
    virtual void new_raster(int width, int height) = 0;
    // Makes the picture `height` pixels tall keeping what is drawn: rows
    // beyond the old height are white.
    virtual void grow_raster(int height) = 0;
    // The picture could not be had (no memory for a large raster).
    virtual bool lost() = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;

    void set_pen_colour(QRgb colour) { change_pen(pen_colour_, colour); }
    void set_pen_width(int width) { change_pen(pen_width_, width < 1 ? 1 : width); }
    void set_pen_style(PenStyle style) { change_pen(pen_style_, style); }
    void set_pen_mode(PenMode mode) { change_pen(pen_mode_, mode); }
    void set_brush(QRgb colour) { change_pen(brush_colour_, colour); }
    virtual void set_font(const QString& family, int point_size) = 0;

    PenStyle pen_style() const { return pen_style_; }
    PenMode pen_mode() const { return pen_mode_; }
    QPoint position() const { return position_; }

    virtual void move_to(QPoint p) { position_ = p; }
    virtual void line_to(QPoint p) = 0;
    // Filled rectangle covering x1..x2-1, y1..y2-1, outlined with the pen.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    // Ellipse inscribed in the box x1..x2-1, y1..y2-1, filled with the brush.
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // A quadrilateral filled and outlined in one colour, in the pen's mode,
    // with a solid one-pixel outline: the cells of a fill. The pen and the
    // brush take the colour.
    virtual void solid_quad(const QPoint* corners, QRgb colour) = 0;
    // Text in the pen's colour whose top-left corner is (x, y), no background.
    virtual void text_out(int x, int y, const QString& text) = 0;

    // Whether the plots leave out what this canvas would show nothing of: a
    // raster shows only the last paint of each pixel, a solid quad with
    // upright and level sides in copy mode paints exactly its box, corners
    // included (nothing when the box is one pixel), and a mask pen paints a
    // pixel the same however often. A canvas that keeps shapes is given
    // every one.
    virtual bool leaves_out_hidden() const { return false; }

protected:
    Canvas() = default;

    // Called before the pen or the brush changes, while the old one still holds.
    virtual void pen_changing() {}

    QPoint position_;
    QRgb pen_colour_ = qRgb(0, 0, 0);
    int pen_width_ = 1;
    PenStyle pen_style_ = PenStyle::Solid;
    PenMode pen_mode_ = PenMode::Copy;
    QRgb brush_colour_ = qRgb(255, 255, 255);

private:
    template <typename T>
    void change_pen(T& field, T value) {
        if (field == value) return;
        pen_changing();
        field = value;
    }
};

}  // namespace ruvo
