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
    session.hideCursor = true;
    EXPECT_EQ(Choice(), PointerShape::Play);  // serving
    session.ballState = BallState::InFlight;
    EXPECT_EQ(Choice(), PointerShape::None);
    session.ballState = BallState::Paused;
    EXPECT_EQ(Choice(), PointerShape::Pause);

    session.ballState = BallState::InFlight;
    session.keyboardControl = true;
    EXPECT_EQ(Choice(), PointerShape::Play);
    session.keyboardControl = false;
    session.hideCursor = false;
    EXPECT_EQ(Choice(), PointerShape::Play);
}

// The flying ball of the demonstration is the view test's.
TEST_F(PointerChoiceTest, APausedDemonstrationShowsTheArrowAndTheEditorTheBrushOnlyOverTheGrid) {
    session.mode = GameMode::Demo;
    session.hideCursor = true;
    session.ballState = BallState::Paused;
    EXPECT_EQ(Choice(), PointerShape::Arrow) << "whatever the hiding setting";

    session.mode = GameMode::Editor;
    EXPECT_EQ(Choice({32, 32}), PointerShape::Editor);
    EXPECT_EQ(Choice({20, 100}), PointerShape::Arrow);   // left wall
    EXPECT_EQ(Choice({500, 470}), PointerShape::Arrow);  // palette
}
