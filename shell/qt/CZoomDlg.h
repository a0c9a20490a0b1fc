// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/qt/COptionDlg.h"

// The Zoom dialog: 50, 75 or 100 %, the larger ones only where the screen
// is wide enough for them.
class CZoomDlg : public COptionDlg {
    Q_OBJECT
public:
    CZoomDlg(int screenWidth, QWidget* parent = nullptr);

    // Index of the checked button: 0 for 50 %, 1 for 75 %, 2 for 100 %; -1 none.
    int m_nZoom = -1;

protected:
    void LoadControls() override;
    bool SaveControls() override;

private:
    int screenWidth_;
};
