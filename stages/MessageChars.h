// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// The all-clear message as a sequence of pieces: each Shift-JIS character
// that converts to Unicode and back unchanged, or a single byte that does
// not (a stray lead byte, a foreign or unmapped code). Tools use this to
// show a message faithfully and to tell a designer when it is not clean text.
struct MessagePiece {
    std::string bytes;  // one character's Shift-JIS bytes, or one raw byte
    std::string utf8;   // the character in UTF-8; empty for a raw byte
    bool IsRawByte() const { return utf8.empty(); }
};

std::vector<MessagePiece> SplitMessage(std::string_view cp932);

// True when every byte belongs to a character that round-trips.
bool IsCleanCp932(std::string_view cp932);
