// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/PixelPoint.h"
#include "engine/Rect.h"

// Where the main window opens: at its stored place, unless the title bar
// would then lie on no screen, where nobody could take hold of it to drag
// the window back; it then opens at the primary screen's top-left corner.
// The screens are in desktop coordinates, the primary one first. Without
// any screen to judge by, the stored place stands.
PixelPoint WindowPlaceOnScreens(PixelPoint stored, int windowWidth, const std::vector<Rect>& screens);
