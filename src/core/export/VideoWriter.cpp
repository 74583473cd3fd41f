#include "export/VideoWriter.h"

#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <array>

#include "Texts.h"

namespace ruvo {

namespace {

constexpr int kIoBufferBytes = 64 * 1024;

QString av_text(int error) {
    std::array<char, AV_ERROR_MAX_STRING_SIZE> text{};
    av_strerror(error, text.data(), text.size());
    return QString::fromUtf8(text.data());
}

QString extension_of(const QString& path) { return QFileInfo(path).suffix().toLower(); }

// The encoder for a container and a colour choice; empty when there is none.
const char* encoder_name(const QString& extension, VideoColour colour) {
    if (extension == u"webm") return colour == VideoColour::Standard ? "libvpx-vp9" : nullptr;
    if (extension == u"mp4" || extension == u"mkv") {
        return colour == VideoColour::Standard ? "libx264" : "libx264rgb";
    }
    return nullptr;
}

}  // namespace

QString video_refusal(const QString& path, const VideoSettings& settings) {
    const QString extension = extension_of(path);
    if (extension != u"mp4" && extension != u"mkv" && extension != u"webm") {
        return QStringLiteral("a video file is named .mp4, .mkv or .webm");
    }
    const char* encoder = encoder_name(extension, settings.colour);
    if (encoder == nullptr) return QStringLiteral("exact colours are written into .mp4 or .mkv, not .webm");
    if (avcodec_find_encoder_by_name(encoder) == nullptr) {
        return QStringLiteral("this system's FFmpeg has no %1 encoder").arg(QString::fromLatin1(encoder));
    }
    if (settings.fps < kFramesPerSecondUpDown.min || settings.fps > kFramesPerSecondUpDown.max) {
        return QStringLiteral("frames per second are %1..%2")
            .arg(kFramesPerSecondUpDown.min)
            .arg(kFramesPerSecondUpDown.max);
    }
    return {};
}

// The FFmpeg objects of one open video, writing through a file of Qt's: a
// QSaveFile that takes the place of the named file only when finished, or
// for a growing video the file itself, flushed after every frame.
struct VideoWriter::Encoder {
    std::unique_ptr<QFileDevice> file;
    QString io_error;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    QImage canvas;  // the picture at the frame's size, in the scaler's byte order

    ~Encoder() {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            if (format->pb != nullptr) av_freep(&format->pb->buffer);
            avio_context_free(&format->pb);
            avformat_free_context(format);
        }
    }

    static int write_bytes(void* opaque, uint8_t* bytes, int size) {
        auto* self = static_cast<Encoder*>(opaque);
        for (int done = 0; done < size;) {
            const qint64 written = self->file->write(reinterpret_cast<const char*>(bytes) + done, size - done);
            if (written <= 0) {
                self->io_error = self->file->errorString();
                return AVERROR(EIO);
            }
            done += static_cast<int>(written);
        }
        return size;
    }

    static int64_t seek(void* opaque, int64_t offset, int whence) {
        auto* self = static_cast<Encoder*>(opaque);
        if ((whence & AVSEEK_SIZE) != 0) return self->file->size();
        qint64 target = offset;
        if ((whence & ~AVSEEK_FORCE) == SEEK_CUR) target += self->file->pos();
        if ((whence & ~AVSEEK_FORCE) == SEEK_END) target += self->file->size();
        return self->file->seek(target) ? target : AVERROR(EIO);
    }

    // Hands the encoder a frame (none: the end), and writes what it gives back.
    int encode(const AVFrame* input) {
        int status = avcodec_send_frame(codec, input);
        while (status >= 0) {
            status = avcodec_receive_packet(codec, packet);
            if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) return 0;
            if (status < 0) return status;
            // Every frame lasts one tick: MP4 would otherwise leave the last out of its play time.
            if (packet->duration == 0) packet->duration = 1;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            status = av_interleaved_write_frame(format, packet);
        }
        return status;
    }
};

VideoWriter::VideoWriter(QString path, VideoSettings settings) : path_(std::move(path)), settings_(settings) {}

VideoWriter::~VideoWriter() = default;

