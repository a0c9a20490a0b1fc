// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/QtMusicUi.h"

#include "base/qt/QtText.h"
#include "sound/qt/CMusicNotFoundDlg.h"
#include "sound/qt/MissingFile.h"

bool QtMusicUi::FileIsMissing(const std::string& path) { return ::FileIsMissing(path); }

int QtMusicUi::AskMusicNotFound(const std::string& path, std::string_view sceneName) {
    CMusicNotFoundDlg dialog;
    dialog.m_strPath = ToQString(path);
    dialog.m_strScene = ToQString(sceneName);
    // A dialog whose loop the program's end leaves was given no answer:
    // exec gives the result it starts with, Unanswered.
    return dialog.exec();
}

void QtMusicUi::ShowMusicFilesDialog() {
    if (showMusicFiles_) showMusicFiles_();
}
