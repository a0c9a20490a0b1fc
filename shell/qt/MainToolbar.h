// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CommandTable;
class QToolBar;
class QWidget;

// The toolbar of the main window: the buttons of toolbar 2 in their order,
// each showing its cell of bitmap 2 and sharing its command's action.
QToolBar* CreateMainToolbar(QWidget* parent, CommandTable& commands);
