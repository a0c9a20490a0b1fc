// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>

#include "base/SettingsStore.h"

// A settings store held in memory, for tests and the command-line tool.
class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<int, std::string>;
    using Key = std::pair<std::string, std::string>;  // section, key

    int ReadInt(std::string_view section, std::string_view key, int defaultValue) override;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::optional<std::string_view> defaultValue = std::nullopt) override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    void WriteString(std::string_view section, std::string_view key, std::string_view text) override;

    bool Contains(std::string_view section, std::string_view key) const;
    const std::map<Key, Value>& Values() const { return values_; }

private:
    std::map<Key, Value> values_;
};
