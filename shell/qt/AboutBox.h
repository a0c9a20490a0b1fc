// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

// The About box: the program's icon, name and version, and OK; Esc closes it
// too. Returns when it is closed.
void ShowAboutBox(QWidget* parent);
