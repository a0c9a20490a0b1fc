// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "stages/DocumentUi.h"

// The document's dialogs and reports as Qt message boxes and file dialogs
// over the main window, whose caption it keeps.
class QtDocumentUi : public DocumentUi {
public:
    explicit QtDocumentUi(QWidget* window = nullptr) : window_(window) {}
    void SetWindow(QWidget* window) { window_ = window; }

    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void ReportLoadFailure(std::string_view text) override;
    void ReportSaveFailure(std::string_view text) override;
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    SaveAnswer AskSaveChanges(std::string_view question) override;
    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSaveAsPath(std::string_view suggestedName) override;
    void ShowCaption(std::string_view caption) override;

private:
    QPointer<QWidget> window_;
};
