#include "data/FileNames.h"

#include <QFileInfo>

#include "data/FieldReference.h"

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

QString base_name(const QString& path) {
    if (auto reference = field_reference(path)) {
        reference->file = base_name(reference->file);
        return reference->text();
    }
    return path.mid(last_separator(path) + 1);
}

QString folder_part(const QString& path) {
    if (const auto reference = field_reference(path)) return folder_part(reference->file);
    return path.left(last_separator(path) + 1);
}

QString folder_of(const QString& path) {
    if (const auto reference = field_reference(path)) return folder_of(reference->file);
    return folder_part(QFileInfo(path).absoluteFilePath());
}

}  // namespace ruvo
