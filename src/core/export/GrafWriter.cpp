#include "export/GrafWriter.h"

#include "view/Geometry.h"

namespace ruvo {

namespace {
constexpr long long kA4Width = 21000;
constexpr long long kA4Height = 29700;
constexpr double kA4Aspect = 0.707070707;

// Texts reach the file as plain ASCII on one line: anything else would end
// the command early or is not read by the program that opens the file.
QByteArray ascii_line_text(const QString& text) {
    QByteArray bytes = text.toLatin1();
    for (char& c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e) c = '?';
    }
    return bytes;
}
}  // namespace

GrafPage graf_page(QSize image, const PlotState& plot) {
    GrafPage page;
    const double aspect = static_cast<double>(image.width()) / image.height();
    if (aspect < kA4Aspect) {
        page.page_height = kA4Height;
        page.page_width = Nearest(aspect * kA4Height);
    } else {
        page.page_width = kA4Width;
        page.page_height = Nearest(kA4Width / aspect);
    }
    // An image made taller for a legend or a scale holds the plot in its
    // upper part only. The plot is mapped onto the same part of the box, so
    // that it keeps its shape; the writer of the legend or scale makes the
    // room below again.
    if (plot.height > 0 && plot.height < image.height()) {
        page.page_height = Nearest(static_cast<double>(page.page_height) * plot.height / image.height());
    }
    const double width = static_cast<double>(page.page_width);
    const double height = static_cast<double>(page.page_height);
    page.page_scale_x = 0.9 * width / plot.differ_x;
    page.page_scale_y = 0.9 * height / plot.differ_y;
    page.page_scale_xy = 0.9 * width / plot.differ_y;
    page.page_offset_x = NearestWide(0.05 * width - plot.area_x_min * page.page_scale_x);
    page.page_offset_y = page.page_height - NearestWide(0.05 * height - plot.area_y_min * page.page_scale_y);
    page.frame_left = Nearest(0.05 * width);
    page.frame_bottom = page.page_height - Nearest(0.05 * height);
    page.mark_size = page.page_width * 3 / 500;
    page.max_mark_radius = page.page_width / 100;
    return page;
}

void GrafWriter::line(const char* command) {
    text_.append(command);
    text_.append("\r\n");
}

void GrafWriter::command(char letter, std::initializer_list<long long> fields) {
    text_.append(letter);
    text_.append(',');
    text_.append(QByteArray::number(static_cast<qsizetype>(fields.size())));
    for (const long long field : fields) {
        text_.append(',');
        text_.append(QByteArray::number(field));
    }
    text_.append("\r\n");
}

void GrafWriter::GrafBegin() {
    line("%Ngraph GRAF");
    line("%Creator: Ruvo ver 1.1beta4");
    line("I,5,0,0,21000,29700,10000");
    line("V,5,0,0,21000,29700,1");
    line("%Graphics Begin");
}

void GrafWriter::GrafEnd() {
    line("%Graphics End");
    line("E,0");
}

void GrafWriter::GrafColor(int r, int g, int b) { command('G', {r, g, b}); }

void GrafWriter::GrafFont(const QString& name) { line(("F" + ascii_line_text(name)).constData()); }

void GrafWriter::GrafFontSize(long long size, long long space, long long direction) {
    command('H', {size, space, direction});
}

void GrafWriter::GrafText(const QString& text) { line(("S" + ascii_line_text(text)).constData()); }

void GrafWriter::GrafLine(long long x1, long long y1, long long x2, long long y2) { command('L', {x1, y1, x2, y2}); }

void GrafWriter::GrafMoveTo(long long x, long long y) { command('M', {x, y}); }

void GrafWriter::GrafLineTo(long long x, long long y) { command('T', {x, y}); }

void GrafWriter::GrafRectangle(long long x1, long long y1, long long x2, long long y2, int fill) {
    command('B', {x1, y1, x2, y2, fill});
}

void GrafWriter::GrafQuad(int fill, long long x1, long long y1, long long x2, long long y2, long long x3, long long y3,
                          long long x4, long long y4) {
    // The first corner again as the fifth point closes the polygon.
    command('D', {5, fill, x1, y1, x2, y2, x3, y3, x4, y4, x1, y1});
}

void GrafWriter::GrafArc(long long x, long long y, long long rx, long long ry, long long a1, long long a2, int fill) {
    command('C', {x, y, rx, ry, a1, a2, fill});
}

}  // namespace ruvo
