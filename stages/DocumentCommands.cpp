// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/DocumentCommands.h"

#include <string>

#include "stages/Document.h"
#include "stages/DocumentTexts.h"

bool DocumentCommands::FileNew() {
    if (!SaveModifiedSet()) return false;
    ReplaceWithUntitled();
    hasOpenSet_ = true;
    return true;
}

bool DocumentCommands::FileOpen() {
    if (!SaveModifiedSet()) return false;
    const auto path = doc_->Ui().AskOpenPath();
    if (!path) return false;  // the user cancelled the dialog
    return Open(*path);
}

bool DocumentCommands::OpenDocumentFile(std::string_view path) {
    if (!SaveModifiedSet()) return false;
    return Open(path);
}

bool DocumentCommands::FileSave() { return doc_->DoFileSave(); }

bool DocumentCommands::FileSaveAs() { return doc_->DoSave(std::nullopt); }

bool DocumentCommands::CanCloseFrame() { return doc_->CanCloseFrame(); }

bool DocumentCommands::SaveModifiedSet() { return !hasOpenSet_ || doc_->SaveModified(); }

bool DocumentCommands::Open(std::string_view path) {
    const bool opened = doc_->OnOpenDocument(doc_->Files().FullPathOf(std::string(path)));
    const bool discarded = doc_->TakeContentsDiscarded();
    if (opened) {
        hasOpenSet_ = true;
        return true;
    }
    // The old set was emptied before the file proved unusable: an empty
    // untitled set takes its place rather than half of nothing. Before the
    // first set opened there is no set to replace.
    if (discarded && hasOpenSet_) ReplaceWithUntitled();
    return false;
}

void DocumentCommands::ReplaceWithUntitled() {
    // What the old set keeps under its title (its best score) is stored
    // before the title goes.
    doc_->OnLeavingTitle();
    doc_->SetTitle(std::string(DocumentTexts::kUntitled));
    doc_->OnNewDocument();
}
