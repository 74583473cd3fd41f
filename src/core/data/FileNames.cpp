#include "data/FileNames.h"

#include <QFileInfo>

namespace ruvo {

namespace {
qsizetype last_separator(const QString& path) {
    for (qsizetype k = path.size() - 1; k >= 0; --k) {
        const QChar c = path[k];
        if (c == u'\\' || c == u'/' || c == u':') return k;
    }
    return -1;
}
}  // namespace

QString base_name(const QString& path) { return path.mid(last_separator(path) + 1); }

QString folder_part(const QString& path) { return path.left(last_separator(path) + 1); }

QString folder_of(const QString& path) { return folder_part(QFileInfo(path).absoluteFilePath()); }

}  // namespace ruvo
