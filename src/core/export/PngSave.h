#pragma once

#include <QImage>
#include <QString>

#include "data/WholeFile.h"

namespace ruvo {

// Saves a picture as a PNG file of 8-bit RGB: every pixel kept, compressed
// at zlib's fastest level (a plot's few flat colours pack nearly as small as
// at the default level, in a third of the time). An existing file of that
// name is replaced only by a complete picture.
WriteResult save_png(const QImage& picture, const QString& path);

}  // namespace ruvo
