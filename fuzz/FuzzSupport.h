#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/NumberLexer.h"
#include "data/ResultReader.h"

namespace ruvo::fuzz {

// The readers take a path, as the program gives them: each input is written
// to a file of its own in memory-backed storage first.
inline QString input_file(const std::uint8_t* data, std::size_t size, const char* name = "input") {
    static const QString folder = [] {
        const QString dir =
            QDir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                .filePath(QStringLiteral("ruvo-fuzz-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(dir);
        return dir;
    }();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    return path;
}

// The program makes its tables as large as a header asks, up to half of
// the machine's memory; the fuzzer's limits of memory and time are far
// smaller. An input whose header asks for tables of more than `max_nodes`
// nodes is left out. A header cut short keeps the store's values for the
// rest, which are 0 in a fresh store.
inline bool header_fits(const QByteArray& text, long long max_nodes) {
    NumberLexer lexer(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    long long header[4] = {};
    for (long long& value : header) {
        const NumberLexer::Integer number = lexer.next_integer();
        if (number.status != NumberLexer::Status::Ok) break;
        value = number.value;
    }
    // An index beyond the readers' range refuses the header: no tables.
    const auto side = [](long long last) { return last < 0 || last > ruvo::kMaxHeaderIndex ? 0LL : last + 1; };
    return side(header[1]) * side(header[3]) <= max_nodes;
}

// Drawing text needs a running application (the font database).
inline void start_application() {
    static int argc = 1;
    static char name[] = "ruvo-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

}  // namespace ruvo::fuzz
