// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "sound/MusicUi.h"

// The music file check's questions as the program's own dialogs, with no
// owner window, and the file system's answer to whether a file is there.
class QtMusicUi : public MusicUi {
public:
    bool FileIsMissing(const std::string& path) override;
    int AskMusicNotFound(const std::string& path, std::string_view sceneName) override;
    void ShowMusicFilesDialog() override;

    // What shows the Music files dialog; nothing until one is given.
    void SetMusicFilesDialog(std::function<void()> show) { showMusicFiles_ = std::move(show); }

private:
    std::function<void()> showMusicFiles_;
};
