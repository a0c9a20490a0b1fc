// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameTypes.h"

class GameSession;

// What the enabling rules of the commands look at, taken fresh each time
// the rules are evaluated.
struct CommandContext {
    GameMode mode = GameMode::Play;
    BallState ballState = BallState::Serving;
    int speed = 1;
    int stage = 0;  // 0-based index of the current stage
    bool bonusBall = false;
    bool modified = false;
    bool musicEnabled = false;
    bool effectsEnabled = false;
    bool canUndo = false;  // the editor's history holds a change to take back
    bool canRedo = false;  // ... or one taken back to do again
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    bool smoothMotion = false;  // the ball shown between ticks too
};

// What the session and its stage set say; the history and the bars are
// for the caller to add.
CommandContext SessionContext(const GameSession& session);

struct CommandState {
    bool enabled = true;
    bool checked = false;  // check mark, radio mark, or a pressed button
    friend bool operator==(const CommandState&, const CommandState&) = default;
};

// The enabling rule and mark of a command by its identifier. A command
// that is not enabled is never carried out, from a menu, a button or a key.
CommandState CommandStateOf(int command, const CommandContext& context);
