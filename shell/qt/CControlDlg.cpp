// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CControlDlg.h"

#include "base/CommandIds.h"
#include "base/qt/DialogControls.h"
#include "ui_111.h"

namespace {
// Mouse, keyboard: the order of m_nControl.
constexpr std::initializer_list<int> kControlButtons = {135, 136};
constexpr int kHideCursorBox = 113;
}  // namespace

CControlDlg::CControlDlg(QWidget* parent) : COptionDlg(DialogId::Control, parent) {
    Ui::CControlDlg().setupUi(this);
    ConnectButtons();
}

void CControlDlg::LoadControls() {
    CheckRadioIndex(*this, kControlButtons, m_nControl);
    if (auto* box = DialogControl(*this, kHideCursorBox)) box->setChecked(m_bHideCursor);
}

bool CControlDlg::SaveControls() {
    m_nControl = CheckedRadioIndex(*this, kControlButtons);
    if (const auto* box = DialogControl(*this, kHideCursorBox)) m_bHideCursor = box->isChecked();
    return true;
}
