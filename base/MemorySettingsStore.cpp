// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/MemorySettingsStore.h"

namespace {
MemorySettingsStore::Key MakeKey(std::string_view section, std::string_view key) {
    return {std::string(section), std::string(key)};
}
}  // namespace

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view key, int defaultValue) {
    const auto found = values_.find(MakeKey(section, key));
    if (found == values_.end()) return defaultValue;
    const int* value = std::get_if<int>(&found->second);
    return value != nullptr ? *value : defaultValue;
}

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key,
                                            std::optional<std::string_view> defaultValue) {
    const auto found = values_.find(MakeKey(section, key));
    if (found != values_.end()) {
        if (const auto* text = std::get_if<std::string>(&found->second)) return *text;
    }
    return std::string(defaultValue.value_or(std::string_view{}));
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    values_[MakeKey(section, key)] = value;
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view text) {
    values_[MakeKey(section, key)] = std::string(text);
}

bool MemorySettingsStore::Contains(std::string_view section, std::string_view key) const {
    return values_.count(MakeKey(section, key)) != 0;
}
