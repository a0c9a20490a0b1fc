// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ViewCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "engine/AwayPause.h"
#include "engine/SessionMouse.h"
#include "engine/SessionStageSetView.h"
#include "tests/engine/SessionFixture.h"

using ::testing::Contains;

namespace {
class ViewCommandsTest : public SessionFixture {
protected:
    ViewCommandsTest() {
        doc.AttachView(&sessionView);
        doc.SetCell(3, 3, 1);
    }

    SessionStageSetView sessionView{session};
};
}  // namespace

TEST_F(ViewCommandsTest, PauseIsRefusedInTheEditorWhicheverWayItIsChosen) {
    // Which commands are enabled in each mode is the command rules' test.
    EXPECT_TRUE(RunViewCommand(ViewCommand::Editor, session));
    const BallState before = session.State().ballState;
    EXPECT_FALSE(RunViewCommand(ViewCommand::Pause, session));
    EXPECT_EQ(session.State().ballState, before);
}

// Launching and pausing by button in play are clicked on the view in its test.
TEST_F(ViewCommandsTest, ButtonsOutsideTheEditorTakeOverTheDemonstrationOrDoNothing) {
    session.ChooseMode(GameMode::Demo);
    Set(session, &SessionState::score, 99);
    platform.log.clear();
    PressLeftOutsideEditor(session);
    EXPECT_EQ(session.State().mode, GameMode::Play);
    EXPECT_EQ(session.State().ballState, BallState::Serving);
    EXPECT_EQ(session.State().score, 0);  // a new game
    EXPECT_THAT(platform.log, Contains("music Play"));

    session.ChooseMode(GameMode::Editor);
    const BallState before = session.State().ballState;
    PressRightOutsideEditor(session);
    PressLeftOutsideEditor(session);
    EXPECT_EQ(session.State().ballState, before);
    EXPECT_EQ(session.State().mode, GameMode::Editor);
}

TEST_F(ViewCommandsTest, TurningToAnotherProgramPausesOnlyABallInFlightInPlay) {
    session.LaunchBall();
    ASSERT_EQ(session.State().ballState, BallState::InFlight);
    EXPECT_TRUE(PauseWhileAway(session));
    EXPECT_EQ(session.State().ballState, BallState::Paused);
    EXPECT_FALSE(PauseWhileAway(session)) << "paused already";
    EXPECT_EQ(session.State().ballState, BallState::Paused);
    EXPECT_TRUE(RunViewCommand(ViewCommand::Pause, session));
    EXPECT_EQ(session.State().ballState, BallState::InFlight) << "Esc goes on as after any pause";

    Set(session, &SessionState::ballState, BallState::Serving);
    EXPECT_FALSE(PauseWhileAway(session)) << "a ball on the paddle waits anyway";
    EXPECT_EQ(session.State().ballState, BallState::Serving);

    for (const GameMode mode : {GameMode::Demo, GameMode::Editor}) {
        session.ChooseMode(mode);
        Set(session, &SessionState::ballState, BallState::InFlight);
        EXPECT_FALSE(PauseWhileAway(session));
        EXPECT_EQ(session.State().ballState, BallState::InFlight) << "the demonstration goes on";
    }
}
