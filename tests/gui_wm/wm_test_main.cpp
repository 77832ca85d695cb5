// The window-manager tests run on a real X server under a real window manager
// (run-under-wm.sh starts both); they refuse to run anywhere else, since the
// offscreen platform stacks and activates windows as no desktop does.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QLatin1String("xcb") ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "These tests need the xcb platform on an X display with a window "
                             "manager: run them through run-under-wm.sh.\n");
        return 1;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
