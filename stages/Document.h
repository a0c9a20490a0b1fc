// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "stages/DocumentFiles.h"
#include "stages/DocumentUi.h"

class SettingsStore;

// What a document reaches the files, the user and the settings through.
struct DocumentServices {
    DocumentFiles* files = nullptr;
    DocumentUi* ui = nullptr;
    SettingsStore* settings = nullptr;
};

// The document side of the program's small document framework: the file a
// document came from, its title and the caption made from it, the question
// before modified contents are replaced, and Save / Save As. A concrete
// document supplies its contents and file format through the hooks.
class Document {
public:
    virtual ~Document() = default;

    void AttachServices(const DocumentServices& services) { m_services = services; }
    DocumentFiles& Files() const;
    DocumentUi& Ui() const;
    SettingsStore& Store() const;

    // Empty for a document that was never saved.
    const std::string& GetPathName() const { return m_strPathName; }
    // Also sets the title: the file's name with its extension.
    void SetPathName(const std::string& path);
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    // The main window's caption: the program's title, " - ", the document's.
    std::string Caption() const;

    virtual void DeleteContents() = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModifiedFlag(bool modified = true) = 0;

    // Hooks. The base OnNewDocument empties the document, clears the modified
    // flag and forgets the path; the base CanCloseFrame is SaveModified.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path) = 0;
    virtual bool OnSaveDocument(const std::string& path) = 0;
    virtual bool CanCloseFrame();
    // Save As to another file or a new untitled document, just before the
    // document takes the new title: what is kept under the old title is
    // stored now.
    virtual void OnLeavingTitle() {}

    // Before modified contents are replaced or the program ends: asks whether
    // to save them. True when the caller may go on (saved, or not wanted);
    // false when the user cancelled or the save failed.
    bool SaveModified();
    // Save: to the document's file, or through Save As when it has none.
    bool DoFileSave();
    // Save As when no path is given: the dialog, then the document takes the
    // chosen path and title once the file is written.
    bool DoSave(std::optional<std::string> path);

    // Whether an open that failed had already emptied the document, so that
    // the set it held is lost; reading the answer resets it.
    bool TakeContentsDiscarded();

protected:
    // An open that has started replacing the contents: the old set is gone
    // and the document counts as modified until the new one is in.
    void DiscardContents();

private:
    // What Save As offers: the set's own file, or a new set's name in the
    // working folder; in the user's documents folder when the user cannot
    // write beside it.
    std::string SuggestedSaveName() const;

    DocumentServices m_services;
    std::string m_strPathName;
    std::string m_strTitle;
    bool m_bContentsDiscarded = false;
};
