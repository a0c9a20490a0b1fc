// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/Zoom.h"

// The screen the zoom levels are measured against: the primary one, or no
// width at all where there is no screen.
class PrimaryScreen : public ScreenInfo {
public:
    int PrimaryScreenWidth() const override;
};
