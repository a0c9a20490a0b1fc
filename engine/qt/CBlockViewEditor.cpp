// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The playfield view as the stage editor: painting with the mouse, the
// kinds' sample boxes, the editor's commands and their history.
#include "engine/qt/CBlockView.h"

#include <QPainter>

#include "base/AllClearMessage.h"
#include "base/CommandIds.h"
#include "base/Cp932.h"
#include "engine/EditorPanelGeometry.h"
#include "engine/qt/EditorUndoCommands.h"
#include "engine/qt/PlayfieldPainter.h"
#include "stages/CBlockDoc.h"

void CBlockView::PressInEditor(PixelPoint point, bool left) {
    if (const auto kind = PaletteKindAt(point, zoom_.zoom)) {
        if (left) {
            leftKind = *kind;
            DrawLeftKind();
        } else {
            rightKind = *kind;
            DrawRightKind();
        }
    }
    const auto cell = GridCellAt(point, zoom_);
    if (!cell) return;
    PaintCell(*cell, left ? leftKind : rightKind);
    capture_ = true;
    dragLeft = left;
    doc_->SetModifiedFlag();
    emit editStateChanged();
}

void CBlockView::ReleaseInEditor(PixelPoint point, bool left) {
    if (!capture_) return;
    if (const auto cell = GridCellAt(point, zoom_)) PaintCell(*cell, left ? leftKind : rightKind);
    EndCapture();
}

void CBlockView::EndCapture() {
    if (!capture_) return;
    capture_ = false;
    EndStroke();
    emit editStateChanged();
}

void CBlockView::PaintCell(GridCell cell, int kind) {
    if (!strokeBefore_) strokeBefore_ = CurrentStageContents(*doc_);
    // Written and drawn even when the cell already holds the kind.
    doc_->SetCell(cell.column, cell.row, kind);
    DrawCell(cell.column, cell.row);
}

void CBlockView::DrawLeftKind() { DrawSample(LeftSampleOrigin(zoom_.zoom), leftKind); }

void CBlockView::DrawRightKind() { DrawSample(RightSampleOrigin(zoom_.zoom), rightKind); }

void CBlockView::DrawSample(PixelPoint origin, int kind) {
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintSample(painter, origin, zoom_, kind);
    }
    Touched({origin.x, origin.y, zoom_.cellWidth, zoom_.cellHeight});
}

void CBlockView::EndStroke() {
    if (!strokeBefore_) return;
    const StageContents before = *strokeBefore_;
    strokeBefore_.reset();
    PushStageEdit(before);
}

void CBlockView::PushStageEdit(const StageContents& before) {
    StageContents after = StageContentsOf(*doc_, before.stage);
    if (after == before) return;  // nothing to take back
    history_.push(new StageEditCommand(session_, before, std::move(after)));
}

void CBlockView::AfterEdit() {
    UpdatePointer();
    emit editStateChanged();
}

CommandContext CBlockView::CommandContextNow() const {
    CommandContext context = SessionContext(session_);
    // A stroke still being painted counts as a change to undo: Undo ends it first.
    context.canUndo = history_.canUndo() || strokeBefore_.has_value();
    context.canRedo = history_.canRedo();
    return context;
}

bool CBlockView::IsEditorCommandEnabled(int commandId) const {
    return CommandStateOf(commandId, CommandContextNow()).enabled;
}

bool CBlockView::IsEditorCommandChecked(int commandId) const {
    return CommandStateOf(commandId, CommandContextNow()).checked;
}

void CBlockView::StepStage(int commandId) {
    EndStroke();
    if (!RunStageCommand(commandId, session_)) return;
    AfterSessionChange();
    AfterEdit();
}

void CBlockView::OnNextStage() { StepStage(CommandId::NextStage); }

void CBlockView::OnPrevStage() { StepStage(CommandId::PrevStage); }

void CBlockView::OnBonusBall() {
    if (!IsEditorCommandEnabled(CommandId::BonusBall)) return;
    EndStroke();
    const StageContents before = CurrentStageContents(*doc_);
    doc_->ToggleBonusBall();
    PushStageEdit(before);
    AfterEdit();
}

void CBlockView::OnDeleteStage() {
    if (!IsEditorCommandEnabled(CommandId::DeleteStage)) return;
    EndStroke();
    const StageContents before = CurrentStageContents(*doc_);
    doc_->ClearStage();
    PushStageEdit(before);
    AfterEdit();
}

bool CBlockView::OnAllClearMessage(const AllClearMessageAsker& ask) {
    if (!IsEditorCommandEnabled(CommandId::AllClearMessage)) return false;
    EndStroke();
    const std::optional<std::string> answer = ask(Cp932ToUtf8(doc_->MessageText()), this);
    if (!answer) return false;  // cancelled: nothing changes
    const MessageField before = doc_->m_message;
    doc_->SetMessage(MessageToCp932(*answer));
    if (doc_->m_message != before) history_.push(new MessageEditCommand(*doc_, before, doc_->m_message));
    AfterEdit();
    return true;
}

void CBlockView::Undo() {
    EndStroke();
    if (!IsEditorCommandEnabled(CommandId::EditUndo)) return;
    history_.undo();
    AfterEdit();
}

void CBlockView::Redo() {
    EndStroke();
    if (!IsEditorCommandEnabled(CommandId::EditRedo)) return;
    history_.redo();
    AfterEdit();
}
