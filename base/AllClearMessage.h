// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The all-clear message as the message dialog edits it. The document keeps
// it in Shift-JIS in a field of kMessageFieldBytes with its terminating
// zero, so the text may take one byte less, a double-byte character counting
// two and each line break two (CR LF, as the field has always held it). The
// edit box shows line breaks as LF alone.
inline constexpr std::size_t kMessageFieldBytes = 256;
inline constexpr std::size_t kMessageLimitBytes = kMessageFieldBytes - 1;

// Line breaks as the field holds them (CR LF) and as the edit box shows them (LF).
std::string ToStoredLineBreaks(std::string_view editText);
std::string ToEditLineBreaks(std::string_view storedText);

// The Shift-JIS bytes of a message with CR LF line breaks; a character that
// code page 932 lacks (a byte that was not clean text reads back as U+FFFD)
// becomes "?", so every text has bytes to store.
std::string MessageToCp932(std::string_view storedText);
// How many bytes the text in the edit box takes in the field.
std::size_t MessageSize(std::string_view editText);

// What of a text typed or pasted into the edit box it takes: characters
// that code page 932 lacks are dropped, a stray CR too (Enter gives LF),
// and the text stops at the first character that needs more than the
// `room` bytes left.
std::string FitInsertion(std::string_view insertedText, std::size_t room);
