#include "data/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

WriteResult write_whole_file(const QString& path, const QByteArray& bytes) {
    // Written beside the old file and renamed over it only when complete.
    // Unbuffered, with every write checked: a buffered QSaveFile commits a
    // file cut short when the disk fills up (the failed flush goes unnoticed).
    // A short write is followed by another, which then fails with the
    // system's reason. An uncommitted QSaveFile removes its temporary file.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return {false, out.errorString()};
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return {false, out.errorString()};
        done += written;
    }
    if (!out.commit()) return {false, out.errorString()};
    return {true, {}};
}

}  // namespace ruvo
