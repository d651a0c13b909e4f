// SPDX-License-Identifier: MIT
// GoogleTest's main for tests that need pictures and fonts: a GUI application, off screen unless
// the environment names a platform.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
