#include "data/WholeFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "Texts.h"

namespace ruvo {

namespace {
WholeFile failed(WholeFile::Failure failure, const QString& reason) {
    WholeFile file;
    file.failure = failure;
    file.reason = reason;
    return file;
}

WholeFile not_a_file() { return failed(WholeFile::Failure::NotAFile, QString::fromUtf8(messages::kNotRegularFile)); }

bool is_there_but_not_a_file(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

WholeFile too_large(qint64 max_bytes) {
    return failed(WholeFile::Failure::TooLarge,
                  QStringLiteral("it is larger than %1 MB, more than a file of its kind can hold")
                      .arg(max_bytes / (1024 * 1024)));
}
}  // namespace

WholeFile read_whole_file(const QString& path, qint64 max_bytes) {
    return read_whole_file(path, [max_bytes](std::string_view) { return max_bytes; });
}

WholeFile read_whole_file(const QString& path, const SizeCap& cap) {
    // Devices are not even opened when the name already shows one. A missing
    // file is left to the opening, which gives the system's reason.
    if (is_there_but_not_a_file(path)) return not_a_file();
    // The file may have been swapped since: opened without blocking (opening
    // a pipe for reading would wait for a writer), and judged by what was
    // opened. On a regular file the flag changes nothing.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failed(WholeFile::Failure::CannotOpen, qt_error_string(errno));
    if (struct stat opened{}; ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return not_a_file();
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(WholeFile::Failure::CannotOpen, file.errorString());
    }
    const QByteArray head = file.peek(kHeadBytes);
    const qint64 max_bytes = cap(std::string_view(head.constData(), std::size_t(head.size())));
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
    // A pipe or device would be replaced by a regular file rather than written.
    if (is_there_but_not_a_file(path)) return {false, QString::fromUtf8(messages::kNotRegularFile)};
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
