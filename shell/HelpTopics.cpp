// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/HelpTopics.h"

#include <cstdio>

std::string HelpTopicKey(int topic) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(topic));
    return text;
}

std::vector<int> AllHelpTopics() {
    std::vector<int> topics;
    for (int dialog : {DialogId::About, DialogId::Zoom, DialogId::Speed, DialogId::Control, DialogId::Sound,
                       DialogId::MusicFiles, DialogId::AllClearMessage, DialogId::MusicNotFound,
                       DialogId::SoundEvents})
        topics.push_back(HelpTopic::ForDialog(dialog));
    topics.push_back(HelpTopic::MainWindow);
    using namespace CommandId;
    for (int command : {FileNew, FileOpen, FileSave, FileSaveAs, AppExit, EditUndo, EditRedo, BonusBall,
                        AllClearMessage, DeleteStage, Play, Demo, Editor, Pause, Launch, NextStage, PrevStage, Zoom,
                        ToggleToolbar, ToggleStatusBar, ToggleSmoothMotion, SpeedDialog, ControlDialog, SoundDialog,
                        SpeedSlow, SpeedNormal, SpeedFast, SpeedTurbo, MusicToggle, EffectsToggle, HelpContents,
                        HelpIndex, HelpKeywordSearch, HelpUsing, HelpCurrent, ContextHelp, About})
        topics.push_back(HelpTopic::ForCommand(command));
    for (int pane : {IndicatorId::Stage, IndicatorId::HighScore, IndicatorId::Score, IndicatorId::BallsLeft})
        topics.push_back(HelpTopic::ForIndicator(pane));
    topics.push_back(HelpTopic::Playfield);
    return topics;
}
