#include "TestSupport.h"

#include <QDir>
#include <QFile>

namespace ruvo::test {

QString write_file(const QString& dir, const QString& name, const QByteArray& content) {
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(content);
    return path;
}

QString fixture(const QString& name) { return QDir(QStringLiteral(RUVO_TEST_DATA_DIR)).filePath(name); }

QString example(const QString& relative) {
    return QDir(QStringLiteral(RUVO_EXAMPLES_DIR)).filePath(relative);
}

}  // namespace ruvo::test
