#include "export/PngSave.h"

#include <QtEndian>

#include <zlib.h>

#include <memory>
#include <vector>

namespace ruvo {

namespace {

void put32(QByteArray& bytes, quint32 value) {
    char big_endian[4];
    qToBigEndian(value, big_endian);
    bytes.append(big_endian, 4);
}

// A chunk: its length, type and data, and the CRC of type and data.
void put_chunk(QByteArray& bytes, const char* type, const QByteArray& data) {
    put32(bytes, static_cast<quint32>(data.size()));
    const qsizetype start = bytes.size();
    bytes.append(type, 4);
    bytes.append(data);
    put32(bytes, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData() + start),
                                            static_cast<uInt>(bytes.size() - start))));
}

QByteArray header_chunk(const QImage& picture) {
    QByteArray data;
    put32(data, static_cast<quint32>(picture.width()));
    put32(data, static_cast<quint32>(picture.height()));
    data.append("\x08\x02\x00\x00\x00", 5);  // 8 bits a sample, RGB, deflate, adaptive filters, no interlace
    return data;
}

// The picture's resolution, in dots per metre, so that it prints at its size.
QByteArray resolution_chunk(const QImage& picture) {
    QByteArray data;
    put32(data, static_cast<quint32>(picture.dotsPerMeterX()));
    put32(data, static_cast<quint32>(picture.dotsPerMeterY()));
    data.append('\x01');
    return data;
}

// The rows, each as the difference to the pixel on its left (filter "Sub"),
// deflated into one stream; empty when zlib fails.
QByteArray image_data(const QImage& rgb) {
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) return {};
    const std::unique_ptr<z_stream, int (*)(z_stream*)> end(&stream, deflateEnd);
    const int width = rgb.width(), height = rgb.height();
    const std::size_t row_bytes = 1 + 3 * static_cast<std::size_t>(width);
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(row_bytes * height))),
                   Qt::Uninitialized);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    std::vector<unsigned char> row(row_bytes);
    row[0] = 1;  // Sub
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        unsigned char* at = row.data() + 1;
        QRgb left = 0;
        for (int x = 0; x < width; ++x) {
            *at++ = static_cast<unsigned char>(qRed(pixels[x]) - qRed(left));
            *at++ = static_cast<unsigned char>(qGreen(pixels[x]) - qGreen(left));
            *at++ = static_cast<unsigned char>(qBlue(pixels[x]) - qBlue(left));
            left = pixels[x];
        }
        stream.next_in = row.data();
        stream.avail_in = static_cast<uInt>(row_bytes);
        const bool last = y + 1 == height;
        const int status = deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH);
        if (status != (last ? Z_STREAM_END : Z_OK)) return {};
    }
    out.resize(static_cast<qsizetype>(stream.total_out));
    return out;
}

}  // namespace

WriteResult save_png(const QImage& picture, const QString& path) {
    if (picture.isNull()) return {false, QStringLiteral("there is no picture to save")};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const QByteArray compressed = image_data(rgb);
    if (compressed.isEmpty()) return {false, QStringLiteral("the picture cannot be compressed")};
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    put_chunk(bytes, "IHDR", header_chunk(rgb));
    put_chunk(bytes, "pHYs", resolution_chunk(rgb));
    put_chunk(bytes, "IDAT", compressed);
    put_chunk(bytes, "IEND", {});
    return write_whole_file(path, bytes);
}

}  // namespace ruvo
