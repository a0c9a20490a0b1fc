// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "shell/qt/CBlockApp.h"
#include "shell/qt/FontWarmUp.h"
#include "shell/qt/Translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Desktops match the window to the installed entry and its icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("zembrovaltine"));
    const FontWarmUp fonts;  // while the window is built
    InstallJapaneseTranslations(app);
    CBlockApp blockApp;
    // Without a stage set there is no window, and so nothing to run; a
    // signal during the start-up ends the program there.
    if (!blockApp.InitInstance()) return 0;
    return QApplication::exec();
}
