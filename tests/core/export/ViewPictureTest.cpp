#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/ViewPicture.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

struct SampleView {
    const char* name;
    const char* project;
    FileKind kind;
    void (*adjust)(View_Info&);
};

// Views that between them use every shape: thin, wide and dashed lines,
// arrows, cells of a fill with the grid masked over them, legends and texts.
const SampleView kViews[] = {
    {"cylinder grid", "cylinder/cylinder.RVP", FileKind::Grid, [](View_Info&) {}},
    {"cavity arrows", "cavity/cavity.RVP", FileKind::Vector, [](View_Info&) {}},
    {"cavity dashed contours", "cavity/cavity.RVP", FileKind::Scalar,
     [](View_Info& v) { v.Broken = true, v.line_width = 2; }},
    {"cylinder composite", "cylinder/cylinder.RVP", FileKind::Scalar,
     [](View_Info& v) { v.ScalarViewType = kFillView, v.Cntr_Overlap = v.Color = v.show_grid = true; }},
    {"cavity detail with ticks", "cavity/cavity.RVP", FileKind::Scalar,
     [](View_Info& v) { v.ScalarViewType = kDetailView, v.Detail_Point = v.YScale = true; }},
};

struct OpenSample {
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    int slot = 0;
    QImage screen;

    PictureSaved save(const QString& path, int scale) {
        return save_view_picture(
            screen,
            [this] {
                NoProgress progress;
                return draw_view_shapes(ws->store, ws->views.at(slot), ws->layout_of(slot), progress);
            },
            path, scale);
    }
};

OpenSample open_sample(const SampleView& sample) {
    OpenSample open;
    EXPECT_TRUE(load_project(*open.ws, test::example(sample.project)).project.ok);
    open.slot = open_view(*open.ws, sample.kind, 0).slot;
    sample.adjust(open.ws->views.at(open.slot));
    NoProgress progress;
    NoStatusBoxes status;
    EXPECT_TRUE(render_view(*open.ws, open.slot, open.screen, progress, status).ok());
    return open;
}

// The share of pixels, in percent, that differ from the screen's by more than
// a quarter of the full scale in some colour once both pictures are averaged
// over 3 x 3 pixels: anti-aliasing spreads a line's ink over its neighbours
// but keeps it where it was, while a shape out of place or missing changes
// whole runs of pixels.
double percent_unlike(const QImage& screen, const QImage& other) {
    if (screen.size() != other.size()) return 100.0;
    const QImage a = screen.convertToFormat(QImage::Format_RGB32), b = other.convertToFormat(QImage::Format_RGB32);
    const auto mean = [](const QImage& image, int x, int y, int shift) {
        int sum = 0, count = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (!image.rect().contains(x + dx, y + dy)) continue;
                sum += (image.pixel(x + dx, y + dy) >> shift) & 0xFF;
                ++count;
            }
        }
        return sum / count;
    };
    int unlike = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            for (const int shift : {0, 8, 16}) {
                if (std::abs(mean(a, x, y, shift) - mean(b, x, y, shift)) > 64) {
                    ++unlike;
                    break;
                }
            }
        }
    }
    return 100.0 * unlike / (a.width() * a.height());
}

// A rendering of a file by another program, at the picture's size.
QImage rendered_by(const QString& program, const QStringList& arguments, const QString& png) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QImage(png);
}

// SVG and PDF files of real views, rendered by librsvg and poppler at the
// screen's size, show the screen's picture; the SVG is well-formed XML with
// no bitmap inside.
TEST(ViewPicture, SvgAndPdfShowTheScreenPicture) {
    const QTemporaryDir dir;
    for (const SampleView& sample : kViews) {
        SCOPED_TRACE(sample.name);
        OpenSample open = open_sample(sample);
        const QString svg = dir.filePath("view.svg"), pdf = dir.filePath("view.pdf");
        for (const QString& path : {svg, pdf}) {
            EXPECT_TRUE(open.save(path, 1).ok());
        }
        const QString w = QString::number(open.screen.width()), h = QString::number(open.screen.height());
        const QImage from_svg = rendered_by("rsvg-convert", {"-w", w, "-h", h, svg, "-o", dir.filePath("svg.png")},
                                            dir.filePath("svg.png"));
        const QImage from_pdf = rendered_by(
            "pdftoppm", {"-scale-to-x", w, "-scale-to-y", h, "-png", "-singlefile", pdf, dir.filePath("pdf")},
            dir.filePath("pdf.png"));
        // Hair lines smoothed over two pixels carry more ink than the raster's
        // staircase where arrows crowd; nowhere else does the ink move.
        EXPECT_LT(percent_unlike(open.screen, from_svg), 2.5);
        EXPECT_LT(percent_unlike(open.screen, from_pdf), 2.5);

        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            EXPECT_NE(xml.name(), QStringLiteral("image"));
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
}

// A bitmap at two or four times the pixels is the screen's picture, finer:
// scaled back down it shows the same.
TEST(ViewPicture, EnlargedBitmapsAreTheScreenPictureFiner) {
    const QTemporaryDir dir;
    OpenSample open = open_sample(kViews[3]);
    for (const int scale : {2, 4}) {
        const QString path = dir.filePath(QStringLiteral("view%1.png").arg(scale));
        EXPECT_TRUE(open.save(path, scale).ok());
        const QImage enlarged(path);
        EXPECT_EQ(enlarged.size(), open.screen.size() * scale);
        EXPECT_LT(percent_unlike(open.screen,
                                 enlarged.scaled(open.screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  1.0);
    }
}

// At scale 1 a bitmap is the screen's own pixels; a file that cannot be
// written is reported and leaves the earlier one.
TEST(ViewPicture, ScaleOneKeepsTheScreenPixelsAndFailuresKeepTheEarlierFile) {
    const QTemporaryDir dir;
    OpenSample open = open_sample(kViews[2]);
    const QString png = dir.filePath("view.png");
    EXPECT_TRUE(open.save(png, 1).ok());
    EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), open.screen);

    const QString svg = test::write_file(dir.path(), "earlier.svg", "earlier");
    const PictureSaved saved = test::with_file_size_limit(1000, [&] { return open.save(svg, 1); });
    EXPECT_FALSE(saved.ok());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier");
}

}  // namespace
}  // namespace ruvo
