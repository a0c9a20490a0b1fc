// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/MessageIcon.h"

enum class SaveAnswer { Yes, No, Cancel };

// What the document layer asks of the user and shows to the user. Texts are UTF-8.
class DocumentUi {
public:
    virtual ~DocumentUi() = default;

    // Shown while a file is read or written.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    // Modal reports of a file that could not be opened or saved.
    virtual void ReportLoadFailure(std::string_view text) = 0;
    virtual void ReportSaveFailure(std::string_view text) = 0;
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;

    // Whether to save a modified set before it is replaced or the program ends.
    virtual SaveAnswer AskSaveChanges(std::string_view question) = 0;

    // The file the user picks; nothing when the dialog is cancelled.
    virtual std::optional<std::string> AskOpenPath() = 0;
    virtual std::optional<std::string> AskSaveAsPath(std::string_view suggestedName) = 0;

    // The main window's caption, whenever the document's title changes.
    virtual void ShowCaption(std::string_view caption) = 0;
};
