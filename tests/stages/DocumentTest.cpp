// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stage set as a document: opening, saving, the save question, best
// scores and the close hook, with the files and the user faked.
#include <algorithm>

#include <gtest/gtest.h>

#include "base/SettingsKeys.h"
#include "stages/PatternFile.h"
#include "tests/engine/SetState.h"
#include "tests/stages/DocumentWorld.h"

namespace {
using namespace Settings;

constexpr std::int8_t Standing(int kind) { return static_cast<std::int8_t>(kind | BlockAlive); }

// A pattern file whose first stage holds one block of the given kind at the top left.
class DocumentTest : public ::testing::Test, public DocumentWorld {
protected:
    DocumentTest() {
        files.files["/sets/a.blc"] = PatternWith(3);
        files.files["/sets/b.blc"] = PatternWith(7);
    }
    void OpenAndModifyA() {
        ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
        doc.SetCell(1, 1, 5);
        doc.SetModifiedFlag();
    }
    int Stored(const std::string& key) { return settings.ReadInt(kSection, key, -1); }
    // The last two things the user saw: the report must not come under the wait cursor.
    std::string LastTwo() const { return ui.log.end()[-2] + " | " + ui.log.back(); }
};

TEST_F(DocumentTest, EachSetReadsItsBestScoreAndTheReplacedSetStoresItsOwnFirst) {
    settings.WriteInt(kSection, HighScoreKey("a.blc"), 65536 + 40000);
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    EXPECT_EQ(doc.GetTitle(), "a.blc");
    EXPECT_EQ(ui.caption, "Zembrovaltine - a.blc");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Cell(0, 0), Standing(3)) << "the session restarted on stage 0";
    EXPECT_EQ(session.State().highScore, 40000) << "the low 16 bits count, the top one too";
    EXPECT_FALSE(settings.Contains(kSection, HighScoreKey(""))) << "nothing was open to store a score for";

    Set(session, &SessionState::highScore, 500);
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/b.blc"));
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 500);
    EXPECT_EQ(session.State().highScore, 0) << "a set without a stored score";

    // A set in the root folder is titled by its name alone.
    files.files["/SYSTEM.BLC"] = PatternWith(3);
    settings.WriteInt(kSection, HighScoreKey("SYSTEM.BLC"), 123);
    ASSERT_TRUE(commands.OpenDocumentFile("/SYSTEM.BLC"));
    EXPECT_EQ(ui.caption, "Zembrovaltine - SYSTEM.BLC");
    EXPECT_EQ(session.State().highScore, 123) << "the best score of the set of that name";
}

TEST_F(DocumentTest, AFileThatCannotBeOpenedLeavesTheSetAsItWasAndAnUnusableOneAnEmptyUntitledSet) {
    OpenAndModifyA();
    Set(session, &SessionState::highScore, 42);
    EXPECT_FALSE(commands.OpenDocumentFile("/sets/missing.blc"));
    EXPECT_EQ(LastTwo(), "end wait | load failure: ﾌｧｲﾙ /sets/missing.blc が見つかりません。");
    EXPECT_EQ(doc.GetTitle(), "a.blc");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Cell(1, 1), Standing(5));
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 42) << "the score is stored before the file is tried";

    // A file that opens but is no stage set leaves an empty untitled set.
    Set(session, &SessionState::highScore, 300);
    files.files["/sets/bad.blc"] = std::string(PatternFile::kMagic);  // no 0x0A after it
    EXPECT_FALSE(commands.OpenDocumentFile("/sets/bad.blc"));
    EXPECT_EQ(LastTwo(), "end wait | message: /sets/bad.blc は正しいZembrovaltineパターンファイルではありません (!)");
    EXPECT_EQ(ui.caption, "Zembrovaltine - 無題");
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 300);
    EXPECT_EQ(session.State().highScore, 0) << "the empty set has scored nothing";
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.CountBlocks(), 0);
    EXPECT_EQ(platform.log.back(), "balls 3") << "a session started on the empty set";

    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    files.readFailures["/sets/broken.blc"] = {FileReadResult::Status::ReadFailed, FileProblem::Unknown, {}};
    EXPECT_FALSE(commands.OpenDocumentFile("/sets/broken.blc"));
    EXPECT_EQ(ui.log.back(), "load failure: ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。");
    EXPECT_EQ(doc.GetTitle(), "無題");
}

TEST_F(DocumentTest, AModifiedSetIsOfferedForSavingBeforeItIsReplaced) {
    OpenAndModifyA();
    ui.openAnswers = {"/sets/b.blc"};
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(commands.FileOpen());
    EXPECT_EQ(ui.log.back(), "ask: a.blc への変更を保存しますか?") << "cancelled before the dialog";

    ui.saveAnswer = SaveAnswer::Yes;
    EXPECT_TRUE(commands.FileOpen());
    EXPECT_EQ(files.files["/sets/a.blc"][PatternFile::kCellsOffset + kGridColumns + 1], 5) << "saved first";
    EXPECT_EQ(doc.GetTitle(), "b.blc");

    doc.SetModifiedFlag();
    ui.saveAnswer = SaveAnswer::No;
    ui.log.clear();
    EXPECT_TRUE(commands.FileNew());
    EXPECT_EQ(ui.log, std::vector<std::string>{"ask: b.blc への変更を保存しますか?"}) << "nothing saved";
    EXPECT_EQ(doc.GetTitle(), "無題");
}

