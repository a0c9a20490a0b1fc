// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/qt/COptionDlg.h"

// The Speed dialog: four radio buttons, turbo first.
class CSpeedDlg : public COptionDlg {
    Q_OBJECT
public:
    explicit CSpeedDlg(QWidget* parent = nullptr);

    // Index of the checked button: 0 turbo, 1 fast, 2 normal, 3 slow; -1 none.
    int m_nSpeed = -1;

protected:
    void LoadControls() override;
    bool SaveControls() override;
};
