// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include <QObject>
#include <QStringList>

#include "sound/EffectPaths.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/qt/QtDocumentFiles.h"

class DocumentUi;
class CMainFrame;
class QtDocumentUi;
class QtHelpService;
class ForcedEndGuard;
class SignalCloseBridge;
class SettingsStore;
class SoundControl;
class SoundDevices;

// The application object: it names the settings store, learns the
// program's directory, builds the one document with its window and view,
// and opens the first stage set. It holds the effect path table, which
// outlives every window, and keeps the caption and the close check.
class CBlockApp : public QObject {
    Q_OBJECT
public:
    // What the program runs with; an empty or null field takes the real
    // one. Tests put in their own store, dialogs, program path and arguments.
    struct Environment {
        QString programPath;
        QStringList arguments;
        SettingsStore* settings = nullptr;
        DocumentUi* ui = nullptr;
        QString recoveryFolder;
    };

    CBlockApp();
    explicit CBlockApp(Environment environment);
    ~CBlockApp() override;

    // Runs the start-up. False when no stage set could be opened, neither
    // the chosen one nor one from the Open dialog, or when a signal came
    // during a start-up box: the program then ends at once.
    bool InitInstance();

    const std::string& ProgramDir() const { return programDir_; }
    EffectPaths& Effects() { return effects_; }
    CBlockDoc& Doc() { return doc_; }
    DocumentCommands& Commands() { return commands_; }
    CMainFrame* MainWindow() const { return window_.get(); }

protected:
    // The main window's close runs the document's close check first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenSettingsStore();
    bool ShowFirstWindow();  // false when the start-up ends without one
    void CreateMainWindow();
    // A signal ends the program in order at any moment, a box of the
    // start-up included, whose own loop alone would otherwise end.
    void EndOnSignal();

    Environment environment_;
    std::unique_ptr<SettingsStore> ownSettings_;
    std::unique_ptr<QtDocumentUi> ownUi_;
    SettingsStore* settings_ = nullptr;
    DocumentUi* ui_ = nullptr;
    QtDocumentFiles files_;
    std::string programDir_;
    EffectPaths effects_;
    CBlockDoc doc_;
    DocumentCommands commands_{doc_};
    std::unique_ptr<QtHelpService> help_;
    // The sound lasts as long as the program; the window is built on its
    // devices, and its session is what the sound control sounds for.
    std::unique_ptr<SoundDevices> soundDevices_;
    // Declared after the document and the help, so the window goes first.
    std::unique_ptr<CMainFrame> window_;
    std::unique_ptr<SoundControl> sound_;
    // Closes in order on a signal or when the desktop logs out; goes before the window.
    std::unique_ptr<ForcedEndGuard> forcedEnd_;
    std::unique_ptr<SignalCloseBridge> signals_;
    bool endRequested_ = false;
};
