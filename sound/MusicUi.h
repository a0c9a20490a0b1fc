// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The answers of the music-not-found dialog: its buttons' identifiers.
namespace MusicNotFoundChoice {
inline constexpr int SetDefault = 6;
inline constexpr int SetAllToDefault = 127;
inline constexpr int ChooseFreely = 7;
inline constexpr int Cancel = 2;
// What the dialog returns when the program's end, not the user, closed it.
inline constexpr int Unanswered = 0;
}  // namespace MusicNotFoundChoice

// What the music file check asks of the user and of the file system.
class MusicUi {
public:
    virtual ~MusicUi() = default;

    // True only when the file, or a directory on its way, does not exist;
    // a file that exists but cannot be read counts as there.
    virtual bool FileIsMissing(const std::string& path) = 0;
    // The music-not-found dialog for a scene, modal and without an owner;
    // returns one of MusicNotFoundChoice: Esc and the close box cancel.
    virtual int AskMusicNotFound(const std::string& path, std::string_view sceneName) = 0;
    // The Music files dialog, modal and without an owner.
    virtual void ShowMusicFilesDialog() = 0;
};
