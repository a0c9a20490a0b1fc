#pragma once

#include <string_view>

#include "shell/SettingsKeys.h"

// Every setting the program keeps, all in the section Settings::kSection:
// its type, its default when missing, and the moments it is read and
// written. No other key is ever read or written. Each row's logic lives with
// the code named in it; this table is the one place that lists them all.
enum class SettingType { Integer, Text };

struct SettingEntry {
    std::string_view key;  // for the best scores, the key's form
    SettingType type;
    std::string_view defaultValue;
    std::string_view read;
    std::string_view written;
};

inline constexpr std::string_view kHighScoreKeyForm = "HighScore(<set title>)";

inline constexpr SettingEntry kSettingsTable[] = {
    {Settings::kPattern, SettingType::Text, "programDir + SYSTEM.BLC",
     "start-up, only when the command line is empty (ChooseStartupFile)",
     "the main window is about to close (CBlockDoc::CanCloseFrame); empty for a set never saved"},
    {Settings::kZoom, SettingType::Integer, "2",
     "view construction (ReadGameSettings); the frame's first real size event",
     "ApplyZoom: at view construction and after the Zoom dialog; clamped to 2..4 and the screen"},
    {Settings::kSound, SettingType::Integer, "3",
     "view construction (ReadGameSettings); bit 0 music, bit 1 effects, each only with a device",
     "SaveSoundSettings, after a sound toggle or the Sound dialog"},
    {Settings::kSpeed, SettingType::Integer, "1", "view construction (ReadGameSettings), clamped to 0..3",
     "after a speed button or the Speed dialog"},
    {Settings::kUse, SettingType::Text, "empty", "view construction; only exactly \"Keyboard\" means keys",
     "after the Control dialog"},
    {Settings::kHideCursor, SettingType::Text, "empty", "view construction; only exactly \"On\" hides",
     "after the Control dialog"},
    {Settings::kToolbar, SettingType::Text, "On", "frame creation; any text but \"On\" hides the bar",
     "frame destruction"},
    {Settings::kStatusBar, SettingType::Text, "On", "frame creation, as Toolbar", "frame destruction"},
    {Settings::kLeft, SettingType::Integer, "0", "before the frame window is created",
     "frame destruction, unless minimised"},
    {Settings::kTop, SettingType::Integer, "0", "as Xl", "as Xl"},
    {Settings::kEffectKeys[0], SettingType::Text, "programDir + TOPPADL.WAV",
     "view construction, after the keys above (EffectPaths::Load)", "SaveSoundSettings"},
    {Settings::kEffectKeys[1], SettingType::Text, "programDir + SIDEPADL.WAV", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kEffectKeys[2], SettingType::Text, "programDir + FRAME.WAV", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kEffectKeys[3], SettingType::Text, "programDir + NORMBLC.WAV", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kEffectKeys[4], SettingType::Text, "programDir + GOLDBLC.WAV", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kEffectKeys[5], SettingType::Text, "programDir + SILVBLC.WAV", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kEffectKeys[6], SettingType::Text, "/usr/share/sounds/chimes.wav", "as PaddleTopWave",
     "SaveSoundSettings"},
    {Settings::kMusicKeys[0], SettingType::Text, ". (the file beside the program)",
     "CheckMusicFiles: view construction, music switched on, Sound dialog closed with music on",
     "CheckMusicFiles and the Music files dialog; empty means no music"},
    {Settings::kMusicKeys[1], SettingType::Text, ".", "as MidiDemo", "as MidiDemo"},
    {Settings::kMusicKeys[2], SettingType::Text, ".", "as MidiDemo", "as MidiDemo"},
    {kHighScoreKeyForm, SettingType::Integer, "0",
     "an open that succeeds (CBlockDoc::LoadHighScore); the low 16 bits count",
     "an open replacing the set, and the main window about to close (CBlockDoc::SaveHighScore)"},
};

// Whether the program keeps a setting under this key: one of the table's
// keys, or a best-score key of any set title.
bool IsSettingKey(std::string_view key);
