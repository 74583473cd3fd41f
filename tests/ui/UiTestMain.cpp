#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/Messages.h"
#include "plot/Fonts.h"

namespace {

QtMessageHandler standard_handler = nullptr;

// The offscreen platform says on every window that it cannot pass size hints
// on, and on every menu that it cannot raise it or grab the keyboard.
void quiet_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("propagateSizeHints"))) return;
    if (message.startsWith(QStringLiteral("This plugin does not support"))) return;
    standard_handler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // The windows are tested without a display, and never touch the user's settings.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config_home;
    qputenv("XDG_CONFIG_HOME", config_home.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::tempPath() + "/ruvo-test-runtime";
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    }
    standard_handler = qInstallMessageHandler(quiet_platform_notes);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ruvo::messages::kApplicationTitle));
    ruvo::register_font_substitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
