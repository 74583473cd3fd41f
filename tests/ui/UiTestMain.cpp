#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "ui/frame/StartUp.h"

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
    QTemporaryDir config_home;
    ruvo::test::prepare_environment(config_home);
    standard_handler = qInstallMessageHandler(quiet_platform_notes);
    QApplication app(argc, argv);
    ruvo::prepare_application(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
