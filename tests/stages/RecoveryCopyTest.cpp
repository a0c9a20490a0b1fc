#include "stages/RecoveryCopy.h"

#include <gtest/gtest.h>

#include "shell/SettingsKeys.h"
#include "stages/PatternFile.h"
#include "tests/stages/DocumentWorld.h"

namespace {
using namespace Settings;

class RecoveryCopyTest : public ::testing::Test, public DocumentWorld {
protected:
    RecoveryCopyTest() {
        CBlockDoc source;
        source.SetCell(0, 0, 3);
        files.files["/sets/a.blc"] = PatternFile::Encode(source);
    }
};

TEST_F(RecoveryCopyTest, AModifiedSetBecomesACopyAndItsOwnFileIsLeftAlone) {
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    const std::string onDisk = files.files["/sets/a.blc"];
    doc.SetCell(5, 5, BlockKind::Silver);  // stands in memory as 0x2E
    doc.SetModifiedFlag();
    session.highScore = 321;

    const std::optional<RecoveryCopy> copy = KeepForUnaskedEnd(doc);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->fileName, "a.blc");
    CBlockDoc expected = doc;
    PatternFile::NormaliseForSave(expected);
    EXPECT_EQ(copy->bytes, PatternFile::Encode(expected)) << "the bytes a save would write";
    EXPECT_EQ(files.files["/sets/a.blc"], onDisk);
    EXPECT_EQ(settings.ReadInt(kSection, HighScoreKey("a.blc"), 0), 321);
    EXPECT_EQ(settings.ReadString(kSection, kPattern), "/sets/a.blc");
    EXPECT_TRUE(ui.log.empty() || !ui.Saw("ask: a.blc への変更を保存しますか?")) << "no question";
}

TEST_F(RecoveryCopyTest, AnUnchangedSetNeedsNoCopyAndANeverSavedOneIsNamedUntitled) {
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    EXPECT_FALSE(KeepForUnaskedEnd(doc));
    EXPECT_EQ(settings.ReadString(kSection, kPattern), "/sets/a.blc") << "kept all the same";

    ASSERT_TRUE(commands.FileNew());
    doc.SetCell(1, 1, 2);
    doc.SetModifiedFlag();
    const std::optional<RecoveryCopy> copy = KeepForUnaskedEnd(doc);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->fileName, "無題.blc");
    EXPECT_EQ(settings.ReadString(kSection, kPattern, "(missing)"), "");
    EXPECT_EQ(RecoveryNotice({"/d/a.blc", "/d/無題.blc"}),
              "前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n/d/a.blc\n/d/無題.blc");
}
}  // namespace
