#include <gtest/gtest.h>

#include <QApplication>

#include "platform/translations.h"

// The main of every test program that needs Qt: widgets, pictures and image plugins all
// want an application object, and the tests run offscreen unless told otherwise. They run in
// English, whatever the desktop's language: a test of another language installs its own.
// (gtest_discover_tests runs the program at build time without the tests' environment, so
// the platform is chosen here rather than in CMake.)
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    platform::Translations english{QLocale(QLocale::English)};
    english.install();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
