// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/ImageResources.h"

#include <QtCore/qglobal.h>

// The macro declares the resource initialiser at this scope, so it must run
// outside any namespace.
void EnsureImageResources() { Q_INIT_RESOURCE(resources); }
