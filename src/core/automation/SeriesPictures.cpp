#include "automation/SeriesPictures.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

#include "export/BitmapSave.h"
#include "export/PngSave.h"

namespace ruvo {

namespace {
constexpr qsizetype kLeastNumberDigits = 4;
}  // namespace

QString picture_suffix(PictureFormat format) {
    return format == PictureFormat::Png ? QStringLiteral(".png") : QStringLiteral(".bmp");
}

QString series_picture_name(const QString& folder, const QStringList& files, qsizetype k,
                            const SeriesPictures& pictures) {
    QString stem;
    if (pictures.numbered) {
        const auto digits = static_cast<int>(std::max(kLeastNumberDigits, QString::number(files.size()).size()));
        stem = QStringLiteral("%1").arg(k + 1, digits, 10, QLatin1Char('0'));
    } else {
        const QString name = QFileInfo(files.at(k)).fileName();
        const qsizetype dot = name.lastIndexOf(u'.');
        stem = dot < 0 ? name : name.left(dot);
    }
    return QDir(folder).filePath(stem + picture_suffix(pictures.format));
}

WriteResult save_series_picture(const QImage& picture, const QString& path, PictureFormat format) {
    return format == PictureFormat::Png ? save_png(picture, path) : save_bitmap(picture, path);
}

}  // namespace ruvo
