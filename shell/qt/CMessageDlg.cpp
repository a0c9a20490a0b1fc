// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CMessageDlg.h"

#include "base/AllClearMessage.h"
#include "base/CommandIds.h"
#include "base/FormatString.h"
#include "base/StringTable.h"
#include "base/qt/DialogControls.h"
#include "base/qt/MessageBox.h"
#include "base/qt/QtText.h"
#include "shell/qt/Cp932LimitedEdit.h"
#include "ui_121.h"

namespace {
constexpr int kMessageEdit = 157;
}

CMessageDlg::CMessageDlg(QWidget* parent) : COptionDlg(DialogId::AllClearMessage, parent) {
    Ui::CMessageDlg().setupUi(this);
    ConnectButtons();
}

void CMessageDlg::LoadControls() {
    auto* edit = DialogControl<Cp932LimitedEdit>(*this, kMessageEdit);
    if (edit == nullptr) return;
    edit->setPlainText(ToQString(ToEditLineBreaks(m_strMessage)));
    edit->SetByteLimit(kMessageLimitBytes);
    // Ready to go on writing where the message ends.
    edit->moveCursor(QTextCursor::End);
    edit->setFocus();
}

bool CMessageDlg::SaveControls() {
    auto* edit = DialogControl<Cp932LimitedEdit>(*this, kMessageEdit);
    if (edit == nullptr) return true;
    const std::string text = edit->toPlainText().toStdString();
    if (MessageSize(text) > kMessageLimitBytes) {
        const std::string limit = std::to_string(kMessageLimitBytes);
        ShowMessageBox(this, FormatString1(LoadString(StringId::TextTooLong), limit), MessageIcon::Exclamation);
        edit->setFocus();
        return false;
    }
    m_strMessage = ToStoredLineBreaks(text);
    return true;
}
