// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

class Document;

// The file commands of the one document: New, Open (from the dialog, the
// start-up choice or a dropped file), Save, Save As and the close check.
// The program reuses its single document for every set it opens.
class DocumentCommands {
public:
    explicit DocumentCommands(Document& doc) : doc_(&doc) {}

    // File New: asks to save a modified set, then an empty untitled one.
    bool FileNew();
    // File Open: asks to save a modified set, then the Open dialog, then
    // opens the chosen file.
    bool FileOpen();
    // Opens a named file, asking first to save a modified set.
    bool OpenDocumentFile(std::string_view path);
    bool FileSave();
    bool FileSaveAs();
    // The main window is about to close: false keeps it open.
    bool CanCloseFrame();

    // Whether a set is open: false at start-up until the first open succeeds.
    bool HasOpenSet() const { return hasOpenSet_; }

private:
    bool SaveModifiedSet();
    bool Open(std::string_view path);
    void ReplaceWithUntitled();

    Document* doc_;
    // Before the first set opens there is nothing to save or to replace.
    bool hasOpenSet_ = false;
};
