// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// The text cut to at most size bytes, never inside a UTF-8 character: a
// name shortened to fit a limit must stay a name the file system shows.
inline std::string CutUtf8(std::string text, std::size_t size) {
    if (text.size() <= size) return text;
    while (size > 0 && (static_cast<unsigned char>(text[size]) & 0xC0) == 0x80) --size;  // a continuation byte
    text.resize(size);
    return text;
}
