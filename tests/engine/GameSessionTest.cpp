// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/Cp932.h"
#include "engine/SessionStageSetView.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/SessionFixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
// The ball step's outcome for the next tick, scripted by each test.
StepOutcome g_nextOutcome = StepOutcome::BallInPlay;
SoundEvent g_nextEvent = SoundEvent::None;
int g_steps = 0;

StepOutcome ScriptedStep(GameSession& session) {
    ++g_steps;
    session.lastEvent = g_nextEvent;
    return g_nextOutcome;
}

class GameSessionTest : public SessionFixture {
protected:
    GameSessionTest() {
        g_nextOutcome = StepOutcome::BallInPlay;
        g_nextEvent = SoundEvent::None;
        g_steps = 0;
        session.SetBallStepper(&ScriptedStep);
        doc.AttachView(&sessionView);
        for (int stage = 0; stage < kStageCount; ++stage) PutBlock(stage, 5);
        platform.input.zoom = 4;
        platform.input.pointerClientX = 512 + 32;  // the pointer right above the serve point
    }

    void PutBlock(int stage, int kind) { doc.m_cells[stage * kCellsPerStage + 20] = static_cast<std::int8_t>(kind); }

    // Starts a game and forgets what starting it did.
    void Start() {
        session.StartGame();
        platform.log.clear();
    }

    void FlyingTick(StepOutcome outcome, SoundEvent event = SoundEvent::None) {
        session.ballState = BallState::InFlight;
        g_nextOutcome = outcome;
        g_nextEvent = event;
        session.OnGameTick(GameSession::kTimerId);
    }

    SessionStageSetView sessionView{session};
};

