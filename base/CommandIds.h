// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every command of the program by its menu, toolbar and accelerator
// identifier. The handlers and enabling rules are looked up by these.
namespace CommandId {
// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int AppExit = 57665;

// Edit (the stage editor); undo and redo take the standard numbers.
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int BonusBall = 32780;
inline constexpr int AllClearMessage = 32782;
inline constexpr int DeleteStage = 32783;

// Game
inline constexpr int Play = 32769;
inline constexpr int Demo = 32770;
inline constexpr int Editor = 32771;
inline constexpr int Pause = 32774;
inline constexpr int Launch = 32778;

// View
inline constexpr int NextStage = 32772;
inline constexpr int PrevStage = 32773;
inline constexpr int Zoom = 32768;
inline constexpr int ToggleToolbar = 59392;
inline constexpr int ToggleStatusBar = 59393;
inline constexpr int ToggleSmoothMotion = 32787;

// Options
inline constexpr int SpeedDialog = 32775;
inline constexpr int ControlDialog = 32781;
inline constexpr int SoundDialog = 32776;
inline constexpr int SpeedSlow = 33000;
inline constexpr int SpeedNormal = 33001;
inline constexpr int SpeedFast = 33002;
inline constexpr int SpeedTurbo = 33003;
inline constexpr int MusicToggle = 33004;
inline constexpr int EffectsToggle = 33005;

// Help
inline constexpr int HelpContents = 57666;
inline constexpr int HelpIndex = 57671;
inline constexpr int HelpKeywordSearch = 32785;
inline constexpr int HelpUsing = 57668;
inline constexpr int HelpCurrent = 57670;
inline constexpr int ContextHelp = 57669;
inline constexpr int About = 57664;
}  // namespace CommandId

// Dialog resources; a dialog's help topic is kHelpTopicBase + its identifier.
namespace DialogId {
inline constexpr int About = 100;
inline constexpr int Zoom = 101;
inline constexpr int Speed = 109;
inline constexpr int Control = 111;
inline constexpr int Sound = 114;
inline constexpr int MusicFiles = 116;
inline constexpr int AllClearMessage = 121;
inline constexpr int MusicNotFound = 129;
inline constexpr int SoundEvents = 156;
}  // namespace DialogId

inline constexpr int kHelpTopicBase = 0x20000;
