#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "plot/Fonts.h"

int main(int argc, char** argv) {
    QTemporaryDir config_home;
    ruvo::test::prepare_environment(config_home);
    QGuiApplication app(argc, argv);
    ruvo::register_font_substitutions();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
