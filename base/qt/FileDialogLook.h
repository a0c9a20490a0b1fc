// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFileDialog;

// What every file dialog of the program shares, apart from its purpose:
// Qt's own dialog rather than the desktop's, so that it speaks Japanese
// with the rest of the program; dates written the Japanese way whatever
// the system's language; and columns and a window wide enough that size,
// type and date are never cut at the dialog's font. Type names come from
// the MIME types installed on the system, so stage sets are named by the
// game's own type once the game is installed.
void FinishFileDialog(QFileDialog& dialog);
