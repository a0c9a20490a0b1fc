// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;

// The game commands the playfield view carries out, by their menu and
// accelerator identifiers.
enum class ViewCommand : int {
    Play = 32769,
    Demo = 32770,
    Editor = 32771,
    Pause = 32774,
    Launch = 32778,
};

// By the program's one table of enabling rules (engine/CommandRules.h).
bool IsViewCommandEnabled(ViewCommand command, const GameSession& session);

// Carries out an enabled command; a disabled one is ignored, whichever way
// it was chosen. Returns whether it ran.
bool RunViewCommand(ViewCommand command, GameSession& session);
