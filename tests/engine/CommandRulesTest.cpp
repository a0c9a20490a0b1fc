// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/CommandRules.h"

#include <gtest/gtest.h>

#include "base/CommandIds.h"

namespace {
using namespace CommandId;

CommandContext InMode(GameMode mode) {
    CommandContext context;
    context.mode = mode;
    return context;
}

TEST(CommandRulesTest, TheStageSetChangesOnlyInTheEditor) {
    CommandContext editor = InMode(GameMode::Editor);
    for (const int command : {FileNew, BonusBall, AllClearMessage, DeleteStage}) {
        EXPECT_TRUE(CommandStateOf(command, editor).enabled) << command;
        EXPECT_FALSE(CommandStateOf(command, InMode(GameMode::Play)).enabled) << command;
        EXPECT_FALSE(CommandStateOf(command, InMode(GameMode::Demo)).enabled) << command;
    }
    // Save and Save As, undo and redo (in the editor only), the bonus mark are
    // driven through the editor view and the main window's keys; Open stays open in play.
    CommandContext play = InMode(GameMode::Play);
    play.modified = true;
    EXPECT_TRUE(CommandStateOf(FileOpen, play).enabled);
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
}

// The stage steps' ends are pressed as keys in the main window's test.
TEST(CommandRulesTest, TogglesShowTheirState) {
    CommandContext context;
    context.toolbarVisible = false;
    context.musicEnabled = true;
    EXPECT_EQ(CommandStateOf(ToggleToolbar, context), (CommandState{true, false}));
    EXPECT_EQ(CommandStateOf(ToggleStatusBar, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(MusicToggle, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(EffectsToggle, context), (CommandState{true, false}));
}
}  // namespace
