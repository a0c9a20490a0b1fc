// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QImage>

// The pictures copied onto the playfield, each drawn in three sizes, one
// per zoom.
enum class PlayfieldPicture { TopWall = 0, SideWall = 1, Corner = 2, Paddle = 3, Ball = 4 };

// Bitmap resources 200 to 214: picture p at zoom z is resource
// 200 + 3p + (z - 2). A picture that cannot be loaded stays null and its
// copies are skipped.
class PlayfieldBitmaps {
public:
    static constexpr int kFirstId = 200;
    static constexpr int kCount = 15;

    // Loads ":/bitmaps/<id>.png", laid on white, ready for plain copying.
    static PlayfieldBitmaps Load();

    const QImage& Picture(PlayfieldPicture picture, int zoom) const;

private:
    std::array<QImage, kCount> images_;
};
