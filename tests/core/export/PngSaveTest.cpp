#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "export/BitmapSave.h"
#include "export/PngSave.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo {
namespace {

using test::sample_picture;

// Every pixel and the resolution come back as they were drawn, for pictures
// of few colours, of the fill's many, and one a single pixel wide.
TEST(PngSave, PicturesReadBackPixelForPixel) {
    const QTemporaryDir dir;
    const QImage pictures[] = {
        sample_picture("cylinder/cylinder.RVP", FileKind::Grid, [](View_Info&) {}),
        sample_picture(
            "cavity/cavity.RVP", FileKind::Scalar,
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

// A picture goes only into a regular file, through a link to one too, in the
// format its name ends in; a pipe, device or folder is refused and stays. The
// device is a null device of the test's own where it may make one.
TEST(PictureSave, OnlyRegularFilesAreWrittenInTheFormatOfTheirName) {
    const QTemporaryDir dir;
    const QString at = dir.path() + "/", regular = test::write_file(dir.path(), "old.png", "old");
    ASSERT_TRUE(QFile::link(regular, at + "link.png") && QDir().mkdir(at + "dir.bmp") &&
                mkfifo(QFile::encodeName(at + "pipe.png"), 0600) == 0);
    const bool own_null = mknod(QFile::encodeName(at + "null"), S_IFCHR | 0600, makedev(1, 3)) == 0;
    const QImage picture = sample_picture("cavity/cavity.RVP", FileKind::Grid, [](View_Info&) {});
    for (const auto& [name, start] : {std::pair{"new.BMP", "BM"},
                                      {"link.png", "\x89PNG"},
                                      {"pipe.png", ""},
                                      {"dir.bmp", ""},
                                      {own_null ? "null" : "/dev/null", ""}}) {
        const QString target = QDir(at).filePath(name);
        EXPECT_EQ(save_picture(picture, target).ok && QFileInfo(target).isFile(), *start != 0) << name;
        QFile back(QFileInfo(target).isSymLink() ? regular : target);
        EXPECT_TRUE(!*start || (back.open(QIODevice::ReadOnly) && back.read(4).startsWith(start))) << name;
    }
}

}  // namespace
}  // namespace ruvo
