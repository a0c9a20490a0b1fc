// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCursor>

#include "engine/PointerChoice.h"

// The view's pointers: resources 117 (play), 118 (pause) and 119 (editor),
// and the system's arrow. A pointer whose image cannot be loaded shows as
// the arrow.
class PlayfieldPointers {
public:
    // Loads ":/cursors/<id>.png" with each pointer's hot spot.
    static PlayfieldPointers Load();

    QCursor For(PointerShape shape) const;

private:
    QCursor play_{Qt::ArrowCursor};
    QCursor pause_{Qt::ArrowCursor};
    QCursor editor_{Qt::ArrowCursor};
};
