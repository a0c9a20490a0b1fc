// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/QtSettingsStore.h"

#include <limits>

#include "base/qt/QtText.h"

namespace {
QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}
}  // namespace

QtSettingsStore::QtSettingsStore(const QString& iniPath) : settings_(iniPath, QSettings::IniFormat) {}

QVariant QtSettingsStore::Read(std::string_view section, std::string_view key) const {
    return settings_.value(KeyPath(section, key));
}

void QtSettingsStore::Write(std::string_view section, std::string_view key, const QVariant& value) {
    const QString path = KeyPath(section, key);
    // The file as it is now, with what another instance may have written
    // since, decides whether there is anything to store. While changes are
    // held, a sync would store them, and the file was read at the first.
    if (!heldChanges_) settings_.sync();
    // Storing what the file already holds would cost only a flush to disk;
    // every start writes its zoom again. The file keeps texts, so a number
    // and its text are the same entry.
    if (const QVariant stored = settings_.value(path); stored.isValid() && stored.toString() == value.toString())
        return;
    settings_.setValue(path, value);
    if (held_)
        heldChanges_ = true;
    else
        settings_.sync();
}

void QtSettingsStore::HoldWrites() { held_ = true; }

void QtSettingsStore::StoreHeldWrites() {
    held_ = false;
    if (!heldChanges_) return;
    heldChanges_ = false;
    // Only the keys written here replace the file's; the rest of it stays
    // as another instance may have left it.
    settings_.sync();
}

int QtSettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) {
    const QVariant value = Read(section, key);
    bool ok = false;
    // Read wide: QVariant's toInt would wrap a number beyond 32 bits into range.
    const qlonglong number = value.toLongLong(&ok);
    // A key that is missing or holds no 32-bit integer reads as missing.
    if (!value.isValid() || !ok) return defaultValue;
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max()) return defaultValue;
    return static_cast<int>(number);
}

std::string QtSettingsStore::ReadString(std::string_view section, std::string_view key,
                                        std::optional<std::string_view> defaultValue) {
    const QVariant value = Read(section, key);
    if (!value.isValid()) return std::string(defaultValue.value_or(std::string_view{}));
    return value.toString().toStdString();
}

void QtSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    Write(section, key, value);
}

void QtSettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view text) {
    Write(section, key, ToQString(text));
}
