#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <string_view>

namespace ruvo {

// The contents of a file read in one go into memory. Only regular files are
// read: a pipe or a device may block forever or never end. A file larger
// than `max_bytes` is refused before it is read.
struct WholeFile {
    enum class Failure { None, CannotOpen, NotAFile, TooLarge };

    Failure failure = Failure::None;
    QByteArray bytes;
    QString reason;  // the failure in words (the system's text when it could not be opened)

    bool ok() const { return failure == Failure::None; }
};

WholeFile read_whole_file(const QString& path, qint64 max_bytes);

// The same, with a bound judged from the file's first kHeadBytes bytes (all
// of a smaller file), as a header that tells how much data follows.
inline constexpr qint64 kHeadBytes = 4096;
using SizeCap = std::function<qint64(std::string_view head)>;
WholeFile read_whole_file(const QString& path, const SizeCap& max_bytes);

struct WriteResult {
    bool ok = false;
    QString error;  // the system's reason when the file could not be written
};

// Writes `bytes` as the whole of the file `path`, replacing a file of that
// name only once they are all on disk: a failure (an unwritable folder, a
// full disk) leaves an earlier file as it was.
WriteResult write_whole_file(const QString& path, const QByteArray& bytes);

}  // namespace ruvo
