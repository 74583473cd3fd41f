#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include "Workspace.h"
#include "plot/PlotContext.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/ViewOpening.h"

namespace ruvo::test {

void prepare_environment(const QTemporaryDir& config_home) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", config_home.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + "/ruvo-test-runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
}

QString write_file(const QString& dir, const QString& name, const QByteArray& content) {
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(content);
    return path;
}

QString example(const QString& relative) { return QDir(QStringLiteral(RUVO_EXAMPLES_DIR)).filePath(relative); }

QImage sample_picture(const QString& project, FileKind kind, void (*adjust)(View_Info&)) {
    auto ws = std::make_unique<Workspace>();
    EXPECT_TRUE(load_project(*ws, example(project)).project.ok);
    const OpenViewResult opened = open_view(*ws, kind, 0);
    adjust(ws->views.at(opened.slot));
    QImage image;
    NoProgress progress;
    NoStatusBoxes status;
    EXPECT_TRUE(render_view(*ws, opened.slot, image, progress, status).ok());
    return image;
}

QRect changed_area(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32), second = b.convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            if (first.pixel(x, y) != second.pixel(x, y)) area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

}  // namespace ruvo::test
