// Test main for window tests: one QApplication on the offscreen platform for the whole binary.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "ui/Fonts.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Keep the settings of the user running the tests out of reach.
    if (!std::getenv("KV_KEEP_XDG")) {
        static std::string dir = "/tmp/kvelli-test-home-" + std::to_string(::getpid());
        ::setenv("XDG_CONFIG_HOME", (dir + "/config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
    }
    QApplication app(argc, argv);
    kv::ui::InstallFontSubstitutes();
    QApplication::setApplicationName(QStringLiteral("kvelli99"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
