#include "shell/CommandRules.h"

#include <gtest/gtest.h>

#include "shell/CommandIds.h"

namespace {
using namespace CommandId;

CommandContext InMode(GameMode mode) {
    CommandContext context;
    context.mode = mode;
    return context;
}

TEST(CommandRulesTest, TheStageSetChangesOnlyInTheEditorAndSavesOnlyWhenModified) {
    CommandContext editor = InMode(GameMode::Editor);
    for (const int command : {FileNew, BonusBall, AllClearMessage, DeleteStage}) {
        EXPECT_TRUE(CommandStateOf(command, editor).enabled) << command;
        EXPECT_FALSE(CommandStateOf(command, InMode(GameMode::Play)).enabled) << command;
        EXPECT_FALSE(CommandStateOf(command, InMode(GameMode::Demo)).enabled) << command;
    }
    EXPECT_FALSE(CommandStateOf(FileSave, editor).enabled);
    EXPECT_FALSE(CommandStateOf(FileSaveAs, editor).enabled);
    editor.modified = true;
    EXPECT_TRUE(CommandStateOf(FileSave, editor).enabled);
    EXPECT_TRUE(CommandStateOf(FileSaveAs, editor).enabled);
    CommandContext play = InMode(GameMode::Play);
    play.modified = true;
    EXPECT_FALSE(CommandStateOf(FileSave, play).enabled);
    EXPECT_TRUE(CommandStateOf(FileOpen, play).enabled);

    editor.bonusBall = true;
    EXPECT_TRUE(CommandStateOf(BonusBall, editor).checked);

    // Undo and redo: only in the editor, only with something to take back.
    EXPECT_FALSE(CommandStateOf(EditUndo, editor).enabled);
    editor.canUndo = editor.canRedo = true;
    EXPECT_TRUE(CommandStateOf(EditUndo, editor).enabled);
    EXPECT_TRUE(CommandStateOf(EditRedo, editor).enabled);
    play.canUndo = play.canRedo = true;
    EXPECT_FALSE(CommandStateOf(EditUndo, play).enabled);
    EXPECT_FALSE(CommandStateOf(EditRedo, play).enabled);
}

TEST(CommandRulesTest, ModesPauseControlAndSpeedFollowTheSession) {
    CommandContext demo = InMode(GameMode::Demo);
    EXPECT_EQ(CommandStateOf(Demo, demo), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(Play, demo), (CommandState{true, false}));
    EXPECT_FALSE(CommandStateOf(ControlDialog, demo).enabled);
    EXPECT_FALSE(CommandStateOf(ControlDialog, InMode(GameMode::Editor)).enabled);
    EXPECT_TRUE(CommandStateOf(ControlDialog, InMode(GameMode::Play)).enabled);
    EXPECT_TRUE(CommandStateOf(SpeedDialog, InMode(GameMode::Editor)).enabled);

    demo.ballState = BallState::Paused;
    EXPECT_EQ(CommandStateOf(Pause, demo), (CommandState{true, true}));
    EXPECT_FALSE(CommandStateOf(Pause, InMode(GameMode::Editor)).enabled);

    demo.speed = 2;
    EXPECT_EQ(CommandStateOf(SpeedFast, demo), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(SpeedTurbo, demo), (CommandState{true, false}));
    CommandContext editor = InMode(GameMode::Editor);
    for (int command = SpeedSlow; command <= SpeedTurbo; ++command)
        EXPECT_FALSE(CommandStateOf(command, editor).enabled) << command;
}

TEST(CommandRulesTest, StageStepsStopAtTheEndsAndTogglesShowTheirState) {
    CommandContext context;
    EXPECT_FALSE(CommandStateOf(PrevStage, context).enabled);
    EXPECT_TRUE(CommandStateOf(NextStage, context).enabled);
    context.stage = 9;
    EXPECT_TRUE(CommandStateOf(PrevStage, context).enabled);
    EXPECT_FALSE(CommandStateOf(NextStage, context).enabled);

    context.toolbarVisible = false;
    context.musicEnabled = true;
    EXPECT_EQ(CommandStateOf(ToggleToolbar, context), (CommandState{true, false}));
    EXPECT_EQ(CommandStateOf(ToggleStatusBar, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(MusicToggle, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(EffectsToggle, context), (CommandState{true, false}));
}
}  // namespace
