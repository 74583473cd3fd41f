#include "export/BitmapSave.h"

#include <QBuffer>
#include <QImageWriter>

namespace ruvo {

WriteResult save_bitmap(const QImage& picture, const QString& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt's writer keeps the depth of 1- and 8-bit pictures and may write 32
    // bits with alpha; three bytes a pixel are the one form every reader
    // takes and hold every colour of a plot.
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) return {false, writer.errorString()};
    // The whole picture is encoded before the file is touched, so a failed
    // encoding leaves an earlier file too.
    return write_whole_file(path, bytes);
}

}  // namespace ruvo
