// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stage set's file hooks: a new empty set, opening and saving a pattern file.
#include <string>

#include "base/FormatString.h"
#include "base/StringTable.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentTexts.h"
#include "stages/PatternFile.h"

namespace {
// The wait cursor for as long as a file is being read or written; ended
// before any report so that the report is not shown under it.
class WaitCursor {
public:
    explicit WaitCursor(DocumentUi& ui) : ui_(&ui) { ui_->BeginWaitCursor(); }
    ~WaitCursor() { End(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void End() {
        if (ui_ == nullptr) return;  // already ended
        ui_->EndWaitCursor();
        ui_ = nullptr;
    }

private:
    DocumentUi* ui_;
};
}  // namespace

bool CBlockDoc::OnNewDocument() {
    if (!Document::OnNewDocument()) return false;
    // A set nobody has played has no best score; the old set's was stored
    // under its own title as it was left.
    if (View() != nullptr) View()->SetHighScore(0);
    RestartAtFirstStage();
    return true;
}

bool CBlockDoc::OnOpenDocument(const std::string& path) {
    SaveHighScore();  // still under the title of the set being replaced
    WaitCursor wait(Ui());
    const FileReadResult file = Files().ReadFile(path, PatternFile::kFileSize);
    if (file.status == FileReadResult::Status::CannotOpen) {
        wait.End();
        Ui().ReportLoadFailure(LoadFailureText(file.problem, path));
        return false;  // the set in memory is untouched
    }

    DiscardContents();
    if (file.status == FileReadResult::Status::ReadFailed) {
        wait.End();
        Ui().ReportLoadFailure(LoadFailureText(file.problem, path));
        return false;
    }
    if (!PatternFile::HasValidHeader(file.bytes)) {
        wait.End();
        Ui().ShowMessage(FormatString1(LoadString(StringId::NotPatternFile), path), MessageIcon::Exclamation);
        return false;
    }
    PatternFile::Decode(file.bytes, *this);
    wait.End();

    SetPathName(path);
    SetModifiedFlag(false);
    LoadHighScore();
    RestartAtFirstStage();
    return true;
}

bool CBlockDoc::OnSaveDocument(const std::string& path) {
    // The bytes come from a copy, so that a failed write leaves the set in
    // memory, and a game running on it, exactly as they were.
    CBlockDoc normalised = *this;
    PatternFile::NormaliseForSave(normalised);
    const std::string bytes = PatternFile::Encode(normalised);

    WaitCursor wait(Ui());
    const FileWriteResult written = Files().ReplaceFile(path, bytes);
    wait.End();
    if (written.status != FileWriteResult::Status::Written) {
        Ui().ReportSaveFailure(SaveFailureText(written, path));
        return false;  // still modified: the changes are not on disk
    }

    // What is on disk now stands in memory too: every block of every stage.
    PatternFile::NormaliseForSave(*this);
    PatternFile::MarkAllStanding(*this);
    SetModifiedFlag(false);
    return true;
}
