// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CZoomDlg.h"

#include "base/CommandIds.h"
#include "base/Zoom.h"
#include "base/ZoomFitsScreen.h"
#include "base/qt/DialogControls.h"
#include "ui_101.h"

namespace {
// 50, 75, 100 %: the order of m_nZoom, which is the zoom level - 2.
constexpr std::initializer_list<int> kZoomButtons = {102, 103, 104};
}  // namespace

CZoomDlg::CZoomDlg(int screenWidth, QWidget* parent) : COptionDlg(DialogId::Zoom, parent), screenWidth_(screenWidth) {
    Ui::CZoomDlg().setupUi(this);
    ConnectButtons();
}

void CZoomDlg::LoadControls() {
    int level = kMinZoom;
    for (const int id : kZoomButtons) {
        if (auto* button = DialogControl(*this, id)) button->setEnabled(ZoomFitsScreen(level, screenWidth_));
        ++level;
    }
    CheckRadioIndex(*this, kZoomButtons, m_nZoom);
}

bool CZoomDlg::SaveControls() {
    m_nZoom = CheckedRadioIndex(*this, kZoomButtons);
    return true;
}
