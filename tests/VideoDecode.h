#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace ruvo::test {

// Every frame of a video file, decoded with FFmpeg and turned back into
// RGB32 pictures at the video's size, as a player shows them.
std::vector<QImage> decode_video(const QString& path);

// The peak signal-to-noise ratio in dB of `decoded` against `picture` over
// the picture's pixels and its three colours; infinite when they are equal.
double psnr(const QImage& picture, const QImage& decoded);

}  // namespace ruvo::test
