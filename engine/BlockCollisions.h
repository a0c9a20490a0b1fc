// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct BallFlight;

// What the block stages of one sub-step did, for the rules at its end.
struct BlockHitTally {
    bool topEdgeHit = false;  // the top-edge phase hit a block of any kind
    bool hitGold = false;
    int points = 0;
};

// The ball's top edge against the blocks: the row it now lies in, entered
// through the bottom face or through a side face.
void CollideTopEdge(BallFlight& flight, BlockHitTally& tally);

// The ball's bottom edge against the blocks, from where the top-edge phase
// left the ball: entered through the top face or a side face, and last a
// side face met by the trailing edge's row.
void CollideBottomEdge(BallFlight& flight, BlockHitTally& tally);
