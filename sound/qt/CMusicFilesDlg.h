// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QString>

#include "base/qt/COptionDlg.h"
#include "sound/SoundTypes.h"

class SettingsStore;

// The Music files dialog: the MIDI file of each scene, typed or browsed
// for. OK stores every valid path at once, in the program-wide table and
// in the settings, and reports each invalid one; it closes only when all
// were valid. It neither stops nor starts the music.
class CMusicFilesDlg : public COptionDlg {
    Q_OBJECT
public:
    // The members start from the program-wide music table.
    explicit CMusicFilesDlg(SettingsStore& settings, QWidget* parent = nullptr);

    // The texts of the edit boxes, in MusicScene order. Whole paths: a long
    // one chosen by browsing must not be cut.
    std::array<QString, kMusicSceneCount> m_strMidi;

    // Asks for an existing MIDI file, titled with the scene's name; nothing
    // when the user cancels. The file-open dialog unless replaced.
    using FileChooser = std::function<std::optional<QString>(QWidget* owner, const QString& title)>;
    FileChooser chooseFile;

protected:
    void LoadControls() override;
    bool SaveControls() override;

private:
    void Browse(MusicScene scene);
    void ReadEdits();

    SettingsStore& settings_;
};
