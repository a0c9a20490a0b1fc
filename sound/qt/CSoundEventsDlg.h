// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/qt/COptionDlg.h"
#include "sound/SoundFileListing.h"
#include "sound/SoundTypes.h"

class QListWidget;

// The Sound-events dialog: a WAV file for each of the seven events, chosen
// by browsing directories. It edits a working copy; the caller copies it
// back when the dialog ends with OK.
class CSoundEventsDlg : public COptionDlg {
    Q_OBJECT
public:
    // play sounds a file as the game's effects do, for the Test button.
    explicit CSoundEventsDlg(std::function<void(const std::string&)> play, QWidget* parent = nullptr);

    // The working copy, in SoundEvent order (slot = event - 1).
    std::array<std::string, kSoundEventCount> m_szWave;
    // The listed directory, ending with "/".
    std::string m_szDir;
    // The event shown, an index into m_szWave.
    int m_nEvent = 0;

protected:
    void LoadControls() override;
    bool SaveControls() override;

private:
    QListWidget& EventList() const;
    QListWidget& FileList() const;

    // Lists the event's directory with its file selected, or "<なし>".
    void Refresh();
    // The file list's selection into the current event's path.
    void Commit();
    // Lists m_szDir; false (and nothing changed) when it cannot be read.
    bool ListDirectory();
    // The listed directory in the label under the list.
    void ShowDirectory();
    // The selection text of the file list's selected entry, if any.
    std::optional<std::string> Selection() const;
    bool FileSelected() const;
    void PlaySelection();

    void OnEventChanged(int row);
    void OnFileSelectionChanged();
    void OnFileDoubleClicked();

    std::function<void(const std::string&)> play_;
    std::vector<ListingEntry> listing_;
    bool filling_ = false;  // the lists are being filled, not chosen from
};
