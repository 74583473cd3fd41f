#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "TestSupport.h"
#include "VideoDecode.h"
#include "export/VideoWriter.h"
#include "view/ViewTable.h"

namespace ruvo {
namespace {

using test::sample_picture;

QImage cavity_view(std::uint8_t scalar_type) {
    static std::uint8_t type = 0;
    type = scalar_type;
    return sample_picture("cavity/cavity.RVP", FileKind::Scalar, [](View_Info& view) { view.ScalarViewType = type; });
}

// Each container and colour choice plays back every frame of the cavity's
// contour and fill views close to (or exactly) as drawn.
TEST(VideoWriter, EveryFramePlaysBackCloseToItsPicture) {
    const QImage contour = cavity_view(kContourView);
    const QImage fill = cavity_view(kFillView);
    struct Case {
        const char* extension;
        VideoColour colour;
        double contour_db;  // the least peak signal-to-noise ratio of each view
        double fill_db;
    } cases[] = {
        {"mp4", VideoColour::Standard, 35, 25},
        {"webm", VideoColour::Standard, 35, 25},
        {"mkv", VideoColour::Exact, INFINITY, INFINITY},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        for (const auto& [picture, least_db] : {std::pair{&contour, c.contour_db}, std::pair{&fill, c.fill_db}}) {
            const QString path = dir.filePath(QStringLiteral("%1.%2").arg(picture == &fill).arg(c.extension));
            VideoWriter video(path, {25, c.colour, false});
            for (int n = 0; n < 2; ++n) ASSERT_TRUE(video.add_frame(*picture).ok) << c.extension;
            EXPECT_FALSE(QFile::exists(path)) << c.extension;  // not before it is finished
            ASSERT_TRUE(video.finish().ok) << c.extension;
            const std::vector<QImage> frames = test::decode_video(path);
            ASSERT_EQ(frames.size(), 2U) << c.extension;
            for (const QImage& frame : frames) EXPECT_GE(test::psnr(*picture, frame), least_db) << c.extension;
        }
    }
}

// An odd side grows by a white line: nothing of the picture is cut off.
TEST(VideoWriter, OddSidesGrowByAWhiteLine) {
    const QImage picture = cavity_view(kFillView).copy(0, 0, 301, 221);
    QTemporaryDir dir;
    VideoWriter video(dir.filePath("odd.mkv"), {25, VideoColour::Exact, false});
    ASSERT_TRUE(video.add_frame(picture).ok);
    ASSERT_TRUE(video.finish().ok);
    const std::vector<QImage> frames = test::decode_video(dir.filePath("odd.mkv"));
    ASSERT_EQ(frames.size(), 1U);
    EXPECT_EQ(frames[0].size(), QSize(302, 222));
    EXPECT_EQ(frames[0].copy(0, 0, 301, 221), picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(frames[0].pixel(301, 100), qRgb(255, 255, 255));
    EXPECT_EQ(frames[0].pixel(100, 221), qRgb(255, 255, 255));
}

// A growing video plays the frames written so far at every moment, and
// after its program is killed.
TEST(VideoWriter, AGrowingVideoPlaysWhatItHoldsBeforeItIsFinished) {
    const QImage contour = cavity_view(kContourView);
    QTemporaryDir dir;
    for (const char* name : {"follow.mp4", "follow.mkv"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        VideoWriter video(path, {2, VideoColour::Standard, true});
        for (int n = 1; n <= 2; ++n) {
            ASSERT_TRUE(video.add_frame(contour).ok);
            const QString copy = dir.filePath(QStringLiteral("copy%1-").arg(n) + QString::fromLatin1(name));
            ASSERT_TRUE(QFile::copy(path, copy));
            EXPECT_EQ(test::decode_video(copy).size(), std::size_t(n)) << name;
        }
        ASSERT_TRUE(video.finish().ok);
        EXPECT_EQ(test::decode_video(path).size(), 2U) << name;

        // A program killed while it writes leaves the frames it wrote.
        const QString killed = dir.filePath(QStringLiteral("killed-") + QString::fromLatin1(name));
        const pid_t child = fork();
        if (child == 0) {
            VideoWriter growing(killed, {2, VideoColour::Standard, true});
            for (int n = 0; n < 2; ++n) growing.add_frame(contour);
            raise(SIGKILL);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(test::decode_video(killed).size(), 2U) << name;
    }
}

TEST(VideoWriter, RefusesWhatItCannotWriteAndLeavesNoFile) {
    QTemporaryDir dir;
    const QImage picture(64, 48, QImage::Format_RGB32);
    EXPECT_FALSE(video_refusal(dir.filePath("a.avi"), {}).isEmpty());
    EXPECT_FALSE(video_refusal(dir.filePath("a.webm"), {25, VideoColour::Exact, false}).isEmpty());
    EXPECT_FALSE(video_refusal(dir.filePath("a.mp4"), {0, VideoColour::Standard, false}).isEmpty());
    for (const QString& path : {dir.filePath("missing/a.mp4"), dir.filePath("a.avi"), dir.path()}) {
        VideoWriter video(path, {});
        const WriteResult added = video.add_frame(picture);
        EXPECT_FALSE(added.ok) << path.toStdString();
        EXPECT_FALSE(added.error.isEmpty());
        EXPECT_FALSE(video.finish().ok);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    VideoWriter empty(dir.filePath("empty.mp4"), {});
    EXPECT_FALSE(empty.finish().ok);

    // A disk that fills up: the failure is reported and no file is left.
    const QImage fill = cavity_view(kFillView);
    const bool written = test::with_file_size_limit(64 * 1024, [&] {
        VideoWriter video(dir.filePath("full.mkv"), {25, VideoColour::Exact, false});
        for (int n = 0; n < 20; ++n) {
            if (!video.add_frame(fill).ok) return false;
        }
        return video.finish().ok;
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

}  // namespace
}  // namespace ruvo
