// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "base/CommandIds.h"

// Help topics by number. A dialog's topic is kHelpTopicBase + its resource
// identifier; a command's, or a status pane's, is kCommandTopicBase + its
// command or indicator identifier. The manual's project file names each
// topic by HelpTopicKey, so a number finds its page.
inline constexpr int kCommandTopicBase = 0x10000;

// The compiled manual, beside the program and named after its file.
inline constexpr char kHelpFileName[] = "zembrovaltine.qch";

// The status bar's four game indicators, left to right.
namespace IndicatorId {
inline constexpr int Stage = 59145;
inline constexpr int HighScore = 59143;
inline constexpr int Score = 59144;
inline constexpr int BallsLeft = 59146;
}  // namespace IndicatorId

namespace HelpTopic {
constexpr int ForDialog(int resourceId) { return kHelpTopicBase + resourceId; }
constexpr int ForCommand(int commandId) { return kCommandTopicBase + commandId; }
constexpr int ForIndicator(int indicatorId) { return kCommandTopicBase + indicatorId; }

// The main window shares resource 2 with the menu and the icon.
inline constexpr int MainWindow = ForDialog(2);
// The playfield view, by the frame's first pane identifier.
inline constexpr int Playfield = ForCommand(59648);
}  // namespace HelpTopic

// The name under which the manual files a topic: "0x" and the number in
// lower-case hexadecimal, as in "0x20065". Two pages that the viewer opens
// by name rather than by number are filed as "contents" and "help-on-help".
std::string HelpTopicKey(int topic);

// Every topic the program can ask for: each dialog, the main window, each
// menu command and toolbar button, each status pane and the playfield.
std::vector<int> AllHelpTopics();

inline constexpr char kContentsPageKey[] = "contents";
inline constexpr char kHelpOnHelpPageKey[] = "help-on-help";
