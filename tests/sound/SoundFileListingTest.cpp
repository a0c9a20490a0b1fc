// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundFileListing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {
std::vector<std::string> Shown(const std::vector<ListingEntry>& listing) {
    std::vector<std::string> shown;
    for (const ListingEntry& entry : listing) shown.push_back(entry.shown);
    return shown;
}

TEST(SoundFileListingTest, ListsWaveFilesInAnyCaseThenDirectoriesSortedWithoutRegardToCase) {
    const std::vector<DirectoryItem> items = {
        {"zeta.wav", false}, {"Alpha.WAV", false}, {"notes.txt", false}, {"tune.mid", false},
        {"sounds", true},    {"Music", true},      {".hidden.wav", false}, {".cache", true},
        {"beta.Wav", false}, {"wav", false},
    };
    EXPECT_THAT(Shown(BuildListing(items, /*atRoot=*/false)),
                ElementsAre("<なし>", "Alpha.WAV", "beta.Wav", "zeta.wav", "[..]", "[Music]", "[sounds]"));
}

// What each entry selects, plays and opens is driven through the Sound-events
// dialog in its test; here the cases that dialog does not reach.
TEST(SoundFileListingTest, TheRootHasNoParentEntry) {
    EXPECT_THAT(Shown(BuildListing({{"usr", true}}, /*atRoot=*/true)), ElementsAre("<なし>", "[usr]"));
    EXPECT_EQ(DirectoryAfterOpening("/opt/", "../"), "/");
}

TEST(SoundFileListingTest, FindsTheFirstEntryBeginningWithTheNameWithoutRegardToCase) {
    const auto listing = BuildListing({{"FRAME.WAV", false}, {"frame2.wav", false}}, false);
    EXPECT_EQ(EntryStartingWith(listing, "frame.wav"), 1);
    EXPECT_EQ(EntryStartingWith(listing, "fr"), 1);
    EXPECT_EQ(EntryStartingWith(listing, "<なし>"), 0);
    EXPECT_EQ(EntryStartingWith(listing, "gone.wav"), std::nullopt);
}

TEST(SoundFileListingTest, OnlyFileSelectionsArePlayableAndADirectoryIsTakenAsItIsReadBack) {
    for (const char* selection : {"sounds/", "../", "c:", "<なし>.", ""})
        EXPECT_FALSE(SelectionIsFile(selection)) << selection;
    EXPECT_EQ(PathForSelection("/opt/zembro/", "sounds/"), "/opt/zembro/sounds/");
}
}  // namespace
