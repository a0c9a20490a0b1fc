// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the widget tests inside one QApplication, off screen unless the
// environment chooses another platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

namespace {
// The offscreen platform's own screen is 800 pixels wide, too narrow for
// the view at 100 %; the tests get a wider one.
constexpr char kWideScreen[] =
    R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1200}]})";
}  // namespace

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QTemporaryFile screenConfig;
    if ((platform.isEmpty() || platform == "offscreen") && screenConfig.open()) {
        screenConfig.write(kWideScreen);
        screenConfig.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfig.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
