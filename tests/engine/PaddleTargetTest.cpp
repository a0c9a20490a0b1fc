// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PaddleTarget.h"

#include <gtest/gtest.h>

#include "tests/engine/SessionFixture.h"

namespace {
using PaddleTargetTest = SessionFixture;

PaddleInput Pointer(int clientX, int zoom) { return {false, false, false, clientX, zoom}; }

PaddleInput Keys(bool left, bool right, bool shift) { return {left, right, shift, 0, 2}; }
}  // namespace

TEST_F(PaddleTargetTest, TheMouseSetsTheCentreUnderThePointerWithinTheInterior) {
    EXPECT_EQ(PaddleTarget(session, Pointer(100, 2)), 168);
    // At 100 % and the limits: the game session's tests.
}

TEST_F(PaddleTargetTest, TheKeyboardStepsBySpeedAndShiftDoublesIt) {
    Set(session, &SessionState::keyboardControl, true);
    Set(session, &SessionState::paddleX, 500);
    EXPECT_EQ(PaddleTarget(session, Keys(false, true, false)), 512);
    EXPECT_EQ(PaddleTarget(session, Keys(false, true, true)), 524);
    EXPECT_EQ(PaddleTarget(session, Keys(true, true, false)), 488);  // left wins
    EXPECT_EQ(PaddleTarget(session, Keys(false, false, true)), 500);
    Set(session, &SessionState::speed, 3);
    EXPECT_EQ(PaddleTarget(session, Keys(true, false, false)), 476);
    Set(session, &SessionState::paddleX, 45);
    EXPECT_EQ(PaddleTarget(session, Keys(true, false, true)), 40);
}

TEST_F(PaddleTargetTest, TheDemonstrationFollowsTheBallWhateverTheInput) {
    Set(session, &SessionState::mode, GameMode::Demo);
    Set(session, &SessionState::keyboardControl, true);
    Set(session, &SessionState::ballX, 700);
    EXPECT_EQ(PaddleTarget(session, Keys(true, false, true)), 700);
    EXPECT_EQ(PaddleTarget(session, Pointer(0, 2)), 700);
    Set(session, &SessionState::ballX, 10);
    EXPECT_EQ(PaddleTarget(session, Pointer(0, 2)), 40);
}
