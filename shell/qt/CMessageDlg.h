// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "base/qt/COptionDlg.h"

// The dialog in which the editor writes the message shown when the last
// stage of the set is cleared.
class CMessageDlg : public COptionDlg {
    Q_OBJECT
public:
    explicit CMessageDlg(QWidget* parent = nullptr);

    // The text in UTF-8, line breaks as CR LF as the document keeps them.
    std::string m_strMessage;

protected:
    void LoadControls() override;
    // Refuses a text that does not fit the document's field.
    bool SaveControls() override;
};
