#include "data/WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace ruvo {

namespace {
WholeFile failed(WholeFile::Failure failure, const QString& reason) {
    WholeFile file;
    file.failure = failure;
    file.reason = reason;
    return file;
}

WholeFile too_large(qint64 max_bytes) {
    return failed(WholeFile::Failure::TooLarge,
                  QStringLiteral("it is larger than %1 MB, more than a file of its kind can hold")
                      .arg(max_bytes / (1024 * 1024)));
}
}  // namespace

WholeFile read_whole_file(const QString& path, qint64 max_bytes) {
    // Checked before opening: opening a pipe for reading waits for a writer.
    // A missing file is left to the opening, which gives the system's reason.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        return failed(WholeFile::Failure::NotAFile,
                      QStringLiteral("it is not a regular file but a folder, pipe or device"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failed(WholeFile::Failure::CannotOpen, file.errorString());
    if (file.size() > max_bytes) return too_large(max_bytes);
    // Read, not mapped: a solver that rewrites the file truncates it first,
    // and a mapped page past the new end faults. A read just gets less.
    WholeFile whole;
    whole.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return failed(WholeFile::Failure::CannotOpen, file.errorString());
    if (whole.bytes.size() > max_bytes) return too_large(max_bytes);  // grew while being read
    return whole;
}

}  // namespace ruvo
