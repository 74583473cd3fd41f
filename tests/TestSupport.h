#pragma once

#include <QByteArray>
#include <QString>

namespace ruvo::test {

// Writes `content` to dir/name (creating the folder) and returns the full path.
QString write_file(const QString& dir, const QString& name, const QByteArray& content);

// Full path of a fixture in tests/data.
QString fixture(const QString& name);

// Full path of a file of the bundled examples.
QString example(const QString& relative);

}  // namespace ruvo::test
