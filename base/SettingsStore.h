// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// The per-user settings store: section, key, and a 32-bit integer or a text.
// A missing key yields the caller's default; a stored empty text is returned
// as stored. Failures read as a missing key and are never reported.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int ReadInt(std::string_view section, std::string_view key, int defaultValue) = 0;
    // No default means the empty text.
    virtual std::string ReadString(std::string_view section, std::string_view key,
                                   std::optional<std::string_view> defaultValue = std::nullopt) = 0;
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view text) = 0;

    // Between these two a store on disk may keep its writes in memory and
    // store them together, so that the start-up writes its defaults with one
    // rewrite of the file. Reads see each write at once either way.
    virtual void HoldWrites() {}
    virtual void StoreHeldWrites() {}
};
