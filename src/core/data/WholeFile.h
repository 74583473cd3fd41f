#pragma once

#include <QByteArray>
#include <QString>

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

struct WriteResult {
    bool ok = false;
    QString error;  // the system's reason when the file could not be written
};

// Writes `bytes` as the whole of the file `path`, replacing a file of that
// name only once they are all on disk: a failure (an unwritable folder, a
// full disk) leaves an earlier file as it was.
WriteResult write_whole_file(const QString& path, const QByteArray& bytes);

}  // namespace ruvo
