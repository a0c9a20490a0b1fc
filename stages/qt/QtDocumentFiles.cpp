// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/qt/QtDocumentFiles.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/posix/SafeFiles.h"

FileReadResult QtDocumentFiles::ReadFile(const std::string& path, std::size_t maxBytes) {
    return SafeFiles::ReadRegularFile(path, maxBytes).file;
}

FileWriteResult QtDocumentFiles::ReplaceFile(const std::string& path, std::string_view bytes) {
    return SafeFiles::ReplaceFile(path, bytes).file;
}

std::string QtDocumentFiles::FullPathOf(const std::string& path) {
    if (path.empty()) return {};
    return QDir::cleanPath(QFileInfo(QString::fromStdString(path)).absoluteFilePath()).toStdString();
}

bool QtDocumentFiles::CanCreateFilesIn(const std::string& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string QtDocumentFiles::DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir::cleanPath(folder).toStdString() + '/';
}
