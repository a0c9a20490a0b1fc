// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <variant>

// The all-clear message written as a double-quoted UTF-8 string. Control
// characters, quotes and backslashes are escaped (\n \r \t \" \\), and any
// byte that is not part of a clean Shift-JIS character is written \xhh, so
// unquoting gives back exactly the bytes that were quoted.
std::string QuoteMessage(std::string_view cp932);

struct UnquoteError {
    std::string message;
};
// The Shift-JIS bytes of a quoted message, or why it cannot be read.
std::variant<std::string, UnquoteError> UnquoteMessage(std::string_view quoted);
