#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include "data/WholeFile.h"

namespace ruvo {

enum class PictureFormat { Bmp, Png };

// How the pictures of a series (a conversion, a batch, follow mode's
// numbered pictures) are written. Left at its defaults, they are written as
// they always were: bitmaps named after their data files, each drawn with
// its own file's range. Follow mode takes the format and the label.
struct SeriesPictures {
    PictureFormat format = PictureFormat::Bmp;
    bool numbered = false;      // named 0001, 0002, ... in the order of the list
    bool labelled = false;      // the data file's name written into a corner
    bool series_range = false;  // every picture drawn with the range of the whole series
};

// ".bmp" or ".png".
QString picture_suffix(PictureFormat format);

// The picture of file `k` of `files` in `folder`: named after the data file
// (its extension replaced), or numbered from 0001 in the list's order, with
// as many digits as the list's length needs and at least four.
QString series_picture_name(const QString& folder, const QStringList& files, qsizetype k,
                            const SeriesPictures& pictures);

// Saves `picture` as `format`, replacing a file of that name only by a complete one.
WriteResult save_series_picture(const QImage& picture, const QString& path, PictureFormat format);

}  // namespace ruvo
