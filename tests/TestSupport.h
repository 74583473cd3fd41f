#pragma once

#include <QByteArray>
#include <QString>

class QTemporaryDir;

namespace ruvo::test {

// Test programs run without a display (unless one is asked for) and keep
// their settings in `config_home`, never in the user's.
void prepare_environment(const QTemporaryDir& config_home);

// Writes `content` to dir/name (creating the folder) and returns the full path.
QString write_file(const QString& dir, const QString& name, const QByteArray& content);

// Full path of a file of the bundled examples.
QString example(const QString& relative);

}  // namespace ruvo::test
