// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts stored in files are Shift-JIS (code page 932); the program works in
// UTF-8 and converts at the boundary.

// Bytes that do not convert are shown as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);
// Nothing when the text holds a character that code page 932 lacks.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Each character of a UTF-8 text in order, with its code page 932 bytes;
// the bytes are empty for a character that code page lacks.
struct Cp932Char {
    std::string utf8;
    std::string cp932;
};
std::vector<Cp932Char> SplitToCp932(std::string_view utf8);
