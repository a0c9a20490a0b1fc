// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallPath.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/engine/SessionFixture.h"

namespace {
// Whether a point in whole units is a point of the segment between two
// places, rounded to whole units.
bool OnSegment(Point p, Point a, Point b) {
    for (int i = 0; i <= 1000; ++i) {
        const double t = i / 1000.0;
        if (std::fabs(p.x - (a.x + t * (b.x - a.x))) <= 0.5 && std::fabs(p.y - (a.y + t * (b.y - a.y))) <= 0.5)
            return true;
    }
    return false;
}

class BallPathTest : public SessionFixture {
protected:
    // One tick of flight at normal speed (three sub-steps) from the place and velocity.
    const BallPath& FlyOneTick(int x, int y, int dx, int dy) {
        Set(session, &SessionState::ballState, BallState::InFlight);
        Set(session, &SessionState::blocksLeft, 100);
        Throw(x, y, dx, dy);
        platform.input = {false, false, false, x + 32, 4};  // the paddle stays out of the way
        session.OnGameTick(GameSession::kTimerId);
        return session.LastPath();
    }
};

TEST_F(BallPathTest, ATickNotesWhereEachSubStepLeftTheBallAndWhetherItWentStraight) {
    const BallPath& open = FlyOneTick(300, 300, 6, -6);
    EXPECT_EQ(open.Places(), (std::vector<Point>{{300, 300}, {306, 294}, {312, 288}, {318, 282}}));
    EXPECT_EQ(open.At(0.5), (Point{309, 291})) << "halfway along the straight middle sub-step";

    // The right wall (x 952) turns the ball in the second sub-step: it is
    // shown where that sub-step began until the sub-step's end.
    const BallPath& wall = FlyOneTick(944, 300, 6, -6);
    EXPECT_EQ(wall.Places(), (std::vector<Point>{{944, 300}, {950, 294}, {948, 288}, {942, 282}}));
    EXPECT_EQ(wall.At(0.5), (Point{950, 294}));
    EXPECT_EQ(wall.At(5.0 / 6), (Point{945, 285})) << "straight again in the third";
}

TEST_F(BallPathTest, TheBallIsShownOnlyWhereTheRulesTookItAndExactlyAtTheTicks) {
    BallPath path;
    path.Start({100, 100});
    path.Add({105, 97}, true);
    path.Add({103, 92}, false);  // turned: never shown between 97 and 92
    path.Add({98, 87}, true);
    path.Add({93, 82}, true);
    EXPECT_EQ(path.At(0), (Point{100, 100}));
    EXPECT_EQ(path.At(1), (Point{93, 82}));
    EXPECT_EQ(path.At(2), (Point{93, 82})) << "held at the end until the next tick";
    EXPECT_EQ(path.At(-1), (Point{100, 100}));

    const std::vector<Point>& places = path.Places();
    for (int frame = 0; frame <= 1000; ++frame) {
        const Point shown = path.At(frame / 1000.0);
        const bool onStraight = OnSegment(shown, places[0], places[1]) || OnSegment(shown, places[2], places[3]) ||
                                OnSegment(shown, places[3], places[4]);
        EXPECT_TRUE(onStraight || shown == places[1]) << frame << ": " << shown.x << "," << shown.y;
    }
}
}  // namespace
