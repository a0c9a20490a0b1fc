#include "stages/RecoveryCopy.h"

#include <gtest/gtest.h>

#include "shell/SettingsKeys.h"
#include "tests/stages/DocumentWorld.h"

namespace {
using namespace Settings;

class RecoveryCopyTest : public ::testing::Test, public DocumentWorld {
protected:
    RecoveryCopyTest() { files.files["/sets/a.blc"] = PatternWith(3); }
};

// The copy's bytes, the set's own file left alone and no question asked are
// checked where SIGTERM ends the program; here what is kept and how the copy is named.
TEST_F(RecoveryCopyTest, TheScoreAndSetAreKeptAndTheCopyIsNamedAfterTheSetOrUntitled) {
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    session.highScore = 321;
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
    EXPECT_EQ(RecoveryNotice({"/d/a.blc", "/d/無題.blc"}),
              "前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n/d/a.blc\n/d/無題.blc");
}
}  // namespace
