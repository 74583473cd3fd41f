#include "VideoDecode.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <array>
#include <cmath>
#include <limits>

namespace ruvo::test {

namespace {

QImage picture_of(const AVFrame* frame) {
    QImage picture(frame->width, frame->height, QImage::Format_RGB32);
    SwsContext* scaler = sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format),
                                        frame->width, frame->height, AV_PIX_FMT_BGRA,
                                        SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr);
    if (frame->colorspace == AVCOL_SPC_BT709) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(scaler, bt709, frame->color_range == AVCOL_RANGE_JPEG ? 1 : 0, bt709, 1, 0, 1 << 16,
                                 1 << 16);
    }
    const std::array<uint8_t*, 1> target{picture.bits()};
    const std::array<int, 1> stride{static_cast<int>(picture.bytesPerLine())};
    sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, target.data(), stride.data());
    sws_freeContext(scaler);
    return picture;
}

}  // namespace

std::vector<QImage> decode_video(const QString& path) {
    std::vector<QImage> frames;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.toLocal8Bit().constData(), nullptr, nullptr) < 0) return frames;
    const int stream = avformat_find_stream_info(format, nullptr) < 0
                           ? -1
                           : av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (stream >= 0) {
        const AVCodec* codec = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
        AVCodecContext* context = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(context, format->streams[stream]->codecpar);
        AVFrame* frame = av_frame_alloc();
        AVPacket* packet = av_packet_alloc();
        const auto receive = [&] {
            while (avcodec_receive_frame(context, frame) >= 0) frames.push_back(picture_of(frame));
        };
        if (avcodec_open2(context, codec, nullptr) >= 0) {
            while (av_read_frame(format, packet) >= 0) {
                while (packet->stream_index == stream && avcodec_send_packet(context, packet) == AVERROR(EAGAIN)) {
                    receive();
                }
                receive();
                av_packet_unref(packet);
            }
            avcodec_send_packet(context, nullptr);
            receive();
        }
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&context);
    }
    avformat_close_input(&format);
    return frames;
}

double psnr(const QImage& picture, const QImage& decoded) {
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    double squares = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = decoded.pixel(x, y);
            for (const int shift : {0, 8, 16}) {
                const double d = static_cast<int>((p >> shift) & 0xff) - static_cast<int>((q >> shift) & 0xff);
                squares += d * d;
            }
        }
    }
    if (squares == 0) return std::numeric_limits<double>::infinity();
    const double mean = squares / (3.0 * a.width() * a.height());
    return 10 * std::log10(255.0 * 255.0 / mean);
}

}  // namespace ruvo::test
