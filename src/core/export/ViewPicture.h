#pragma once

#include <QImage>
#include <QString>

#include <functional>

#include "data/WholeFile.h"
#include "plot/Renderer.h"
#include "plot/VectorCanvas.h"

namespace ruvo {

class Progress;
struct FieldStore;
struct View_Info;

// The picture files a view is saved as, told by the name's extension: a
// Windows bitmap for any name not ending in one of the others.
enum class PictureType { Bitmap, Png, Svg, Pdf };
PictureType picture_type_of(const QString& path);

// `view` drawn as shapes, exactly as render_view lays it out and draws it.
struct ViewDrawing {
    RenderResult drawn;
    Drawing drawing;
};
ViewDrawing draw_view_shapes(const FieldStore& store, View_Info& view, LayoutChoice layout, Progress& progress);

// The drawing as a bitmap `scale` times the picture's size in each direction.
// Null when there is no memory for it.
QImage enlarged_picture(const Drawing& drawing, int scale);

// The drawing as the whole text of an SVG file or of a one-page PDF file
// whose page is the picture at the screen's 96 dots per inch (rounded up to
// whole points), titled with the drawing's title. Empty when the painting
// failed.
QByteArray svg_bytes(const Drawing& drawing);
QByteArray pdf_bytes(const Drawing& drawing);

struct PictureSaved {
    RenderResult drawn;  // why the view could not be drawn (nothing is written then)
    WriteResult written;
    bool ok() const { return drawn.ok() && written.ok; }
};

// Saves a view in the type `path` names. A bitmap or PNG at scale 1 is
// `picture`, the screen's own pixels; at a larger scale, and as SVG or PDF,
// the view's `shapes` (draw_view_shapes of it). An earlier file is replaced
// only by a complete one.
PictureSaved save_view_picture(const QImage& picture, const std::function<ViewDrawing()>& shapes, const QString& path,
                               int scale);

}  // namespace ruvo
