// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

#include "base/SettingsStore.h"

// The settings store on QSettings, in a file of the given path (the user's
// is chosen by OpenUserSettingsStore); a section is a QSettings group.
class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(const QString& iniPath);

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::optional<std::string_view> defaultValue = std::nullopt) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override;
    void HoldWrites() override;
    void StoreHeldWrites() override;

private:
    QVariant Read(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, const QVariant& value);

    QSettings settings_;
    bool held_ = false;
    bool heldChanges_ = false;
};
