#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <csignal>

#include <sys/resource.h>

#include "data/FieldStore.h"

class QImage;
class QTemporaryDir;

namespace ruvo {
struct View_Info;
}

namespace ruvo::test {

// Test programs run without a display (unless one is asked for) and keep
// their settings in `config_home`, never in the user's.
void prepare_environment(const QTemporaryDir& config_home);

// Writes `content` to dir/name (creating the folder) and returns the full path.
QString write_file(const QString& dir, const QString& name, const QByteArray& content);

// Full path of a file of the bundled examples.
QString example(const QString& relative);

// The view of the first file of `kind` in a sample project, adjusted, as
// the window draws it.
QImage sample_picture(const QString& project, FileKind kind, void (*adjust)(View_Info&));

// The smallest rectangle holding every pixel in which two pictures of one
// size differ; empty when none does.
QRect changed_area(const QImage& a, const QImage& b);

// Runs `write` with files limited to `bytes` bytes, so that writing fails
// the way it does on a full disk; returns what `write` returns.
auto with_file_size_limit(rlim_t bytes, auto write) {
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    const rlimit limited{bytes, previous.rlim_max};
    const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    auto result = write();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previous_handler);
    return result;
}

}  // namespace ruvo::test
