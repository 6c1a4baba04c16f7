// Test entry for tests that need a QApplication. The whole binary runs under a
// German locale, so that any number printed with a decimal comma shows up.
#include "platform/qt/Application.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    setenv("LANG", "de_DE.UTF-8", 1);
    if (getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
