#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "FollowTestSupport.h"
#include "Texts.h"
#include "automation/Batch.h"
#include "plot/FrameLabel.h"

namespace ruvo {
namespace {

TEST(SeriesPictures, NamesKeepTheDataFilesStemOrNumberTheListWithAtLeastFourDigits) {
    const QStringList three{"/d/run9.p", "/d/run10", "/d/a.b.p"};
    const QStringList many(10000, "/d/f.p");
    const struct {
        const QStringList& files;
        qsizetype k;
        SeriesPictures pictures;
        const char* name;
    } cases[] = {
        {three, 0, {}, "/out/run9.bmp"},
        {three, 1, {PictureFormat::Png}, "/out/run10.png"},
        {three, 2, {PictureFormat::Png, true}, "/out/0003.png"},
        {many, 9998, {PictureFormat::Bmp, true}, "/out/09999.bmp"},
        {many, 9999, {PictureFormat::Bmp, true}, "/out/10000.bmp"},
    };
    for (const auto& c : cases) EXPECT_EQ(series_picture_name("/out", c.files, c.k, c.pictures), c.name) << c.name;
}

// The label lies whole in the top right corner of any picture, as dark type
// in a white box, whatever the colour under it.
TEST(SeriesPictures, TheLabelFitsInTheTopRightCornerOnAnyBackground) {
    for (const QRgb background : {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(0, 0, 255)}) {
        for (const int width : {640, 40}) {
            QImage picture(width, 100, QImage::Format_RGB32);
            picture.fill(background);
            const QImage labelled = with_frame_label(picture, QStringLiteral("run0001.p"));
            const QRect box = test::changed_area(picture, labelled);
            ASSERT_FALSE(box.isEmpty()) << width;
            // On a dark background the box's dark edge does not show, its white inside does.
            EXPECT_TRUE(QRect(0, 0, width, 30).contains(box) && box.top() <= 3 && box.right() >= width - 4) << width;
            EXPECT_EQ(labelled.pixel(box.topLeft() + QPoint(1, 1)), qRgb(255, 255, 255)) << width;
            int dark = 0;
            for (int x = box.left() + 1; x < box.right(); ++x) {
                for (int y = box.top() + 1; y < box.bottom(); ++y) dark += qGray(labelled.pixel(x, y)) < 96;
            }
            EXPECT_GT(dark, 10) << width;
        }
    }
}

// A series whose values grow tenfold, with a file that breaks off between:
// with one range for the series the first and last pictures show the same
// range labels, the broken file is left out of the range, and the pictures
// are numbered PNG files.
TEST(SeriesPictures, OneRangeForTheSeriesGivesEveryFrameTheSameRangeLabels) {
    QTemporaryDir dir;
    const QStringList files{test::write_file(dir.path(), "run1.p", test::scaled_file("CYLINDER.P", 1)),
                            test::write_file(dir.path(), "run2.p", test::scaled_file("CYLINDER.P", 100).left(300)),
                            test::write_file(dir.path(), "run3.p", test::scaled_file("CYLINDER.P", 10))};
    const BatchSetUp fill_view = [](Workspace& ws) {
        load_project(ws, test::example("cylinder/cylinder.RVP"));
        const int slot = open_view(ws, FileKind::Scalar, 0).slot;
        ws.views.at(slot).ScalarViewType = kFillView;
        ws.fixed_size_mode = true;
        return slot;
    };
    const auto range_labels = [](const QString& path) {
        const QImage picture(path);
        return picture.copy(0, picture.height() * 9 / 10, picture.width(), picture.height() / 10);
    };
    for (const bool series_range : {false, true}) {
        const QString out = dir.filePath(series_range ? "series" : "own");
        QDir().mkpath(out);
        const SeriesPictures pictures{series_range ? PictureFormat::Png : PictureFormat::Bmp, series_range, false,
                                      series_range};
        const BatchRun run = run_batch(
            fill_view, files, out, 2, [](int) {}, {}, pictures);
        ASSERT_TRUE(run.frames[0].saved() && !run.frames[1].saved() && run.frames[2].saved());
        EXPECT_EQ(range_labels(run.frames[0].output) == range_labels(run.frames[2].output), series_range);
        EXPECT_EQ(run.series_range, series_range ? "-30 .. 10" : "");
        EXPECT_EQ(run.frames[2].output, out + (series_range ? "/0003.png" : "/run3.bmp"));
    }
}

}  // namespace
}  // namespace ruvo
