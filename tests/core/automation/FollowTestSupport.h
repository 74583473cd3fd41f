#pragma once

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "Workspace.h"
#include "automation/FollowEngine.h"
#include "view/ViewOpening.h"

namespace ruvo::test {

class ManualClock final : public FollowClock {
public:
    qint64 elapsed_ms() const override { return now; }
    qint64 now = 0;
};

// Node lines of the cylinder's result file `name` with every value times `factor`.
inline QByteArray scaled_file(const QString& name, double factor) {
    QFile original(example(QStringLiteral("cylinder/") + name));
    original.open(QIODevice::ReadOnly);
    const QList<QByteArray> lines = original.readAll().split('\n');
    QByteArray scaled = lines.first() + '\n';
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (lines[n].trimmed().isEmpty()) continue;
        for (const QByteArray& value : lines[n].simplified().split(' ')) {
            scaled += QByteArray::number(value.toDouble() * factor, 'E', 6) + ' ';
        }
        scaled += '\n';
    }
    return scaled;
}

// Writes over the file itself, as a solver does: a reader may see it half
// written. Without truncation the old text stays beyond the bytes written.
inline void write_in_place(const QString& path, const QByteArray& bytes, bool truncate = true) {
    QFile file(path);
    file.open(truncate ? QIODevice::WriteOnly | QIODevice::Truncate : QIODevice::ReadWrite);
    file.write(bytes);
}

// The cylinder project copied into a folder of its own and opened, with a
// grid view (slot 1), a vector view (2), a contour view of CYLINDER.P (3)
// and a fill view of CYLINDER.K (4).
struct FollowedCylinder {
    QTemporaryDir dir;
    std::unique_ptr<Workspace> ws = std::make_unique<Workspace>();
    std::array<QImage, 4> pictures;
    std::vector<FollowWindow> windows;
    int bumps = 0;

    FollowedCylinder() {
        for (const char* name : {"cylinder.RVP", "CYLINDER.GRD", "CYLINDER.V", "CYLINDER.P", "CYLINDER.K"}) {
            QFile::copy(example(QStringLiteral("cylinder/") + name), path(name));
        }
        load_project(*ws, path("cylinder.RVP"));
        open_view(*ws, FileKind::Grid);
        open_view(*ws, FileKind::Vector, 0);
        open_view(*ws, FileKind::Scalar, 0);
        open_view(*ws, FileKind::Scalar, 1);
        ws->views.at(4).ScalarViewType = kFillView;
        for (int n = 0; n < 4; ++n) windows.push_back({n + 1, &pictures.at(n)});
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Writes the file in place, as a solver does, and gives it a stamp of its own.
    void rewrite(const char* name, const QByteArray& bytes, bool truncate = true) {
        write_in_place(path(name), bytes, truncate);
        const std::filesystem::path written(QFile::encodeName(path(name)).toStdString());
        std::filesystem::last_write_time(written,
                                         std::filesystem::last_write_time(written) + std::chrono::seconds(++bumps));
    }
};

}  // namespace ruvo::test