TEST_F(GameSessionTest, StartsInPlayWithTheBallOnThePaddle) {
    EXPECT_EQ(session.mode, GameMode::Play);
    EXPECT_EQ(session.ballState, BallState::Serving);
    EXPECT_EQ(session.blocksLeft, 20000);
    session.paddleX = 300;
    session.StartGame();
    EXPECT_THAT(platform.log, ElementsAre("music Play", "set timer", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
    EXPECT_TRUE(session.timerRunning);
    EXPECT_EQ(session.ballX, 300);
    EXPECT_EQ(session.ballY, 504);
    EXPECT_EQ(session.ballDX, 4);
    EXPECT_EQ(session.ballDY, -4);
    EXPECT_EQ(session.blocksLeft, 1);
    EXPECT_EQ(platform.tickCount, session.Random().State()) << "seeded from the tick count";
}

TEST_F(GameSessionTest, LosingABallServesAgainAndLosingTheLastEndsTheGameAndRestartsTheSameStage) {
    doc.m_nStage = 4;
    Start();
    FlyingTick(StepOutcome::BallLost, SoundEvent::Fail);
    EXPECT_THAT(platform.log, ElementsAre("music Play", "balls 2")) << "effects are off: no effect request";
    EXPECT_EQ(session.ballState, BallState::Serving);

    platform.log.clear();
    session.effectsEnabled = true;
    session.ballsLeft = 1;
    session.score = 700;
    bool busyDuringMessage = false;
    platform.whileMessageShown = [&] {
        busyDuringMessage = session.busy;
        session.OnGameTick(GameSession::kTimerId);  // a tick arriving behind the box
    };

    FlyingTick(StepOutcome::BallLost, SoundEvent::Fail);

    EXPECT_THAT(platform.log, ElementsAre("effect 7", "music GameOver", "message GAME OVER [information]",
                                          "music Play", "invalidate", "stage 4", "high 0", "score 0", "balls 3"));
    EXPECT_TRUE(busyDuringMessage);
    EXPECT_EQ(g_steps, 2) << "the tick behind the message box did nothing";
    EXPECT_FALSE(session.busy);
    EXPECT_EQ(session.score, 0);
    EXPECT_EQ(session.ballsLeft, 3);
    EXPECT_EQ(session.ballState, BallState::Serving);
}

TEST_F(GameSessionTest, ClearingTheTenthStageShowsTheMessagesAndWrapsToTheFirst) {
    const std::string message = *Utf8ToCp932("全ステージクリア");
    std::copy(message.begin(), message.end(), doc.m_message.begin());
    doc.m_nStage = 9;
    doc.m_bonusBall[9] = 1;
    Start();
    session.ballsLeft = 50;
    std::vector<bool> busyDuringMessages;
    platform.whileMessageShown = [&] {
        busyDuringMessages.push_back(session.busy);
        // A tick arriving behind each box, whose step would lose the ball.
        g_nextOutcome = StepOutcome::BallLost;
        session.OnGameTick(GameSession::kTimerId);
    };

    FlyingTick(StepOutcome::StageCleared, SoundEvent::NormalBlock);

    EXPECT_THAT(platform.log,
                ElementsAre("message 全ステージクリア [information]",
                            "message ボーナスボールが追加されました! [information]", "stage 0", "high 0",
                            "score 0", "balls 50", "music Play", "invalidate"));
    EXPECT_EQ(doc.CurrentStage(), 0);
    EXPECT_EQ(session.ballsLeft, 50) << "never more than fifty balls";
    EXPECT_THAT(busyDuringMessages, ElementsAre(true, true));
    EXPECT_EQ(g_steps, 1) << "the ticks behind the all-clear and bonus boxes did nothing";
    EXPECT_FALSE(session.busy);
}

TEST_F(GameSessionTest, ABonusFlagAddsABallInPlayAndTheDemonstrationReplaysAClearedStageWithoutMessages) {
    doc.m_bonusBall[2] = doc.m_bonusBall[9] = 1;
    doc.m_nStage = 2;
    Start();
    session.score = 90;
    FlyingTick(StepOutcome::StageCleared);
    EXPECT_THAT(platform.log, ElementsAre("message ボーナスボールが追加されました! [information]", "stage 3",
                                          "high 0", "score 90", "balls 4", "music Play", "invalidate"));
    doc.m_nStage = 9;
    session.ChooseMode(GameMode::Demo);
    platform.log.clear();
    FlyingTick(StepOutcome::StageCleared);
    EXPECT_THAT(platform.log, ElementsAre("stage 9", "high 0", "score 0", "balls 3", "invalidate"));
    EXPECT_EQ(session.ballState, BallState::InFlight) << "the demonstration serves straight away";
    FlyingTick(StepOutcome::BallLost);
    EXPECT_EQ(session.ballsLeft, 3) << "and never runs out of balls";
}

TEST_F(GameSessionTest, AnEmptyStageIsReportedAndPlayedAnyway) {
    doc.m_nStage = 1;
    doc.m_cells[1 * kCellsPerStage + 20] = 0;
    session.StartGame();
    EXPECT_EQ(platform.log.front(), "message このブロック ファイルにはブロックがありません。 [exclamation]")
        << "before the game starts as any other";
    EXPECT_EQ(session.blocksLeft, 0);
}

TEST_F(GameSessionTest, TicksDoNothingWhileBusyOrInTheEditorAndOtherTimersAreLeftToTheDefault) {
    Start();
    EXPECT_FALSE(session.OnGameTick(2));
    EXPECT_TRUE(session.OnGameTick(GameSession::kTimerId));
    session.busy = true;
    FlyingTick(StepOutcome::BallLost);
    session.busy = false;
    session.ChooseMode(GameMode::Editor);
    platform.log.clear();
    FlyingTick(StepOutcome::BallLost);
    EXPECT_THAT(platform.log, IsEmpty());
    EXPECT_EQ(g_steps, 0);
    EXPECT_EQ(session.ballsLeft, 3);
}

TEST_F(GameSessionTest, ModeCommandsRestartOnlyWhenTheModeChanges) {
    Start();
    session.score = 50;
    session.ChooseMode(GameMode::Play);
    EXPECT_THAT(platform.log, IsEmpty());
    EXPECT_EQ(session.score, 50);

    doc.m_cells[20] = 5 | BlockAlive;
    doc.KnockOut(5, 1);
    session.ChooseMode(GameMode::Editor);
    EXPECT_THAT(platform.log, ElementsAre("kill timer", "stop music", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
    EXPECT_FALSE(session.timerRunning);
    EXPECT_EQ(doc.Cell(5, 1), 5 | BlockAlive) << "the editor shows every block standing";

    platform.log.clear();
    session.ChooseMode(GameMode::Demo);
    EXPECT_THAT(platform.log, ElementsAre("music Demo", "set timer", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
}

TEST_F(GameSessionTest, PauseAndLaunchMoveTheBallBetweenStates) {
    Start();
    session.TogglePause();
    EXPECT_EQ(session.ballState, BallState::Paused);
    session.TogglePause();
    EXPECT_EQ(session.ballState, BallState::InFlight) << "a paused serve leaves the paddle";
    session.TogglePause();
    session.LaunchBall();
    EXPECT_EQ(session.ballState, BallState::InFlight);
}

TEST_F(GameSessionTest, AServedBallFollowsThePaddleEveryTickWithinLimitsThatAFlightNarrows) {
    Start();
    platform.recordDrawing = true;
    session.OnGameTick(GameSession::kTimerId);
    EXPECT_THAT(platform.log, ElementsAre("serving ball 512->512")) << "the paddle did not move";

    platform.log.clear();
    platform.input.pointerClientX = 0;  // far left of the playfield
    session.OnGameTick(GameSession::kTimerId);
    EXPECT_THAT(platform.log, ElementsAre("paddle 512->40", "serving ball 512->40"));
    EXPECT_EQ(session.ballX, 40);
    EXPECT_EQ(g_steps, 0);

    // A flying ball sees the paddle one unit inside the serving limits.
    platform.input.pointerClientX = 2000;
    FlyingTick(StepOutcome::BallInPlay);
    EXPECT_EQ(session.paddleX, 918);
    session.ballState = BallState::Paused;
    session.OnGameTick(GameSession::kTimerId);
    EXPECT_EQ(session.paddleX, 919);
    EXPECT_EQ(g_steps, 1);
}
}  // namespace
