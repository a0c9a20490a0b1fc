// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QDialog;
class QString;
class QWidget;

// Dresses a dialog or message box of the main window for the window manager:
// a caption with a system menu and a close box, no minimise or maximise box,
// and wide enough for the manager to show its whole title. Call once its
// layout and title are complete, before it is first shown; a dialog with a
// parent opens centred on it and stays above it.
void DressAsDialog(QDialog& dialog);

// The width a window's frame needs for the whole of its title: the title in a
// bold face of at least 11 points, as the usual desktops draw titles, with
// room on both sides for three buttons, since some managers centre the title
// between them.
int TitleBarWidth(const QString& title, const QWidget& window);
