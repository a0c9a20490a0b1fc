// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/StageEditor.h"

#include "base/AllClearMessage.h"
#include "base/CommandIds.h"
#include "base/Cp932.h"
#include "engine/EditorCommands.h"
#include "engine/EditorPanelGeometry.h"
#include "engine/GameSession.h"
#include "engine/qt/EditorUndoCommands.h"
#include "stages/CBlockDoc.h"

StageEditor::StageEditor(GameSession& session, EditorCanvas& canvas)
    : session_(session), doc_(session.Doc()), canvas_(canvas) {}

// Painting -------------------------------------------------------------------

void StageEditor::Press(PixelPoint point, bool left, const ZoomLevel& zoom) {
    if (const auto kind = PaletteKindAt(point, zoom.zoom)) {
        (left ? leftKind_ : rightKind_) = *kind;
        ShowPicked(left, zoom);
    }
    const auto cell = GridCellAt(point, zoom);
    if (!cell) return;
    PaintCell(*cell, left ? leftKind_ : rightKind_);
    capture_ = true;
    dragLeft_ = left;
    doc_.SetModifiedFlag();
    emit edited();
}

void StageEditor::Drag(PixelPoint point, const ZoomLevel& zoom) {
    if (!capture_) return;
    if (const auto cell = GridCellAt(point, zoom)) PaintCell(*cell, dragLeft_ ? leftKind_ : rightKind_);
}

void StageEditor::Release(PixelPoint point, bool left, const ZoomLevel& zoom) {
    if (!capture_) return;
    if (const auto cell = GridCellAt(point, zoom)) PaintCell(*cell, left ? leftKind_ : rightKind_);
    EndCapture();
}

void StageEditor::EndCapture() {
    if (!capture_) return;
    capture_ = false;
    EndStroke();
    emit edited();
}

void StageEditor::PaintCell(GridCell cell, int kind) {
    if (!strokeBefore_) strokeBefore_ = CurrentStageContents(doc_);
    // Written and drawn even when the cell already holds the kind.
    doc_.SetCell(cell.column, cell.row, kind);
    canvas_.DrawCell(cell.column, cell.row);
}

void StageEditor::ShowPicked(bool left, const ZoomLevel& zoom) {
    if (left) canvas_.DrawSample(LeftSampleOrigin(zoom.zoom), leftKind_);
    else canvas_.DrawSample(RightSampleOrigin(zoom.zoom), rightKind_);
}

// History ---------------------------------------------------------------------

void StageEditor::EndStroke() {
    if (!strokeBefore_) return;
    const StageContents before = *strokeBefore_;
    strokeBefore_.reset();
    PushStageEdit(before);
}

void StageEditor::PushStageEdit(const StageContents& before) {
    StageContents after = StageContentsOf(doc_, before.stage);
    if (after == before) return;  // nothing to take back
    history_.push(new StageEditCommand(session_, before, std::move(after)));
}

void StageEditor::Forget() {
    strokeBefore_.reset();
    capture_ = false;
    history_.clear();
}

// Commands --------------------------------------------------------------------

CommandContext StageEditor::Context() const {
    CommandContext context = SessionContext(session_);
    context.canUndo = history_.canUndo() || strokeBefore_.has_value();
    context.canRedo = history_.canRedo();
    return context;
}

bool StageEditor::IsCommandEnabled(int commandId) const { return CommandStateOf(commandId, Context()).enabled; }

bool StageEditor::IsCommandChecked(int commandId) const { return CommandStateOf(commandId, Context()).checked; }

void StageEditor::StepStage(int commandId) {
    EndStroke();
    if (!RunStageCommand(commandId, session_)) return;
    emit stageStepped();
    emit edited();
}

void StageEditor::NextStage() { StepStage(CommandId::NextStage); }

void StageEditor::PrevStage() { StepStage(CommandId::PrevStage); }

void StageEditor::ChangeStage(int commandId, const std::function<void()>& change) {
    if (!IsCommandEnabled(commandId)) return;
    EndStroke();
    const StageContents before = CurrentStageContents(doc_);
    change();
    PushStageEdit(before);
    emit edited();
}

void StageEditor::BonusBall() {
    ChangeStage(CommandId::BonusBall, [this] { doc_.ToggleBonusBall(); });
}

void StageEditor::DeleteStage() {
    ChangeStage(CommandId::DeleteStage, [this] { doc_.ClearStage(); });
}

bool StageEditor::AllClearMessage(const AllClearMessageAsker& ask, QWidget* parent) {
    if (!IsCommandEnabled(CommandId::AllClearMessage)) return false;
    EndStroke();
    const std::optional<std::string> answer = ask(Cp932ToUtf8(doc_.MessageText()), parent);
    if (!answer) return false;  // cancelled: nothing changes
    const MessageField before = doc_.m_message;
    doc_.SetMessage(MessageToCp932(*answer));
    if (doc_.m_message != before) history_.push(new MessageEditCommand(doc_, before, doc_.m_message));
    emit edited();
    return true;
}

void StageEditor::Undo() {
    EndStroke();
    if (!IsCommandEnabled(CommandId::EditUndo)) return;
    history_.undo();
    emit edited();
}

void StageEditor::Redo() {
    EndStroke();
    if (!IsCommandEnabled(CommandId::EditRedo)) return;
    history_.redo();
    emit edited();
}
