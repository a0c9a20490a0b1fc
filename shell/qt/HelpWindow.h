// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class HelpBrowser;
class QHelpContentWidget;
class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QUrl;

// The help viewer's window: the contents and the keyword index on the left,
// the page on the right, back and forward above.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow(QHelpEngine* engine, QWidget* parent = nullptr);

    void ShowPage(const QUrl& page);
    void ShowContentsTab();
    // The keyword index with an empty search field that has the focus.
    void ShowIndexTab();
    // Shows the window, or raises it if it was behind others.
    void Present();

    bool ShowsAPage() const;
    HelpBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return search_; }

private:
    QWidget* MakeIndexPane();
    void MakeToolBar();
    // The usual size, or less on a small screen or at a large scale factor.
    void FitToScreen();
    void FollowContentsSelection(QHelpContentWidget* contents);
    void SelectInContents(const QUrl& page);

    QHelpEngine* engine_;
    HelpBrowser* browser_;
    QTabWidget* tabs_;
    QLineEdit* search_ = nullptr;
    bool selectingInContents_ = false;
};
