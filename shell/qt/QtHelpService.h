// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QString>

#include "base/HelpService.h"

class ContextHelpMode;
class HelpWindow;
class QHelpEngine;
class QTemporaryDir;
class QUrl;

// The program's help viewer over the compiled manual beside the program.
// One viewer window at most: every request shows it, or raises it, at the
// page asked for. A help file that is missing or unreadable is reported in
// a message box naming it, at each request, and the program goes on.
class QtHelpService : public HelpService {
public:
    explicit QtHelpService(QString helpFile);
    ~QtHelpService() override;

    void ShowContents() override;
    void ShowKeywordSearch() override;
    void ShowHelpOnHelp() override;
    void ShowTopic(int topic) override;

    // F1 outside the dialogs: the topic of the active dialog, if one of the
    // program's dialogs is active, else the main window's.
    void ShowCurrentContext();
    // Shift+F1 and the toolbar's context-help button.
    void EnterContextHelpMode();
    bool InContextHelpMode() const;

    // The viewer window, once a request has opened it.
    HelpWindow* Window() const { return window_.get(); }

private:
    // The window on the manual, made on the first request; null, after the
    // message, when the help file cannot be read.
    HelpWindow* OpenViewer();
    bool OpenEngine();
    void ReportUnreadable() const;
    void ShowKey(const QString& key);

    QString helpFile_;
    // The engine keeps its own small collection file; it lives for the run.
    std::unique_ptr<QTemporaryDir> collectionDir_;
    std::unique_ptr<QHelpEngine> engine_;
    std::unique_ptr<HelpWindow> window_;
    std::unique_ptr<ContextHelpMode> contextMode_;
};
