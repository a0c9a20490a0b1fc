// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class BallPath;
class CBlockDoc;
class ClassicRandom;
class PlayfieldCanvas;
class StatusPanes;
struct SessionState;

// What one tick of a ball in flight works on, lent by the session for the
// tick: its state, of which the step moves the ball and counts the points,
// the tick's sound and the blocks left; the stage it knocks blocks out of;
// the generator that nudges it off gold; where it draws and shows the
// score; and, when asked, where it notes the places the ball passed through.
struct BallFlight {
    SessionState& state;
    CBlockDoc& doc;
    ClassicRandom& random;
    PlayfieldCanvas& canvas;
    StatusPanes& panes;
    BallPath* path = nullptr;
};
