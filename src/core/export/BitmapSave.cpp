#include "export/BitmapSave.h"

#include <QtEndian>

#include "export/PngSave.h"

#include <algorithm>

namespace ruvo {

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;

void put16(char*& at, quint16 value) {
    qToLittleEndian(value, at);
    at += 2;
}

void put32(char*& at, quint32 value) {
    qToLittleEndian(value, at);
    at += 4;
}

// The file in memory: the two headers, then the rows from the bottom up,
// three bytes a pixel (blue, green, red), each row padded to four bytes.
QByteArray bmp_bytes(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width(), height = rgb.height();
    const qsizetype row_bytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const qsizetype pixel_bytes = row_bytes * height;
    const qsizetype offset = kFileHeaderBytes + kInfoHeaderBytes;
    QByteArray bytes(offset + pixel_bytes, Qt::Uninitialized);
    char* at = bytes.data();
    *at++ = 'B';
    *at++ = 'M';
    put32(at, static_cast<quint32>(bytes.size()));
    put32(at, 0);
    put32(at, static_cast<quint32>(offset));
    put32(at, kInfoHeaderBytes);
    put32(at, static_cast<quint32>(width));
    put32(at, static_cast<quint32>(height));
    put16(at, 1);   // planes
    put16(at, 24);  // bits a pixel
    put32(at, 0);   // no compression
    put32(at, static_cast<quint32>(pixel_bytes));
    put32(at, static_cast<quint32>(rgb.dotsPerMeterX()));
    put32(at, static_cast<quint32>(rgb.dotsPerMeterY()));
    put32(at, 0);  // colours used
    put32(at, 0);  // colours important
    for (int y = 0; y < height; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
        auto* out = reinterpret_cast<unsigned char*>(bytes.data() + offset + row_bytes * y);
        for (int x = 0; x < width; ++x) {
            *out++ = static_cast<unsigned char>(qBlue(pixels[x]));
            *out++ = static_cast<unsigned char>(qGreen(pixels[x]));
            *out++ = static_cast<unsigned char>(qRed(pixels[x]));
        }
        std::fill(out, out + (row_bytes - qsizetype(width) * 3), 0);
    }
    return bytes;
}

}  // namespace

// Encoded here rather than by Qt's writer, which goes through a 24-bit copy
// and a growing buffer: a conversion run saves thousands of these.
WriteResult save_bitmap(const QImage& picture, const QString& path) {
    if (picture.isNull()) return {false, QStringLiteral("there is no picture to save")};
    // The whole picture is encoded before the file is touched, so a failed
    // encoding leaves an earlier file too.
    return write_whole_file(path, bmp_bytes(picture));
}

WriteResult save_picture(const QImage& picture, const QString& path) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return save_png(picture, path);
    return save_bitmap(picture, path);
}

}  // namespace ruvo
