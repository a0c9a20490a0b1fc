// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

class DocumentCommands;
class SettingsStore;

// The stage set start-up opens: the command line's path when there is one
// (and only then is "Pattern" left unread), else the set that was open when
// the program last closed, else "SYSTEM.BLC" beside the program.
std::string ChooseStartupFile(std::string_view commandLinePath, SettingsStore& settings,
                              std::string_view programDir);

// Opens the first set: the chosen file and, should that fail (the document
// layer has already said why), the Open dialog once. There is no retry
// beyond it and no fallback to "SYSTEM.BLC". False when no set is open:
// the program then ends without showing a window.
bool OpenFirstStageSet(DocumentCommands& commands, std::string_view path);
