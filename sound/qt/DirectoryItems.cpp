// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/DirectoryItems.h"

#include <QDir>
#include <QFileInfo>

std::optional<std::vector<DirectoryItem>> ReadDirectoryItems(const std::string& directory) {
    const QDir dir(QString::fromStdString(directory));
    if (!dir.exists() || !QFileInfo(dir.absolutePath()).isReadable()) return std::nullopt;
    std::vector<DirectoryItem> items;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo& entry : entries) items.push_back({entry.fileName().toStdString(), entry.isDir()});
    return items;
}
