// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/Document.h"

#include <cassert>

#include "base/AppPaths.h"
#include "base/FormatString.h"
#include "base/StringTable.h"
#include "stages/DocumentTexts.h"

DocumentFiles& Document::Files() const {
    assert(m_services.files != nullptr);
    return *m_services.files;
}

DocumentUi& Document::Ui() const {
    assert(m_services.ui != nullptr);
    return *m_services.ui;
}

SettingsStore& Document::Store() const {
    assert(m_services.settings != nullptr);
    return *m_services.settings;
}

void Document::SetPathName(const std::string& path) {
    m_strPathName = path;
    // The name after the last separator, the first character included:
    // FileNameOf leaves "/SYSTEM.BLC" whole, which would put the separator
    // into the caption and the best-score key. Without one, the whole path.
    SetTitle(path.substr(path.rfind(kPathSeparator) + 1));
}

void Document::SetTitle(const std::string& title) {
    m_strTitle = title;
    if (m_services.ui != nullptr) m_services.ui->ShowCaption(Caption());
}

std::string Document::Caption() const {
    return std::string(LoadString(StringId::ProgramTitle))
        .append(DocumentTexts::kCaptionSeparator)
        .append(m_strTitle);
}

bool Document::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    m_strPathName.clear();
    return true;
}

bool Document::CanCloseFrame() { return SaveModified(); }

bool Document::SaveModified() {
    if (!IsModified()) return true;
    const std::string& name = m_strTitle.empty() ? std::string(DocumentTexts::kUntitled) : m_strTitle;
    switch (Ui().AskSaveChanges(FormatString1(DocumentTexts::kAskToSave, name))) {
    case SaveAnswer::Yes: return DoFileSave();
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: break;
    }
    return false;
}

bool Document::DoFileSave() {
    if (m_strPathName.empty()) return DoSave(std::nullopt);
    return DoSave(m_strPathName);
}

bool Document::DoSave(std::optional<std::string> path) {
    if (!path) {
        const auto chosen = Ui().AskSaveAsPath(SuggestedSaveName());
        if (!chosen) return false;  // the user cancelled Save As
        path = Files().FullPathOf(*chosen);
    }
    if (!OnSaveDocument(*path)) return false;
    if (*path != m_strPathName) OnLeavingTitle();
    SetPathName(*path);
    return true;
}

std::string Document::SuggestedSaveName() const {
    const std::string name =
        m_strPathName.empty() ? m_strTitle + std::string(DocumentTexts::kDefaultExtension) : m_strPathName;
    const std::string path = Files().FullPathOf(name);
    if (Files().CanCreateFilesIn(DirectoryOf(path))) return name;
    return Files().DocumentsFolder() + FileNameOf(path).value_or(path);
}

bool Document::TakeContentsDiscarded() {
    const bool discarded = m_bContentsDiscarded;
    m_bContentsDiscarded = false;
    return discarded;
}

void Document::DiscardContents() {
    DeleteContents();
    SetModifiedFlag(true);
    m_bContentsDiscarded = true;
}
