// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/QuotedMessage.h"

#include <optional>

#include "base/Cp932.h"
#include "stages/MessageChars.h"

namespace {
constexpr char kHexDigits[] = "0123456789abcdef";

std::string HexEscape(unsigned char byte) {
    return {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
}

std::string EscapeAscii(char c) {
    switch (c) {
    case '"': return "\\\"";
    case '\\': return "\\\\";
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return HexEscape(byte);
    return std::string(1, c);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads the escape after a backslash at `at`; returns the byte and moves past it.
std::optional<char> ReadEscape(std::string_view body, std::size_t& at) {
    if (at + 1 >= body.size()) return std::nullopt;
    const char kind = body[at + 1];
    at += 2;
    switch (kind) {
    case '"': return '"';
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'x': {
        if (at + 2 > body.size()) return std::nullopt;
        const int high = HexValue(body[at]);
        const int low = HexValue(body[at + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        at += 2;
        return static_cast<char>(high * 16 + low);
    }
    default: return std::nullopt;
    }
}
}  // namespace

std::string QuoteMessage(std::string_view cp932) {
    std::string quoted = "\"";
    for (const MessagePiece& piece : SplitMessage(cp932)) {
        if (piece.IsRawByte())
            quoted += HexEscape(static_cast<unsigned char>(piece.bytes[0]));
        else if (piece.bytes.size() == 1 && static_cast<unsigned char>(piece.bytes[0]) < 0x80)
            quoted += EscapeAscii(piece.bytes[0]);
        else
            quoted += piece.utf8;
    }
    return quoted + "\"";
}

std::variant<std::string, UnquoteError> UnquoteMessage(std::string_view quoted) {
    if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"')
        return UnquoteError{"the message must be written in double quotes"};
    const std::string_view body = quoted.substr(1, quoted.size() - 2);
    std::string cp932;
    std::string literal;  // UTF-8 text waiting to be converted
    auto flushLiteral = [&]() -> bool {
        if (literal.empty()) return true;
        const std::optional<std::string> converted = Utf8ToCp932(literal);
        if (!converted) return false;
        cp932 += *converted;
        literal.clear();
        return true;
    };
    std::size_t at = 0;
    while (at < body.size()) {
        if (body[at] == '"') return UnquoteError{"a double quote inside the message must be written \\\""};
        if (body[at] != '\\') {
            literal += body[at++];
            continue;
        }
        const std::size_t escapeAt = at;
        const std::optional<char> byte = ReadEscape(body, at);
        if (!byte) return UnquoteError{"bad escape \"" + std::string(body.substr(escapeAt, 4)) + "\""};
        if (!flushLiteral()) return UnquoteError{"the message holds a character that Shift-JIS lacks"};
        cp932 += *byte;
    }
    if (!flushLiteral()) return UnquoteError{"the message holds a character that Shift-JIS lacks"};
    return cp932;
}
