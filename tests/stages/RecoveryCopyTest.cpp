// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/RecoveryCopy.h"

#include <gtest/gtest.h>

#include "base/SettingsKeys.h"
#include "tests/engine/SetState.h"
#include "tests/stages/DocumentWorld.h"

namespace {
using namespace Settings;

class RecoveryCopyTest : public ::testing::Test, public DocumentWorld {
protected:
    RecoveryCopyTest() { files.files["/sets/a.blc"] = PatternWith(3); }
};

// The copy's bytes, the set's own file left alone and no question asked are
// checked where SIGTERM ends the program; here what is kept and how the copy is named.
TEST_F(RecoveryCopyTest, TheScoreAndSetAreKeptForASetOrAnUntitledOne) {
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    Set(session, &SessionState::highScore, 321);
    EXPECT_FALSE(KeepForUnaskedEnd(doc)) << "an unchanged set needs no copy";
    EXPECT_EQ(settings.ReadInt(kSection, HighScoreKey("a.blc"), 0), 321);
    EXPECT_EQ(settings.ReadString(kSection, kPattern), "/sets/a.blc");
    doc.SetModifiedFlag();
    EXPECT_EQ(KeepForUnaskedEnd(doc)->fileName, "a.blc");

    ASSERT_TRUE(commands.FileNew());
    doc.SetCell(1, 1, 2);
    doc.SetModifiedFlag();
    const std::optional<RecoveryCopy> copy = KeepForUnaskedEnd(doc);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->fileName, "無題.blc");
    EXPECT_EQ(settings.ReadString(kSection, kPattern, "(missing)"), "");
}

TEST_F(RecoveryCopyTest, EveryCopyHasANameOfItsOwnThatStillNamesTheSet) {
    EXPECT_EQ(RecoveryCopyName("same.blc", "20261207-112233", 0), "same-20261207-112233.blc");
    EXPECT_EQ(RecoveryCopyName("same.blc", "20261207-112233", 2), "same-20261207-112233-2.blc") << "taken";
    EXPECT_EQ(RecoveryCopyName("same-20261207-112233-2.blc", "20261207-120000", 0), "same-20261207-120000.blc")
        << "a copy of a copy: the old moment gives way to the new";
    EXPECT_EQ(RecoveryCopyName(".blc", "20261207-112233", 0), ".blc-20261207-112233");

    // A long name is cut to a folder entry's 255 bytes, never inside a character.
    std::string longName;
    while (longName.size() < 250) longName += "無";
    const std::string cut = RecoveryCopyName(longName + ".blc", "20261207-112233", 12);
    EXPECT_LE(cut.size(), 255u);
    EXPECT_EQ(cut.substr(0, 3), "無");
    EXPECT_TRUE(cut.ends_with("無-20261207-112233-12.blc"));
    EXPECT_EQ(RecoveryCopyName(std::string(300, 'n') + ".blc", "20261207-112233", 0).size(), 255u);
    const std::string longExtension = "." + std::string(300, 'x');
    EXPECT_EQ(RecoveryCopyName("a" + longExtension, "20261207-112233", 0), ("20261207-112233" + longExtension).substr(0, 255));
}

TEST_F(RecoveryCopyTest, TheNoticeNamesEveryCopyAndEverySetWhoseChangesWereLost) {
    // No notes, and kept copies alone, are read back by the session end guard's tests.
    EXPECT_EQ(RecoveryNotes::Lost("a\nkept\t/x.blc"), "lost\ta kept\t/x.blc\n") << "one note a line";
    EXPECT_EQ(RecoveryNotice(RecoveryNotes::Lost("無題.blc") + RecoveryNotes::Kept("/d/a.blc") + "garbage\n"),
              "前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n/d/a.blc\n\n"
              "前回の終了時に保存されていなかった次のﾌｧｲﾙへの変更は、残すことができませんでした。\n無題.blc");
}
}  // namespace
