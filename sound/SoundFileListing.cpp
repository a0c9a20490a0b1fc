// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundFileListing.h"

#include <algorithm>
#include <cctype>

#include "base/AppPaths.h"

namespace {
constexpr std::string_view kWaveExtension = ".wav";

char Folded(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool EqualFolded(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Folded(x) == Folded(y);
           });
}

// Letters compare as capitals, so names come before the bracketed directories.
bool LessFolded(const ListingEntry& a, const ListingEntry& b) {
    return std::lexicographical_compare(a.shown.begin(), a.shown.end(), b.shown.begin(), b.shown.end(),
                                        [](char x, char y) {
                                            return static_cast<unsigned char>(Folded(x)) <
                                                   static_cast<unsigned char>(Folded(y));
                                        });
}

bool IsWaveFile(std::string_view name) {
    return name.size() > kWaveExtension.size() &&
           EqualFolded(name.substr(name.size() - kWaveExtension.size()), kWaveExtension);
}

ListingEntry FileEntry(const std::string& name) { return {name, name}; }

ListingEntry DirectoryEntry(const std::string& name) { return {"[" + name + "]", name + kPathSeparator}; }
}  // namespace

std::vector<ListingEntry> BuildListing(const std::vector<DirectoryItem>& items, bool atRoot) {
    std::vector<ListingEntry> listing;
    if (!atRoot) listing.push_back({"[..]", std::string(kParentSelection)});
    for (const DirectoryItem& item : items) {
        if (item.name.empty() || item.name.front() == '.') continue;  // hidden, or "." and ".."
        if (item.directory)
            listing.push_back(DirectoryEntry(item.name));
        else if (IsWaveFile(item.name))
            listing.push_back(FileEntry(item.name));
    }
    listing.push_back({std::string(kNoSoundEntry), std::string(kNoSoundSelection)});
    std::stable_sort(listing.begin(), listing.end(), LessFolded);
    return listing;
}

std::optional<int> EntryStartingWith(const std::vector<ListingEntry>& listing, std::string_view fileName) {
    for (int index = 0; index < static_cast<int>(listing.size()); ++index) {
        const std::string& shown = listing[index].shown;
        if (shown.size() >= fileName.size() && EqualFolded(std::string_view(shown).substr(0, fileName.size()), fileName))
            return index;
    }
    return std::nullopt;
}

bool SelectionIsFile(std::string_view selection) {
    if (selection.empty() || selection == kNoSoundSelection) return false;
    return selection.back() != kPathSeparator && selection.back() != ':';
}

std::string PathForSelection(std::string_view directory, std::string_view selection) {
    if (selection == kNoSoundSelection) return {};
    return std::string(directory) + std::string(selection);
}

std::string DirectoryAfterOpening(std::string_view directory, std::string_view selection) {
    if (selection != kParentSelection) return std::string(directory) + std::string(selection);
    // Drop the trailing separator, then cut after the one before it.
    std::string_view withoutSeparator = directory;
    if (!withoutSeparator.empty()) withoutSeparator.remove_suffix(1);
    const std::string parent = DirectoryOf(withoutSeparator);
    // "/name" has no separator past its first character: its parent is the root.
    if (parent == withoutSeparator && !parent.empty() && parent.front() == kPathSeparator)
        return std::string(1, kPathSeparator);
    return parent;
}
