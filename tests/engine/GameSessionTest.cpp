// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallFlight.h"
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
class GameSessionTest : public SessionFixture {
protected:
    GameSessionTest() {
        // The ball step's outcome and event for the next tick, scripted by each test.
        session.SetBallStepper([this](BallFlight& flight) {
            ++steps;
            flight.state.lastEvent = nextEvent;
            return nextOutcome;
        });
        doc.AttachView(&sessionView);
        for (int stage = 0; stage < kStageCount; ++stage) PutBlock(stage, 5);
        platform.input.zoom = 4;
        platform.input.pointerClientX = 512 + 32;  // the pointer right above the serve point
    }

    void PutBlock(int stage, int kind) { doc.CellsOf(stage)[20] = static_cast<std::int8_t>(kind); }

    StepOutcome nextOutcome = StepOutcome::BallInPlay;
    SoundEvent nextEvent = SoundEvent::None;
    int steps = 0;

    // Starts a game and forgets what starting it did.
    void Start() {
        session.StartGame();
        platform.log.clear();
    }

    void FlyingTick(StepOutcome outcome, SoundEvent event = SoundEvent::None) {
        Set(session, &SessionState::ballState, BallState::InFlight);
        nextOutcome = outcome;
        nextEvent = event;
        session.OnGameTick(GameSession::kTimerId);
    }

    SessionStageSetView sessionView{session};
};

