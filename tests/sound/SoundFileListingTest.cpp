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
    const auto listing = BuildListing(items, /*atRoot=*/false);
    EXPECT_THAT(Shown(listing),
                ElementsAre("<なし>", "Alpha.WAV", "beta.Wav", "zeta.wav", "[..]", "[Music]", "[sounds]"));
    EXPECT_EQ(listing[1].selection, "Alpha.WAV");
    EXPECT_EQ(listing[4].selection, "../");
    EXPECT_EQ(listing[5].selection, "Music/");
    EXPECT_EQ(listing[0].selection, "<なし>.");
}

TEST(SoundFileListingTest, TheRootHasNoParentEntry) {
    EXPECT_THAT(Shown(BuildListing({{"usr", true}}, /*atRoot=*/true)), ElementsAre("<なし>", "[usr]"));
    EXPECT_THAT(Shown(BuildListing({}, /*atRoot=*/false)), ElementsAre("<なし>", "[..]"));
}

TEST(SoundFileListingTest, FindsTheFirstEntryBeginningWithTheNameWithoutRegardToCase) {
    const auto listing = BuildListing({{"FRAME.WAV", false}, {"frame2.wav", false}}, false);
    EXPECT_EQ(EntryStartingWith(listing, "frame.wav"), 1);
    EXPECT_EQ(EntryStartingWith(listing, "fr"), 1);
    EXPECT_EQ(EntryStartingWith(listing, "<なし>"), 0);
    EXPECT_EQ(EntryStartingWith(listing, "gone.wav"), std::nullopt);
}

TEST(SoundFileListingTest, OnlyFileSelectionsArePlayable) {
    EXPECT_TRUE(SelectionIsFile("FRAME.WAV"));
    EXPECT_FALSE(SelectionIsFile("sounds/"));
    EXPECT_FALSE(SelectionIsFile("../"));
    EXPECT_FALSE(SelectionIsFile("c:"));
    EXPECT_FALSE(SelectionIsFile("<なし>."));
    EXPECT_FALSE(SelectionIsFile(""));
}

TEST(SoundFileListingTest, ASelectionBecomesTheDirectoryAndItsTextOrNothing) {
    EXPECT_EQ(PathForSelection("/opt/zembro/", "FRAME.WAV"), "/opt/zembro/FRAME.WAV");
    EXPECT_EQ(PathForSelection("/opt/zembro/", "<なし>."), "");
    // A directory is taken as it is read back, not told from a file.
    EXPECT_EQ(PathForSelection("/opt/zembro/", "sounds/"), "/opt/zembro/sounds/");
}

TEST(SoundFileListingTest, OpeningADirectoryMovesDownOrUp) {
    EXPECT_EQ(DirectoryAfterOpening("/opt/zembro/", "sounds/"), "/opt/zembro/sounds/");
    EXPECT_EQ(DirectoryAfterOpening("/opt/zembro/sounds/", "../"), "/opt/zembro/");
    EXPECT_EQ(DirectoryAfterOpening("/opt/", "../"), "/");
}
}  // namespace
