#pragma once

#include <QImage>
#include <QString>

#include "data/WholeFile.h"

namespace ruvo {

// Saves a view's picture as a Windows bitmap (BMP) file of 24 bits per pixel:
// exactly its pixels at its size, every colour kept. An existing file of
// that name is replaced, but only by a complete picture: a failure leaves it
// as it was and gives the system's reason.
WriteResult save_bitmap(const QImage& picture, const QString& path);

// Saves the picture in the format its name ends in: a PNG file for ".png",
// a bitmap for any other name.
WriteResult save_picture(const QImage& picture, const QString& path);

}  // namespace ruvo