TEST_F(GameSessionTest, StartsInPlayWithTheBallOnThePaddle) {
    EXPECT_EQ(session.State().mode, GameMode::Play);
    EXPECT_EQ(session.State().ballState, BallState::Serving);
    EXPECT_EQ(session.State().blocksLeft, 20000);
    Set(session, &SessionState::paddleX, 300);
    session.StartGame();
    EXPECT_THAT(platform.log, ElementsAre("music Play", "set timer", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
    EXPECT_TRUE(session.State().timerRunning);
    EXPECT_EQ(session.State().ballX, 300);
    EXPECT_EQ(session.State().ballY, 504);
    EXPECT_EQ(session.State().ballDX, 4);
    EXPECT_EQ(session.State().ballDY, -4);
    EXPECT_EQ(session.State().blocksLeft, 1);
    EXPECT_EQ(platform.tickCount, session.Random().State()) << "seeded from the tick count";
}

TEST_F(GameSessionTest, LosingABallServesAgainAndLosingTheLastEndsTheGameAndRestartsTheSameStage) {
    doc.m_nStage = 4;
    Start();
    FlyingTick(StepOutcome::BallLost, SoundEvent::Fail);
    EXPECT_THAT(platform.log, ElementsAre("music Play", "balls 2")) << "effects are off: no effect request";
    EXPECT_EQ(session.State().ballState, BallState::Serving);

    platform.log.clear();
    Set(session, &SessionState::effectsEnabled, true);
    Set(session, &SessionState::ballsLeft, 1);
    Set(session, &SessionState::score, 700);
    bool busyDuringMessage = false;
    platform.whileMessageShown = [&] {
        busyDuringMessage = session.State().busy;
        session.OnGameTick(GameSession::kTimerId);  // a tick arriving behind the box
    };

    FlyingTick(StepOutcome::BallLost, SoundEvent::Fail);

    EXPECT_THAT(platform.log, ElementsAre("effect 7", "music GameOver", "message GAME OVER [information]",
                                          "music Play", "invalidate", "stage 4", "high 0", "score 0", "balls 3"));
    EXPECT_TRUE(busyDuringMessage);
    EXPECT_EQ(steps, 2) << "the tick behind the message box did nothing";
    EXPECT_FALSE(session.State().busy);
    EXPECT_EQ(session.State().score, 0);
    EXPECT_EQ(session.State().ballsLeft, 3);
    EXPECT_EQ(session.State().ballState, BallState::Serving);
}

TEST_F(GameSessionTest, ClearingTheTenthStageShowsTheMessagesAndWrapsToTheFirst) {
    const std::string message = *Utf8ToCp932("全ステージクリア");
    std::copy(message.begin(), message.end(), doc.m_message.begin());
    doc.m_nStage = 9;
    doc.m_bonusBall[9] = 1;
    Start();
    Set(session, &SessionState::ballsLeft, 50);
    std::vector<bool> busyDuringMessages;
    platform.whileMessageShown = [&] {
        busyDuringMessages.push_back(session.State().busy);
        // A tick arriving behind each box, whose step would lose the ball.
        nextOutcome = StepOutcome::BallLost;
        session.OnGameTick(GameSession::kTimerId);
    };

    FlyingTick(StepOutcome::StageCleared, SoundEvent::NormalBlock);

    EXPECT_THAT(platform.log,
                ElementsAre("message 全ステージクリア [information]",
                            "message ボーナスボールが追加されました! [information]", "stage 0", "high 0",
                            "score 0", "balls 50", "music Play", "invalidate"));
    EXPECT_EQ(doc.CurrentStage(), 0);
    EXPECT_EQ(session.State().ballsLeft, 50) << "never more than fifty balls";
    EXPECT_THAT(busyDuringMessages, ElementsAre(true, true));
    EXPECT_EQ(steps, 1) << "the ticks behind the all-clear and bonus boxes did nothing";
    EXPECT_FALSE(session.State().busy);
}

TEST_F(GameSessionTest, ABonusFlagAddsABallInPlayAndTheDemonstrationReplaysAClearedStageWithoutMessages) {
    doc.m_bonusBall[2] = doc.m_bonusBall[9] = 1;
    doc.m_nStage = 2;
    Start();
    Set(session, &SessionState::score, 90);
    FlyingTick(StepOutcome::StageCleared);
    EXPECT_THAT(platform.log, ElementsAre("message ボーナスボールが追加されました! [information]", "stage 3",
                                          "high 0", "score 90", "balls 4", "music Play", "invalidate"));
    doc.m_nStage = 9;
    session.ChooseMode(GameMode::Demo);
    platform.log.clear();
    FlyingTick(StepOutcome::StageCleared);
    EXPECT_THAT(platform.log, ElementsAre("stage 9", "high 0", "score 0", "balls 3", "invalidate"));
    EXPECT_EQ(session.State().ballState, BallState::InFlight) << "the demonstration serves straight away";
    FlyingTick(StepOutcome::BallLost);
    EXPECT_EQ(session.State().ballsLeft, 3) << "and never runs out of balls";
}

TEST_F(GameSessionTest, AnEmptyStageIsReportedAndPlayedAnyway) {
    doc.m_nStage = 1;
    doc.CellsOf(1)[20] = 0;
    session.StartGame();
    EXPECT_EQ(platform.log.front(), "message このブロック ファイルにはブロックがありません。 [exclamation]")
        << "before the game starts as any other";
    EXPECT_EQ(session.State().blocksLeft, 0);
}

TEST_F(GameSessionTest, TicksDoNothingWhileBusyOrInTheEditorAndOtherTimersAreLeftToTheDefault) {
    Start();
    EXPECT_FALSE(session.OnGameTick(2));
    EXPECT_TRUE(session.OnGameTick(GameSession::kTimerId));
    Set(session, &SessionState::busy, true);
    FlyingTick(StepOutcome::BallLost);
    Set(session, &SessionState::busy, false);
    session.ChooseMode(GameMode::Editor);
    platform.log.clear();
    FlyingTick(StepOutcome::BallLost);
    EXPECT_THAT(platform.log, IsEmpty());
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(session.State().ballsLeft, 3);
}

TEST_F(GameSessionTest, ModeCommandsRestartOnlyWhenTheModeChanges) {
    Start();
    Set(session, &SessionState::score, 50);
    session.ChooseMode(GameMode::Play);
    EXPECT_THAT(platform.log, IsEmpty());
    EXPECT_EQ(session.State().score, 50);

    doc.AllCells()[20] = 5 | BlockAlive;
    doc.KnockOut(5, 1);
    session.ChooseMode(GameMode::Editor);
    EXPECT_THAT(platform.log, ElementsAre("kill timer", "stop music", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
    EXPECT_FALSE(session.State().timerRunning);
    EXPECT_EQ(doc.Cell(5, 1), 5 | BlockAlive) << "the editor shows every block standing";

    platform.log.clear();
    session.ChooseMode(GameMode::Demo);
    EXPECT_THAT(platform.log, ElementsAre("music Demo", "set timer", "invalidate", "stage 0", "high 0",
                                          "score 0", "balls 3"));
}

TEST_F(GameSessionTest, PauseAndLaunchMoveTheBallBetweenStates) {
    Start();
    session.TogglePause();
    EXPECT_EQ(session.State().ballState, BallState::Paused);
    session.TogglePause();
    EXPECT_EQ(session.State().ballState, BallState::InFlight) << "a paused serve leaves the paddle";
    session.TogglePause();
    session.LaunchBall();
    EXPECT_EQ(session.State().ballState, BallState::InFlight);
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
    EXPECT_EQ(session.State().ballX, 40);
    EXPECT_EQ(steps, 0);

    // A flying ball sees the paddle one unit inside the serving limits.
    platform.input.pointerClientX = 2000;
    FlyingTick(StepOutcome::BallInPlay);
    EXPECT_EQ(session.State().paddleX, 918);
    Set(session, &SessionState::ballState, BallState::Paused);
    session.OnGameTick(GameSession::kTimerId);
    EXPECT_EQ(session.State().paddleX, 919);
    EXPECT_EQ(steps, 1);
}
}  // namespace
