#include "export/ViewPicture.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

#include "export/BitmapSave.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "view/BarLimits.h"
#include "view/ViewTable.h"

namespace ruvo {

namespace {
constexpr int kScreenDpi = 96;
constexpr int kDotsPerMeter96Dpi = 3780;

bool ends_with(const QString& path, const char* extension) {
    return path.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

// Plays the drawing onto `device`; false when the painter could not start or finish.
bool paint_onto(QPaintDevice& device, const Drawing& drawing) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    drawing.play(painter);
    return painter.end();
}
}  // namespace

PictureType picture_type_of(const QString& path) {
    if (ends_with(path, ".png")) return PictureType::Png;
    if (ends_with(path, ".svg")) return PictureType::Svg;
    if (ends_with(path, ".pdf")) return PictureType::Pdf;
    return PictureType::Bitmap;
}

ViewDrawing draw_view_shapes(const FieldStore& store, View_Info& view, LayoutChoice layout, Progress& progress) {
    VectorCanvas canvas;
    NoStatusBoxes status;
    ViewDrawing result;
    result.drawn = render_view(store, view, layout, canvas, progress, status);
    result.drawing = canvas.drawing();
    result.drawing.title = view.Caption;
    return result;
}

QImage enlarged_picture(const Drawing& drawing, int scale) {
    QImage image(drawing.size * scale, QImage::Format_RGB32);
    if (image.isNull()) return image;
    // Painted at the screen's resolution, so that the texts keep their size
    // against the lines; the file then says it is finer, so that it prints
    // at the picture's size.
    image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        drawing.play(painter);
    }
    image.setDotsPerMeterX(kDotsPerMeter96Dpi * scale);
    image.setDotsPerMeterY(kDotsPerMeter96Dpi * scale);
    return image;
}

QByteArray svg_bytes(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(drawing.size);
    svg.setViewBox(QRect(QPoint(0, 0), drawing.size));
    svg.setResolution(kScreenDpi);
    svg.setTitle(drawing.title);
    if (!paint_onto(svg, drawing)) return {};
    return bytes;
}

QByteArray pdf_bytes(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kScreenDpi);
    pdf.setTitle(drawing.title);
    pdf.setCreator(QStringLiteral("Ruvo"));
    const QSizeF points = QSizeF(drawing.size) * 72.0 / kScreenDpi;
    pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF()));
    if (!paint_onto(pdf, drawing)) return {};
    return bytes;
}

PictureSaved save_view_picture(const QImage& picture, const std::function<ViewDrawing()>& shapes_of_view,
                               const QString& path, int scale) {
    const PictureType type = picture_type_of(path);
    const bool vector = type == PictureType::Svg || type == PictureType::Pdf;
    if (!vector && scale <= 1) return {{}, save_picture(picture, path)};

    const ViewDrawing shapes = shapes_of_view();
    if (!shapes.drawn.ok()) return {shapes.drawn, {}};
    switch (type) {
    case PictureType::Svg:
    case PictureType::Pdf: {
        const QByteArray bytes = type == PictureType::Svg ? svg_bytes(shapes.drawing) : pdf_bytes(shapes.drawing);
        if (bytes.isEmpty()) return {{}, {false, QStringLiteral("the picture could not be painted")}};
        return {{}, write_whole_file(path, bytes)};
    }
    case PictureType::Bitmap:
    case PictureType::Png: {
        const QImage enlarged =
            enlarged_picture(shapes.drawing, std::clamp(scale, kPictureScaleUpDown.min, kPictureScaleUpDown.max));
        if (enlarged.isNull()) return {{}, {false, QStringLiteral("there is no memory for a picture that large")}};
        return {{}, save_picture(enlarged, path)};
    }
    }
    return {};
}

}  // namespace ruvo
