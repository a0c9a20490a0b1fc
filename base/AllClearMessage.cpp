// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/AllClearMessage.h"

#include "base/Cp932.h"

namespace {
constexpr std::string_view kStoredBreak = "\r\n";
constexpr char kEditBreak = '\n';
constexpr char kMissingChar = '?';

// The bytes a character takes in the field; 0 for one it cannot hold.
std::size_t StoredSize(const Cp932Char& c) {
    if (c.utf8.size() == 1 && c.utf8[0] == kEditBreak) return kStoredBreak.size();
    return c.cp932.size();
}
}  // namespace

std::string ToStoredLineBreaks(std::string_view editText) {
    std::string stored;
    stored.reserve(editText.size());
    for (const char c : editText) {
        if (c == kEditBreak)
            stored.append(kStoredBreak);
        else
            stored.push_back(c);
    }
    return stored;
}

std::string ToEditLineBreaks(std::string_view storedText) {
    std::string text;
    text.reserve(storedText.size());
    for (std::size_t at = 0; at < storedText.size(); ++at) {
        if (storedText.substr(at, kStoredBreak.size()) == kStoredBreak) {
            text.push_back(kEditBreak);
            ++at;
        } else {
            text.push_back(storedText[at]);
        }
    }
    return text;
}

std::string MessageToCp932(std::string_view storedText) {
    std::string bytes;
    for (const Cp932Char& c : SplitToCp932(storedText)) {
        if (c.cp932.empty())
            bytes.push_back(kMissingChar);
        else
            bytes.append(c.cp932);
    }
    return bytes;
}

std::size_t MessageSize(std::string_view editText) { return MessageToCp932(ToStoredLineBreaks(editText)).size(); }

std::string FitInsertion(std::string_view insertedText, std::size_t room) {
    std::string taken;
    for (const Cp932Char& c : SplitToCp932(insertedText)) {
        const std::size_t size = StoredSize(c);
        if (size == 0 || c.utf8 == "\r" || c.utf8[0] == '\0') continue;  // a zero would end the field
        if (size > room) break;
        room -= size;
        taken.append(c.utf8);
    }
    return taken;
}
