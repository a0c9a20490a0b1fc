// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

class CBlockDoc;

// What the program keeps when it has to end without asking (a signal, or a
// desktop session that ends and allows no question): the best score and
// "Pattern", as at every close, and a modified set as a recovery copy in
// the user's data folder, never over its own file, which the user did not
// choose to replace.
struct RecoveryCopy {
    std::string fileName;  // the set's title, or the untitled name with ".blc"
    std::string bytes;     // the set as a save would write it
};

// Writes the best score and "Pattern"; the recovery copy of a modified set,
// or nothing for a set without changes.
std::optional<RecoveryCopy> KeepForUnaskedEnd(CBlockDoc& doc);

// The name of one recovery copy: the set's name with the moment it was kept
// ("same.blc" kept at 2026-12-07 11:22:33 is "same-20261207-112233.blc"),
// and a number after that when the name is taken, so that two sets of one
// name never share a copy. A copy of a copy takes the new moment in place
// of the old one, and the name is cut to the 255 bytes a folder entry holds.
std::string RecoveryCopyName(std::string_view setName, std::string_view stamp, int attempt);

// The notes the next start reads, one line each, in the order they came:
// where a set's copy was kept, or the name of a set whose changes were lost.
namespace RecoveryNotes {
std::string Kept(std::string_view path);
std::string Lost(std::string_view setName);
}  // namespace RecoveryNotes

// The text the next start shows for the notes, or nothing when they hold no note.
std::string RecoveryNotice(std::string_view notes);

namespace RecoveryTexts {
inline constexpr std::string_view kNotice = "前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n%1";
inline constexpr std::string_view kLost = "前回の終了時に保存されていなかった次のﾌｧｲﾙへの変更は、残すことができませんでした。\n%1";
}  // namespace RecoveryTexts
