#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts stored in files are Shift-JIS (code page 932); the program works in
// UTF-8 and converts at the boundary.

// Bytes that do not convert are shown as U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);
// Nothing when the text holds a character that code page 932 lacks.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