TEST_F(DocumentTest, SavingASetThatHasNoFileAsksForOneBesideItOrInTheDocumentsFolder) {
    ASSERT_TRUE(commands.FileNew());
    doc.SetCell(0, 0, 4);
    doc.SetModifiedFlag();
    EXPECT_FALSE(commands.FileSave());
    EXPECT_EQ(ui.log.back(), "save as dialog: 無題.blc");
    EXPECT_TRUE(doc.IsModified());

    ui.saveAsAnswer = "mine.blc";
    EXPECT_TRUE(commands.FileSave());
    EXPECT_EQ(files.files["/home/player/mine.blc"], PatternWith(4));
    EXPECT_EQ(ui.caption, "Zembrovaltine - mine.blc");
    EXPECT_FALSE(doc.IsModified());

    // Save As offers the documents folder where the user cannot write beside the set.
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    ui.saveAsAnswer.reset();
    ASSERT_FALSE(commands.FileSaveAs());
    EXPECT_EQ(ui.log.back(), "save as dialog: /sets/a.blc");

    files.readOnlyFolders = {"/sets/", FakeDocumentFiles::kWorkingDirectory};
    ASSERT_FALSE(commands.FileSaveAs());
    EXPECT_EQ(ui.log.back(), "save as dialog: /home/player/Documents/a.blc") << "a set that came with the program";
    ASSERT_TRUE(commands.FileNew());
    ASSERT_FALSE(commands.FileSaveAs());
    EXPECT_EQ(ui.log.back(), "save as dialog: /home/player/Documents/無題.blc");
}

TEST_F(DocumentTest, SaveAsStoresTheBestScoreUnderTheOldTitleAndKeepsItForTheNew) {
    OpenAndModifyA();
    Set(session, &SessionState::highScore, 900);
    ui.saveAsAnswer = "/sets/c.blc";
    ASSERT_TRUE(commands.FileSaveAs());
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 900) << "raised in this run, stored before the title changed";
    EXPECT_EQ(doc.GetTitle(), "c.blc");
    EXPECT_EQ(session.State().highScore, 900);
    EXPECT_FALSE(settings.Contains(kSection, HighScoreKey("c.blc"))) << "written when the set is left";
}

TEST_F(DocumentTest, AFailedSaveKeepsTheFileAndTheChangesInMemory) {
    OpenAndModifyA();
    doc.KnockOut(0, 0);
    const std::string before = files.files["/sets/a.blc"];
    files.writeFailure = FileWriteResult{FileWriteResult::Status::WriteFailed, FileProblem::DiskFull};
    EXPECT_FALSE(commands.FileSave());
    EXPECT_EQ(ui.log.back(), "save failure: ﾃﾞｨｽｸがいっぱいのため、/sets/a.blc を保存できません。");
    EXPECT_EQ(files.files["/sets/a.blc"], before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Cell(0, 0), 3) << "the running game's cells are left alone";
    EXPECT_EQ(doc.Cell(1, 1), Standing(5));

    files.writeFailure.reset();
    EXPECT_TRUE(commands.FileSave());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Cell(0, 0), Standing(3)) << "a saved set stands whole";
}

TEST_F(DocumentTest, ClosingStoresTheScoreAndTheSetBeforeAskingAboutChanges) {
    OpenAndModifyA();
    Set(session, &SessionState::highScore, 1234);
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(commands.CanCloseFrame());
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 1234);
    EXPECT_EQ(settings.ReadString(kSection, kPattern), "/sets/a.blc");

    // A new set keeps the old set's best score under the old title and
    // starts from nothing; its own is stored as untitled.
    ui.saveAnswer = SaveAnswer::No;
    Set(session, &SessionState::highScore, 1300);
    platform.log.clear();
    ASSERT_TRUE(commands.FileNew());
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 1300) << "raised since the close was cancelled";
    EXPECT_EQ(session.State().highScore, 0);
    EXPECT_NE(std::find(platform.log.begin(), platform.log.end(), "high 0"), platform.log.end())
        << "and the status bar says so";
    EXPECT_FALSE(settings.Contains(kSection, HighScoreKey("無題")));
    Set(session, &SessionState::highScore, 20);
    EXPECT_TRUE(commands.CanCloseFrame());
    EXPECT_EQ(Stored(HighScoreKey("無題")), 20);
    EXPECT_EQ(Stored(HighScoreKey("a.blc")), 1300);
    EXPECT_EQ(settings.ReadString(kSection, kPattern, "missing"), "");

    // Saved under a name, the new set takes only what it scored itself.
    ui.saveAsAnswer = "/sets/new.blc";
    ASSERT_TRUE(commands.FileSaveAs());
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/b.blc"));
    EXPECT_EQ(Stored(HighScoreKey("new.blc")), 20);
}
}  // namespace
