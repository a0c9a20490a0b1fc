// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/qt/COptionDlg.h"

// The Control dialog: mouse or keyboard, and whether mouse play hides the pointer.
class CControlDlg : public COptionDlg {
    Q_OBJECT
public:
    explicit CControlDlg(QWidget* parent = nullptr);

    bool m_bHideCursor = false;
    // Index of the checked button: 0 mouse, 1 keyboard; -1 none.
    int m_nControl = 0;

protected:
    void LoadControls() override;
    bool SaveControls() override;
};
