// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Fixed geometry of the playfield, in logical units.
namespace Playfield {
inline constexpr int kInteriorWidth = 960;
inline constexpr int kFrame = 32;  // the wall around the interior, on both axes
inline constexpr int kCellWidth = 64;
inline constexpr int kCellHeight = 32;
inline constexpr int kBallRadius = 8;
inline constexpr int kBallSize = 16;
inline constexpr int kPaddleWidth = 80;
inline constexpr int kPaddleHalfWidth = 40;
inline constexpr int kPaddleHeight = 12;
inline constexpr int kPaddleTop = 512;
inline constexpr int kBallRestY = 504;  // centre of a ball lying on the paddle
inline constexpr int kFloorLine = 542;  // a falling ball below this is lost

// PaddleTarget keeps the paddle centre here; a flying ball sees one unit less.
inline constexpr int kPaddleMinX = 40;
inline constexpr int kPaddleMaxX = 919;
inline constexpr int kFlightPaddleMinX = 41;
inline constexpr int kFlightPaddleMaxX = 918;

inline constexpr int kServeX = 512;
inline constexpr int kServeDX = 4;
inline constexpr int kServeDY = -4;
}  // namespace Playfield
