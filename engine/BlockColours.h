// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The three colours of a block: its face, its one-pixel outline, and the
// bright top and left edges that make it look raised.
struct BlockColours {
    Rgb fill;
    Rgb outline;
    Rgb highlight;
};

inline constexpr int kColourRowCount = 14;

// Row k - 1 for block kind k; the last row serves every silver stage.
inline constexpr std::array<BlockColours, kColourRowCount> kBlockColourRows{{
    {{255, 0, 0}, {128, 0, 0}, {255, 0, 255}},
    {{128, 255, 128}, {0, 128, 0}, {192, 255, 192}},
    {{128, 128, 255}, {0, 0, 128}, {0, 255, 255}},
    {{255, 255, 0}, {128, 128, 0}, {255, 255, 128}},
    {{255, 0, 128}, {128, 0, 128}, {255, 0, 255}},
    {{0, 255, 255}, {0, 0, 255}, {128, 255, 255}},
    {{0, 255, 0}, {0, 128, 0}, {128, 255, 128}},
    {{255, 128, 0}, {128, 0, 0}, {255, 255, 0}},
    {{255, 0, 255}, {128, 0, 0}, {255, 128, 255}},
    {{0, 0, 255}, {0, 0, 128}, {0, 255, 255}},
    {{255, 128, 128}, {128, 0, 128}, {255, 255, 0}},
    {{128, 0, 0}, {0, 0, 0}, {255, 0, 0}},
    {{191, 191, 0}, {128, 128, 0}, {255, 255, 0}},  // gold
    {{192, 192, 192}, {127, 127, 127}, {255, 255, 255}},  // silver, fresh or cracked
}};

// The colours of a kind from 1 upward; cracked silver (15, 16) looks silver.
inline const BlockColours& ColoursOfKind(int kind) {
    return kBlockColourRows[(kind > kColourRowCount ? kColourRowCount : kind) - 1];
}

namespace ViewColours {
inline constexpr Rgb kBackground{255, 255, 255};
inline constexpr Rgb kGridLine{127, 127, 127};
inline constexpr Rgb kPanel{192, 192, 192};
inline constexpr Rgb kFrameLight{255, 255, 255};
inline constexpr Rgb kFrameDark{127, 127, 127};
}  // namespace ViewColours
