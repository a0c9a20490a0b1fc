// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "engine/GameSession.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/FakePlatform.h"
#include "tests/engine/SetState.h"

// A session on an empty stage set, over the recording platform.
struct SessionFixture : ::testing::Test {
    CBlockDoc doc;
    FakePlatform platform;
    GameSession session{doc, platform, platform};

    SessionFixture() { platform.Serve(session); }

    // Puts the ball at (x, y), moving by (dx, dy) each sub-step.
    void Throw(int x, int y, int dx, int dy) {
        Set(session, &SessionState::ballX, x);
        Set(session, &SessionState::ballY, y);
        Set(session, &SessionState::ballDX, dx);
        Set(session, &SessionState::ballDY, dy);
    }
};
