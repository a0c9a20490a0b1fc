// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PointerChoice.h"

#include <gtest/gtest.h>

#include "tests/engine/SessionFixture.h"

namespace {
struct PointerChoiceTest : SessionFixture {
    PointerShape Choice(PixelPoint at = {100, 100}) const { return ChoosePointer(session, at, ZoomLevel::For(4)); }
};
}  // namespace

TEST_F(PointerChoiceTest, InPlayThePointerHidesOnlyWhileTheMouseSteersAFlyingBall) {
    Set(session, &SessionState::hideCursor, true);
    EXPECT_EQ(Choice(), PointerShape::Play);  // serving
    Set(session, &SessionState::ballState, BallState::InFlight);
    EXPECT_EQ(Choice(), PointerShape::None);
    Set(session, &SessionState::ballState, BallState::Paused);
    EXPECT_EQ(Choice(), PointerShape::Pause);

    Set(session, &SessionState::ballState, BallState::InFlight);
    Set(session, &SessionState::keyboardControl, true);
    EXPECT_EQ(Choice(), PointerShape::Play);
    Set(session, &SessionState::keyboardControl, false);
    Set(session, &SessionState::hideCursor, false);
    EXPECT_EQ(Choice(), PointerShape::Play);
}

// The flying ball of the demonstration is the view test's.
TEST_F(PointerChoiceTest, APausedDemonstrationShowsTheArrowAndTheEditorTheBrushOnlyOverTheGrid) {
    Set(session, &SessionState::mode, GameMode::Demo);
    Set(session, &SessionState::hideCursor, true);
    Set(session, &SessionState::ballState, BallState::Paused);
    EXPECT_EQ(Choice(), PointerShape::Arrow) << "whatever the hiding setting";

    Set(session, &SessionState::mode, GameMode::Editor);
    EXPECT_EQ(Choice({32, 32}), PointerShape::Editor);
    EXPECT_EQ(Choice({20, 100}), PointerShape::Arrow);   // left wall
    EXPECT_EQ(Choice({500, 470}), PointerShape::Arrow);  // palette
}
