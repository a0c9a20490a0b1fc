// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/OptionCommands.h"

#include "base/AllClearMessage.h"
#include "base/Cp932.h"
#include "base/Zoom.h"
#include "engine/GameSession.h"
#include "shell/OptionSettings.h"
#include "shell/qt/CControlDlg.h"
#include "shell/qt/CMessageDlg.h"
#include "shell/qt/CSpeedDlg.h"
#include "shell/qt/CZoomDlg.h"
#include "stages/CBlockDoc.h"

void RunSpeedCommand(GameSession& session, SettingsStore& settings, QWidget* parent) {
    CSpeedDlg dlg(parent);
    dlg.m_nSpeed = SpeedToDialogIndex(session.State().speed);
    if (dlg.exec() != QDialog::Accepted) return;
    ApplySpeedChoice(session, settings, dlg.m_nSpeed);
}

void RunControlCommand(GameSession& session, SettingsStore& settings, QWidget* parent) {
    CControlDlg dlg(parent);
    dlg.m_bHideCursor = session.State().hideCursor;
    dlg.m_nControl = ControlToDialogIndex(session);
    if (dlg.exec() != QDialog::Accepted) return;
    ApplyControlChoice(session, settings, dlg.m_bHideCursor, dlg.m_nControl);
}

std::optional<int> AskZoomLevel(int zoom, int screenWidth, QWidget* parent) {
    CZoomDlg dlg(screenWidth, parent);
    dlg.m_nZoom = zoom - kMinZoom;
    if (dlg.exec() != QDialog::Accepted || dlg.m_nZoom < 0) return std::nullopt;
    return dlg.m_nZoom + kMinZoom;
}

std::optional<std::string> AskAllClearMessage(const std::string& currentUtf8, QWidget* parent) {
    CMessageDlg dlg(parent);
    dlg.m_strMessage = currentUtf8;
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    return dlg.m_strMessage;
}
