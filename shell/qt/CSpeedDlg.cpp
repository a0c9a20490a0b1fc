// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CSpeedDlg.h"

#include "base/CommandIds.h"
#include "base/qt/DialogControls.h"
#include "ui_109.h"

namespace {
// Turbo, fast, normal, slow: the order of m_nSpeed.
constexpr std::initializer_list<int> kSpeedButtons = {123, 122, 121, 120};
}  // namespace

CSpeedDlg::CSpeedDlg(QWidget* parent) : COptionDlg(DialogId::Speed, parent) {
    Ui::CSpeedDlg().setupUi(this);
    ConnectButtons();
}

void CSpeedDlg::LoadControls() { CheckRadioIndex(*this, kSpeedButtons, m_nSpeed); }

bool CSpeedDlg::SaveControls() {
    m_nSpeed = CheckedRadioIndex(*this, kSpeedButtons);
    return true;
}
