// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Registers the program's compiled-in images (":/bitmaps/...",
// ":/cursors/...", ":/icons/..."). They are linked from a static library,
// whose resources register only when asked; asking again does no harm.
void EnsureImageResources();
