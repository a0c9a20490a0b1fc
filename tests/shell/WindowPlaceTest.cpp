// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WindowPlace.h"

#include <climits>

#include <gtest/gtest.h>

namespace {
// A primary screen of 1280 x 1024 with a smaller one to its right.
const std::vector<Rect> kScreens{{0, 0, 1280, 1024}, {1280, 0, 1024, 768}};
constexpr int kWidth = 512;

PixelPoint Place(int x, int y) { return WindowPlaceOnScreens({x, y}, kWidth, kScreens); }

TEST(WindowPlaceTest, APlaceWhoseTitleBarCanBeTakenHoldOfStands) {
    EXPECT_EQ(Place(0, 0), (PixelPoint{0, 0}));
    EXPECT_EQ(Place(-400, 100), (PixelPoint{-400, 100})) << "partly off the left edge";
    EXPECT_EQ(Place(1500, 700), (PixelPoint{1500, 700})) << "on the second screen";
    EXPECT_EQ(Place(1240, 1010), (PixelPoint{1240, 1010})) << "a corner of the bar on the primary";
    // A grip is 32 wide and 8 high, of a title bar 20 high.
    EXPECT_EQ(Place(1248, 1000), (PixelPoint{1248, 1000}));
    EXPECT_EQ(Place(0, -12), (PixelPoint{0, -12}));
    EXPECT_EQ(WindowPlaceOnScreens({INT_MAX, INT_MAX}, kWidth, {}), (PixelPoint{INT_MAX, INT_MAX}))
        << "no screens to judge by";
}

TEST(WindowPlaceTest, ATitleBarOffEveryScreenBringsTheWindowToThePrimary) {
    for (const PixelPoint stored : {PixelPoint{INT_MAX, INT_MAX}, PixelPoint{INT_MIN, INT_MIN},
                                    PixelPoint{-500, 100}, PixelPoint{100, -30}, PixelPoint{1500, 800},
                                    PixelPoint{INT_MAX, 0}, PixelPoint{0, 1020},
                                    PixelPoint{1249, 1000}, PixelPoint{0, -13}})
        EXPECT_EQ(WindowPlaceOnScreens(stored, kWidth, kScreens), (PixelPoint{0, 0})) << stored.x << "," << stored.y;
    EXPECT_EQ(WindowPlaceOnScreens({5000, 5000}, kWidth, {{100, 50, 800, 600}}), (PixelPoint{100, 50}));
}
}  // namespace
