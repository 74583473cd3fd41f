#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "FollowTestSupport.h"
#include "VideoDecode.h"
#include "automation/Batch.h"
#include "export/VideoWriter.h"

namespace ruvo {
namespace {

// A batch on two threads hands the video its pictures in the order of the
// files, skipping a file that cannot be read: each frame of the fill plays
// back close to the bitmap of its own file.
TEST(BatchVideo, TheVideoHoldsEveryUsableFrameInTheFilesOrder) {
    QTemporaryDir dir;
    QStringList files;
    for (const double factor : {1.0, -2.0, 0.0, 3.0}) {
        const QString name = QStringLiteral("run%1.p").arg(files.size() + 1);
        files << test::write_file(dir.path(), name,
                                  factor == 0 ? "not a result file" : test::scaled_file("CYLINDER.P", factor));
    }
    const BatchSetUp set_up = [](Workspace& ws) {
        load_project(ws, test::example("cylinder/cylinder.RVP"));
        ws.sequential_mode = ws.fixed_size_mode = true;
        const int slot = open_view(ws, FileKind::Scalar, 0).slot;
        ws.views.at(slot).ScalarViewType = kFillView;  // negated values swap its colours
        return slot;
    };
    VideoWriter video(dir.filePath("run.mp4"), {});
    const std::vector<FrameResult> frames =
        run_batch(set_up, files, dir.path(), 2, [](int) {},
                  {video.path(), [&](const QImage& p) { return video.add_frame(p); }})
            .frames;
    ASSERT_TRUE(video.finish().ok);
    const std::vector<QImage> decoded = test::decode_video(video.path());
    ASSERT_EQ(decoded.size(), 3U);
    std::size_t played = 0;
    for (const FrameResult& frame : frames) {
        if (!frame.saved()) continue;
        EXPECT_GE(test::psnr(QImage(frame.output), decoded.at(played++)), 30) << frame.output.toStdString();
    }
    EXPECT_EQ(played, 3U);
    EXPECT_LT(test::psnr(QImage(frames[0].output), decoded[1]), 20);  // the frames differ enough to tell
}

}  // namespace
}  // namespace ruvo
