// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/UserSettingsStore.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/MemorySettingsStore.h"
#include "base/qt/QtSettingsStore.h"

QString UserSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

std::unique_ptr<SettingsStore> OpenUserSettingsStore() {
    const QString path = UserSettingsPath();
    // Checked before QSettings opens it, which it does as soon as it exists.
    // A link counts as what it names.
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return std::make_unique<QtSettingsStore>(path);
    std::fprintf(stderr,
                 "zembrovaltine: the settings file %s is not a regular file; the program runs with the default "
                 "settings and stores none of them.\n",
                 path.toLocal8Bit().constData());
    return std::make_unique<MemorySettingsStore>();
}
