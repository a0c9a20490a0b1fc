#include "shell/qt/CMessageDlg.h"

#include "shell/AllClearMessage.h"
#include "shell/CommandIds.h"
#include "shell/FormatString.h"
#include "shell/StringTable.h"
#include "shell/qt/Cp932LimitedEdit.h"
#include "shell/qt/DialogControls.h"
#include "shell/qt/MessageBox.h"
#include "shell/qt/QtText.h"
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
