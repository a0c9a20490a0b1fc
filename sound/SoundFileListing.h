// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file list of the Sound-events dialog: the WAV files of one directory,
// its subdirectories, its parent and the entry meaning "no sound". Each
// entry is shown in one form and read back in another, the selection text:
//   a file        "NAME.WAV"   reads "NAME.WAV"
//   a directory   "[name]"     reads "name/"
//   the parent    "[..]"       reads "../"
//   no sound      "<なし>"      reads "<なし>."
// There are no drives here, so no entry ends in ":".

inline constexpr std::string_view kNoSoundEntry = "<なし>";
inline constexpr std::string_view kNoSoundSelection = "<なし>.";
inline constexpr std::string_view kParentSelection = "../";

// One name found in a directory.
struct DirectoryItem {
    std::string name;
    bool directory = false;
};

struct ListingEntry {
    std::string shown;
    std::string selection;

    bool operator==(const ListingEntry&) const = default;
};

// The entries for a directory's contents, sorted by what they show without
// regard to case, with "<なし>" among them. Files count only when they end
// in ".wav" in any case; hidden names are left out, and the parent entry is
// there unless the directory is the root.
std::vector<ListingEntry> BuildListing(const std::vector<DirectoryItem>& items, bool atRoot);

// The first entry that begins with the file name, without regard to case.
std::optional<int> EntryStartingWith(const std::vector<ListingEntry>& listing, std::string_view fileName);

// A selection that names a file (not a directory, a drive or "<なし>"):
// only these can be played.
bool SelectionIsFile(std::string_view selection);

// The event's path for a selection read back: empty for "<なし>", otherwise
// the directory followed by the text, whatever kind of entry it is.
std::string PathForSelection(std::string_view directory, std::string_view selection);

// The directory a double-click on a directory entry moves to: the parent
// for "../", otherwise the subdirectory. The directory ends in "/".
std::string DirectoryAfterOpening(std::string_view directory, std::string_view selection);
