// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "base/qt/COptionDlg.h"

// The Sound dialog: music and effects on or off, and the buttons that open
// the dialogs for their files. Once either of those has run, Cancel reads
// "閉じる": what they stored stays stored, and closing discards only the
// check boxes.
class CSoundDlg : public COptionDlg {
    Q_OBJECT
public:
    // The effects' button needs a wave output to sound the files on.
    explicit CSoundDlg(bool hasWaveOutput, QWidget* parent = nullptr);

    int m_bMusic = 0;
    int m_bEffects = 0;

    // What the two buttons open; each is run modally by the caller's code.
    std::function<void()> musicFilesDialog;
    std::function<void()> soundEventsDialog;

protected:
    void LoadControls() override;
    bool SaveControls() override;

private:
    void UpdateButtons();
    void RunSubDialog(const std::function<void()>& dialog);

    bool hasWaveOutput_;
};
