#include "engine/EditorCommands.h"

#include <gtest/gtest.h>

#include "engine/GameSession.h"
#include "engine/StageEdits.h"
#include "shell/CommandIds.h"
#include "shell/Cp932.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/FakePlatform.h"

namespace {
using namespace CommandId;

class EditorCommandsTest : public ::testing::Test {
protected:
    bool Enabled(int command, EditHistoryState history = {}) const {
        return IsEditorCommandEnabled(command, session, history);
    }

    CBlockDoc doc;
    FakePlatform platform;
    GameSession session{doc, platform};
};
}  // namespace

TEST_F(EditorCommandsTest, OutsideTheEditorOnlyTheStageCommandsWork) {
    doc.SetModifiedFlag();
    for (const GameMode mode : {GameMode::Play, GameMode::Demo}) {
        session.mode = mode;
        EXPECT_TRUE(Enabled(NextStage));
        for (const int command : {BonusBall, AllClearMessage, DeleteStage, FileNew, FileSave, FileSaveAs})
            EXPECT_FALSE(Enabled(command)) << command;
        EXPECT_FALSE(Enabled(EditUndo, {true, true}));
        EXPECT_FALSE(Enabled(EditRedo, {true, true}));
    }
    EXPECT_FALSE(IsEditorCommand(Play));
    EXPECT_FALSE(Enabled(Play));
}

TEST_F(EditorCommandsTest, InTheEditorSavingWaitsForAChangeAndHistoryForSomethingToTakeBack) {
    session.mode = GameMode::Editor;
    for (const int command : {BonusBall, AllClearMessage, DeleteStage, FileNew}) EXPECT_TRUE(Enabled(command));
    EXPECT_FALSE(Enabled(FileSave));
    EXPECT_FALSE(Enabled(FileSaveAs));
    doc.ToggleBonusBall();
    EXPECT_TRUE(Enabled(FileSave));
    EXPECT_TRUE(Enabled(FileSaveAs));

    EXPECT_FALSE(Enabled(EditUndo));
    EXPECT_TRUE(Enabled(EditUndo, {true, false}));
    EXPECT_FALSE(Enabled(EditRedo, {true, false}));
    EXPECT_TRUE(Enabled(EditRedo, {false, true}));

    EXPECT_TRUE(IsEditorCommandChecked(BonusBall, session));
    EXPECT_FALSE(IsEditorCommandChecked(DeleteStage, session));
    doc.ToggleBonusBall();
    EXPECT_FALSE(IsEditorCommandChecked(BonusBall, session));
}

TEST(AllClearMessageBytesTest, TheTextIsCutToTheFieldAtACharacterBoundary) {
    EXPECT_EQ(AllClearMessageBytes("Well done!"), "Well done!");
    EXPECT_EQ(AllClearMessageBytes("\xF0\x9F\x98\x80"), std::nullopt) << "an emoji has no Shift-JIS code";
    std::string text = "a";
    for (int i = 0; i < 200; ++i) text += "あ";  // 1 + 400 bytes in Shift-JIS
    const auto bytes = AllClearMessageBytes(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), 255u);
    EXPECT_EQ(Cp932ToUtf8(*bytes), text.substr(0, 1 + 127 * 3));
    EXPECT_EQ(AllClearMessageBytes(std::string(300, 'x'))->size(), 255u);
}
