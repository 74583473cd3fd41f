#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/PngSave.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

// A view of a sample as the window draws it.
QImage sample_picture(const QString& project, FileKind kind, void (*adjust)(View_Info&)) {
    auto ws = std::make_unique<Workspace>();
    EXPECT_TRUE(load_project(*ws, test::example(project)).project.ok);
    const OpenViewResult opened = open_view(*ws, kind, 0);
    adjust(ws->views.at(opened.slot));
    QImage image;
    NoProgress progress;
    NoStatusBoxes status;
    EXPECT_TRUE(render_view(*ws, opened.slot, image, progress, status).ok());
    return image;
}

// Every pixel and the resolution come back as they were drawn, for pictures
// of few colours, of the fill's many, and one a single pixel wide.
TEST(PngSave, PicturesReadBackPixelForPixel) {
    const QTemporaryDir dir;
    const QImage pictures[] = {
        sample_picture("cylinder/cylinder.RVP", FileKind::Grid, [](View_Info&) {}),
        sample_picture("cavity/cavity.RVP", FileKind::Scalar,
                       [](View_Info& v) { v.ScalarViewType = kFillView, v.Cntr_Overlap = v.Color = v.show_grid = true; }),
        [] {
            QImage narrow(1, 37, QImage::Format_RGB32);
            narrow.fill(qRgb(12, 200, 7));
            return narrow;
        }(),
    };
    for (const QImage& picture : pictures) {
        const QString path = dir.filePath(QStringLiteral("view.png"));
        ASSERT_TRUE(save_png(picture, path).ok);
        const QImage back(path);
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture) << picture.width() << "x" << picture.height();
        EXPECT_EQ(back.dotsPerMeterX(), picture.dotsPerMeterX());
    }
}

TEST(PngSave, AFailedWriteKeepsTheEarlierFile) {
    const QTemporaryDir dir;
    const QString path = test::write_file(dir.path(), QStringLiteral("view.png"), "earlier");
    const QImage picture = sample_picture("cavity/cavity.RVP", FileKind::Grid, [](View_Info&) {});
    const WriteResult written = test::with_file_size_limit(1000, [&] { return save_png(picture, path); });
    EXPECT_FALSE(written.ok);
    EXPECT_FALSE(written.error.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier");
    EXPECT_FALSE(save_png(QImage(), path).ok);
}

}  // namespace
}  // namespace ruvo
