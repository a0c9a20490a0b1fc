// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/CommandRules.h"

#include "base/CommandIds.h"
#include "engine/GameSession.h"
#include "stages/CBlockDoc.h"

namespace {
constexpr int kLastStage = kStageCount - 1;

CommandState Enabled(bool enabled) { return {enabled, false}; }
CommandState Marked(bool checked) { return {true, checked}; }

// The speed buttons sit in command order from slow to turbo.
bool IsSpeedButton(int command) { return command >= CommandId::SpeedSlow && command <= CommandId::SpeedTurbo; }
}  // namespace

CommandContext SessionContext(const GameSession& session) {
    const CBlockDoc& doc = session.Doc();
    const SessionState& state = session.State();
    CommandContext context;
    context.mode = state.mode;
    context.ballState = state.ballState;
    context.speed = state.speed;
    context.stage = doc.CurrentStage();
    context.bonusBall = doc.BonusBall();
    context.modified = doc.IsModified();
    context.musicEnabled = state.musicEnabled;
    context.effectsEnabled = state.effectsEnabled;
    return context;
}

CommandState CommandStateOf(int command, const CommandContext& context) {
    using namespace CommandId;
    const bool inEditor = context.mode == GameMode::Editor;
    if (IsSpeedButton(command)) return {!inEditor, context.speed == command - SpeedSlow};
    switch (command) {
    // The stage set is changed only in the editor; a set with no change
    // has nothing to save.
    case FileNew:
    case BonusBall:
    case AllClearMessage:
    case DeleteStage: return {inEditor, command == BonusBall && context.bonusBall};
    case FileSave:
    case FileSaveAs: return Enabled(inEditor && context.modified);
    case EditUndo: return Enabled(inEditor && context.canUndo);
    case EditRedo: return Enabled(inEditor && context.canRedo);

    case Play: return Marked(context.mode == GameMode::Play);
    case Demo: return Marked(context.mode == GameMode::Demo);
    case Editor: return Marked(inEditor);
    // The timer is stopped in the editor, so there is nothing to pause.
    case Pause: return {!inEditor, context.ballState == BallState::Paused};
    case ControlDialog: return Enabled(context.mode == GameMode::Play);

    case NextStage: return Enabled(context.stage < kLastStage);
    case PrevStage: return Enabled(context.stage > 0);

    case ToggleToolbar: return Marked(context.toolbarVisible);
    case ToggleStatusBar: return Marked(context.statusBarVisible);
    case ToggleSmoothMotion: return Marked(context.smoothMotion);
    case MusicToggle: return Marked(context.musicEnabled);
    case EffectsToggle: return Marked(context.effectsEnabled);
    default: return Enabled(true);
    }
}
