// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// Identifiers of the program's numbered texts, as the resources give them.
namespace StringId {
inline constexpr int NoBlocks = 7;
inline constexpr int MidiFilter = 8;
inline constexpr int Close = 20;
inline constexpr int NotPatternFile = 23;
inline constexpr int InvalidPath = 158;
inline constexpr int HelpFileUnreadable = 290;
inline constexpr int FirstEffectFile = 300;
inline constexpr int FirstEffectName = 320;
inline constexpr int FirstMusicFile = 340;
inline constexpr int FirstMusicName = 360;
inline constexpr int ProgramTitle = 57344;
// Refuses a text longer than a field's byte limit.
inline constexpr int TextTooLong = 61715;
}  // namespace StringId

// The UTF-8 text of a string resource; empty for an unknown identifier.
std::string_view LoadString(int id);
