// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallPath.h"

#include <cmath>

void BallPath::Start(Point at) {
    places_.assign(1, at);
    straight_.clear();
}

void BallPath::Add(Point at, bool straight) {
    places_.push_back(at);
    straight_.push_back(straight);
}

Point BallPath::At(double phase) const {
    if (places_.empty()) return {};
    const int subSteps = static_cast<int>(straight_.size());
    const double along = phase * subSteps;
    if (!(along > 0)) return places_.front();  // before the tick's first move, or not a number
    if (along >= subSteps) return places_.back();
    const int step = static_cast<int>(along);
    const Point from = places_[step];
    if (!straight_[step]) return from;
    const Point to = places_[step + 1];
    const double share = along - step;
    return {from.x + static_cast<int>(std::lround((to.x - from.x) * share)),
            from.y + static_cast<int>(std::lround((to.y - from.y) * share))};
}
