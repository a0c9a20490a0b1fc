// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/GameTypes.h"

// The places a ball in flight passed through in one tick: where the tick
// found it, then where each sub-step left it, and for each sub-step whether
// the ball went straight there, on the line of its velocity, or was turned
// on the way (a wall or the paddle moves it off that line).
class BallPath {
public:
    void Start(Point at);
    void Add(Point at, bool straight);

    bool Empty() const { return places_.size() < 2; }
    const std::vector<Point>& Places() const { return places_; }
    Point End() const { return places_.back(); }

    // Where to show the ball a share `phase` (0 to 1) of a tick after the
    // tick that took it along this path: the path's sub-steps share the tick
    // evenly; within a straight one the ball is shown on its line, in
    // proportion, within a turned one at its start, and from 1 on at the end.
    // So the ball is never shown where the rules did not take it, and at each
    // tick it stands exactly where a sub-step left it.
    Point At(double phase) const;

private:
    std::vector<Point> places_;
    std::vector<bool> straight_;  // one per sub-step
};
