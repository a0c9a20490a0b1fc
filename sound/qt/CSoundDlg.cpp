// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/CSoundDlg.h"

#include "base/CommandIds.h"
#include "base/StringTable.h"
#include "base/qt/DialogControls.h"
#include "base/qt/QtText.h"
#include "ui_114.h"

namespace {
constexpr int kMusicBox = 144;
constexpr int kEffectsBox = 146;
constexpr int kMusicFilesButton = 147;
constexpr int kSoundEventsButton = 148;
constexpr int kCancelButton = 2;
}  // namespace

CSoundDlg::CSoundDlg(bool hasWaveOutput, QWidget* parent)
    : COptionDlg(DialogId::Sound, parent), hasWaveOutput_(hasWaveOutput) {
    Ui::CSoundDlg().setupUi(this);
    ConnectButtons();
    for (int box : {kMusicBox, kEffectsBox})
        connect(DialogControl(*this, box), &QAbstractButton::clicked, this, &CSoundDlg::UpdateButtons);
    connect(DialogControl(*this, kMusicFilesButton), &QAbstractButton::clicked, this,
            [this] { RunSubDialog(musicFilesDialog); });
    connect(DialogControl(*this, kSoundEventsButton), &QAbstractButton::clicked, this,
            [this] { RunSubDialog(soundEventsDialog); });
}

void CSoundDlg::LoadControls() {
    DialogControl(*this, kMusicBox)->setChecked(m_bMusic != 0);
    DialogControl(*this, kEffectsBox)->setChecked(m_bEffects != 0);
    UpdateButtons();
}

bool CSoundDlg::SaveControls() {
    m_bMusic = DialogControl(*this, kMusicBox)->isChecked() ? 1 : 0;
    m_bEffects = DialogControl(*this, kEffectsBox)->isChecked() ? 1 : 0;
    return true;
}

// Each button follows its box; the effects' also needs a device to test on.
void CSoundDlg::UpdateButtons() {
    DialogControl(*this, kMusicFilesButton)->setEnabled(DialogControl(*this, kMusicBox)->isChecked());
    DialogControl(*this, kSoundEventsButton)
        ->setEnabled(DialogControl(*this, kEffectsBox)->isChecked() && hasWaveOutput_);
}

void CSoundDlg::RunSubDialog(const std::function<void()>& dialog) {
    if (dialog) dialog();
    // Whatever the sub-dialog stored is kept, so Cancel no longer cancels it.
    DialogControl(*this, kCancelButton)->setText(ToQString(LoadString(StringId::Close)));
}
