// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include "engine/CommandRules.h"
#include "engine/PixelPoint.h"

class CBlockDoc;
class CBlockView;
class CommandTable;
class DocumentCommands;
class GameStatusBar;
class QtHelpService;
class QToolBar;
class SettingsStore;
class SoundControl;
class SoundDevices;

// The program's one top-level window: the menu bar, the toolbar, the
// playfield view and the status bar of the game's indicators. The user
// cannot resize it; it always fits the playfield at its zoom level and the
// bars that are showing. It remembers its place and its bars.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CBlockDoc& doc, DocumentCommands& documentCommands, SettingsStore& settings, QtHelpService& help,
               SoundDevices& devices);
    ~CMainFrame() override;

    CBlockView* View() const { return view_; }
    CommandTable& Commands() const { return *commands_; }
    QToolBar* ToolBar() const { return toolBar_; }
    GameStatusBar* StatusBar() const { return statusBar_; }

    // The game's sound, once the application has made it: the session's
    // effects and music, the sound commands, and the buttons shown again
    // when a failure turns a switch off.
    void AttachSound(SoundControl& sound);

    // Sizes the window around a playfield of the zoom level and the bars
    // that are showing; its top-left corner stays where it is.
    void FitFrameToZoom(int level);

    // What the commands' rules look at now.
    CommandContext CurrentContext() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateAccelerators();
    void ReadBarSettings();
    void BindCommands();
    void BindGameCommands();
    void BindEditorCommands();
    void BindOptionCommands();
    void BindHelpCommands();
    void SetHelpTopics();
    // Opens at the stored place, or on the primary screen should that place
    // leave the title bar on no screen.
    void MoveToPlace(PixelPoint stored);
    void ToggleBar(QWidget* bar);
    // Command 32787: on or off, and stored at once.
    void SwitchSmoothMotion();
    void ChooseZoom();
    void SetSpeed(int speed);
    // Position and bars, written once the window has agreed to close.
    void SaveFrameState();

    CBlockDoc* doc_;
    DocumentCommands* documentCommands_;
    SettingsStore* settings_;
    QtHelpService* help_;
    SoundDevices* devices_;
    SoundControl* sound_ = nullptr;  // none until attached
    int sizedOnce = 0;  // set by the first size event that is not minimised
    CommandTable* commands_;
    CBlockView* view_;
    QToolBar* toolBar_;
    GameStatusBar* statusBar_;
};