WriteResult VideoWriter::open(const QSize& size) {
    av_log_set_level(AV_LOG_ERROR);  // the encoder's statistics are no news to the user
    if (const QString refusal = video_refusal(path_, settings_); !refusal.isEmpty()) return {false, refusal};
    if (QFileInfo info(path_); info.exists() && !info.isFile()) {
        return {false, QString::fromUtf8(messages::kNotRegularFile)};
    }
    auto encoder = std::make_unique<Encoder>();
    Encoder& e = *encoder;
    if (settings_.growing) {
        e.file = std::make_unique<QFile>(path_);
    } else {
        e.file = std::make_unique<QSaveFile>(path_);
    }
    if (!e.file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return {false, e.file->errorString()};
    }
    const QString extension = extension_of(path_);
    const QByteArray container = extension == u"mp4" ? "mp4" : extension == u"webm" ? "webm" : "matroska";
    if (avformat_alloc_output_context2(&e.format, nullptr, container.constData(), nullptr) < 0) {
        return {false, QStringLiteral("FFmpeg cannot write %1 files").arg(QString::fromLatin1(container))};
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferBytes));
    e.format->pb = avio_alloc_context(buffer, kIoBufferBytes, 1, &e, nullptr, &Encoder::write_bytes, &Encoder::seek);
    if (e.format->pb == nullptr) {
        av_free(buffer);
        return {false, QStringLiteral("out of memory")};
    }

    const AVCodec* codec = avcodec_find_encoder_by_name(encoder_name(extension, settings_.colour));
    e.stream = avformat_new_stream(e.format, nullptr);
    e.codec = avcodec_alloc_context3(codec);
    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    if (e.stream == nullptr || e.codec == nullptr || e.frame == nullptr || e.packet == nullptr) {
        return {false, QStringLiteral("out of memory")};
    }
    // Even sides: 4:2:0 halves them.
    const int width = size.width() + size.width() % 2;
    const int height = size.height() + size.height() % 2;
    const bool exact = settings_.colour == VideoColour::Exact;
    e.codec->width = width;
    e.codec->height = height;
    e.codec->time_base = {1, settings_.fps};
    e.codec->framerate = {settings_.fps, 1};
    e.codec->pix_fmt = exact ? AV_PIX_FMT_BGR0 : AV_PIX_FMT_YUV420P;
    // BT.709 in the limited range, as players expect of H.264 and VP9.
    if (!exact) {
        e.codec->color_range = AVCOL_RANGE_MPEG;
        e.codec->colorspace = AVCOL_SPC_BT709;
        e.codec->color_primaries = AVCOL_PRI_BT709;
        e.codec->color_trc = AVCOL_TRC_BT709;
    }
    // A growing file starts every frame afresh, so each is whole on its own.
    if (settings_.growing) e.codec->gop_size = 1;
    if ((e.format->oformat->flags & AVFMT_GLOBALHEADER) != 0) e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* options = nullptr;
    if (extension == u"webm") {
        av_dict_set(&options, "crf", "24", 0);
        av_dict_set(&options, "b", "0", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", "8", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    } else {
        av_dict_set(&options, "preset", "ultrafast", 0);  // a frame in about a millisecond: drawing sets the pace
        av_dict_set(&options, exact ? "qp" : "crf", exact ? "0" : "16", 0);
        if (settings_.growing) av_dict_set(&options, "tune", "zerolatency", 0);
    }
    int status = avcodec_open2(e.codec, codec, &options);
    av_dict_free(&options);
    if (status < 0) return {false, QStringLiteral("cannot start the encoder: %1").arg(av_text(status))};
    if ((status = avcodec_parameters_from_context(e.stream->codecpar, e.codec)) < 0) return {false, av_text(status)};
    e.stream->time_base = e.codec->time_base;

    AVDictionary* muxing = nullptr;
    if (settings_.growing && container == "mp4") {
        av_dict_set(&muxing, "movflags", "frag_keyframe+empty_moov+default_base_moof", 0);
    }
    status = avformat_write_header(e.format, &muxing);
    av_dict_free(&muxing);
    if (status < 0) return {false, e.io_error.isEmpty() ? av_text(status) : e.io_error};

    e.frame->format = e.codec->pix_fmt;
    e.frame->width = width;
    e.frame->height = height;
    if ((status = av_frame_get_buffer(e.frame, 0)) < 0) return {false, av_text(status)};
    e.scaler = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, e.codec->pix_fmt,
                              SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INP, nullptr, nullptr, nullptr);
    if (e.scaler == nullptr) return {false, QStringLiteral("cannot convert the pictures' colours")};
    if (!exact) {
        const int* bt709 = sws_getCoefficients(SWS_CS_ITU709);
        sws_setColorspaceDetails(e.scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    }
    e.canvas = QImage(width, height, QImage::Format_RGB32);
    encoder_ = std::move(encoder);
    return {true, {}};
}

WriteResult VideoWriter::add_frame(const QImage& picture) {
    if (!failure_.isEmpty()) return {false, failure_};
    if (!encoder_) {
        if (const WriteResult opened = open(picture.size()); !opened.ok) {
            encoder_.reset();
            failure_ = opened.error;
            return opened;
        }
    }
    Encoder& e = *encoder_;
    e.canvas.fill(Qt::white);
    QPainter(&e.canvas).drawImage(0, 0, picture);
    int status = av_frame_make_writable(e.frame);
    if (status >= 0) {
        const std::array<const uint8_t*, 1> source{e.canvas.constBits()};
        const std::array<int, 1> stride{static_cast<int>(e.canvas.bytesPerLine())};
        sws_scale(e.scaler, source.data(), stride.data(), 0, e.canvas.height(), e.frame->data, e.frame->linesize);
        e.frame->pts = frames_;
        status = e.encode(e.frame);
    }
    // A growing file gets the frame's fragment now, not with the next frame.
    if (status >= 0 && settings_.growing) {
        status = av_write_frame(e.format, nullptr);
        avio_flush(e.format->pb);
        if (status >= 0 && e.format->pb->error < 0) status = e.format->pb->error;
    }
    if (status < 0) {
        failure_ = e.io_error.isEmpty() ? av_text(status) : e.io_error;
        return {false, failure_};
    }
    ++frames_;
    return {true, {}};
}

WriteResult VideoWriter::finish() {
    if (!failure_.isEmpty()) return {false, failure_};
    if (!encoder_) return {false, QStringLiteral("the video has no frame")};
    Encoder& e = *encoder_;
    int status = e.encode(nullptr);
    if (status >= 0) status = av_write_trailer(e.format);
    if (status >= 0) {
        avio_flush(e.format->pb);
        if (e.format->pb->error < 0) status = e.format->pb->error;
    }
    if (status < 0) failure_ = e.io_error.isEmpty() ? av_text(status) : e.io_error;
    if (failure_.isEmpty()) {
        if (auto* whole = dynamic_cast<QSaveFile*>(e.file.get()); whole != nullptr && !whole->commit()) {
            failure_ = whole->errorString();
        }
    }
    encoder_.reset();
    if (!failure_.isEmpty()) return {false, failure_};
    failure_ = QStringLiteral("the video is finished");
    return {true, {}};
}

}  // namespace ruvo
