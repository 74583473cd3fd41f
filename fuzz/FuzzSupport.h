#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <cstddef>
#include <cstdint>

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

// Drawing text needs a running application (the font database).
inline void start_application() {
    static int argc = 1;
    static char name[] = "ruvo-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

}  // namespace ruvo::fuzz
