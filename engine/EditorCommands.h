// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;

// Next or previous stage: moves one stage and restarts the game there, in
// whatever mode. Returns whether it ran; a disabled command is ignored.
bool RunStageCommand(int commandId, GameSession& session);
