// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/MessageChars.h"

#include <algorithm>

#include "base/Cp932.h"

namespace {
bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// How many bytes the character starting at `at` claims, before conversion.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (!IsLeadByte(lead)) return 1;
    if (at + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[at + 1]))) return 2;
    return 1;
}

// Some codes (the NEC and IBM duplicates, for example) come back as a
// different code after a trip through Unicode; those are kept as raw bytes
// so that nothing changes on the way back.
std::string RoundTripUtf8(std::string_view character) {
    if (character.size() == 1 && static_cast<unsigned char>(character[0]) < 0x80) return std::string(character);
    std::string utf8 = Cp932ToUtf8(character);
    const std::optional<std::string> back = Utf8ToCp932(utf8);
    if (!back || *back != character) return {};
    return utf8;
}
}  // namespace

std::vector<MessagePiece> SplitMessage(std::string_view cp932) {
    std::vector<MessagePiece> pieces;
    std::size_t at = 0;
    while (at < cp932.size()) {
        const std::size_t length = CharacterLength(cp932, at);
        const std::string_view character = cp932.substr(at, length);
        std::string utf8 = RoundTripUtf8(character);
        if (!utf8.empty()) {
            pieces.push_back({std::string(character), std::move(utf8)});
            at += length;
        } else {
            // Only the first byte is given up on: its neighbour may still
            // start a good character.
            pieces.push_back({std::string(1, cp932[at]), {}});
            ++at;
        }
    }
    return pieces;
}

bool IsCleanCp932(std::string_view cp932) {
    const std::vector<MessagePiece> pieces = SplitMessage(cp932);
    return std::none_of(pieces.begin(), pieces.end(), [](const MessagePiece& p) { return p.IsRawByte(); });
}
