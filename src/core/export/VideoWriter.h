#pragma once

#include <QImage>
#include <QString>

#include <memory>

#include "data/WholeFile.h"
#include "view/BarLimits.h"

namespace ruvo {

// How a video keeps the pictures' colours.
enum class VideoColour {
    Standard,  // H.264 (VP9 in .webm) in 4:2:0, which every player plays; thin coloured lines soften
    Exact,     // lossless RGB H.264 (.mp4, .mkv): every pixel as drawn, for fewer players
};

struct VideoSettings {
    int fps = kFramesPerSecondUpDown.start;
    VideoColour colour = VideoColour::Standard;
    // Written as it grows (follow mode): each frame is finished in the file as
    // it comes, so the file plays whole at every moment, even after a kill.
    // Otherwise the file appears under its name only when it is complete.
    bool growing = false;
};

// Why a video cannot be written to `path` with `settings`, or an empty text
// when it can: the container comes from the name's extension (.mp4, .mkv,
// .webm).
QString video_refusal(const QString& path, const VideoSettings& settings);

// A video file that takes the pictures of a run one at a time. The first
// picture sets the frame size (odd sides grow by a white row or column);
// a later picture of another size is laid on a white frame of that size
// from its top left corner.
class VideoWriter {
public:
    VideoWriter(QString path, VideoSettings settings);
    ~VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    WriteResult add_frame(const QImage& picture);
    // Writes the frames still held by the encoder and closes the file. A
    // writer that is not finished leaves no file, unless it grows.
    WriteResult finish();
    int frames() const { return frames_; }
    const QString& path() const { return path_; }

private:
    struct Encoder;
    WriteResult open(const QSize& size);

    QString path_;
    VideoSettings settings_;
    std::unique_ptr<Encoder> encoder_;
    int frames_ = 0;
    QString failure_;  // the first failure: every later call reports it
};

}  // namespace ruvo
