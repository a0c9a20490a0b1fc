// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "engine/FillList.h"
#include "engine/PixelPoint.h"

// How a cell's byte looks, cell-sized at `origin`. A block shows when its
// byte is positive and it stands, or in the editor whether it stands or not;
// anything else is background, with the editor's grid lines along the top
// and left edges in the editor. Silver hit once has a crack down its middle;
// hit twice, three cracks down and one across.
FillList BlockFills(PixelPoint origin, int width, int height, std::int8_t cell, bool editorMode);
