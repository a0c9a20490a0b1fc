// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QString>

#include "base/qt/COptionDlg.h"

namespace Ui {
class CMusicNotFoundDlg;
}

// Tells that a scene's music file is missing and asks what to do. Each of
// its four buttons ends it with its own identifier as the result (see
// MusicNotFoundChoice); Esc and the close box give the cancel button's 2.
class CMusicNotFoundDlg : public COptionDlg {
    Q_OBJECT
public:
    explicit CMusicNotFoundDlg(QWidget* parent = nullptr);
    ~CMusicNotFoundDlg() override;

    QString m_strPath;   // the file that was not found
    QString m_strScene;  // the scene's display name

    void reject() override;

protected:
    void LoadControls() override;

private:
    std::unique_ptr<Ui::CMusicNotFoundDlg> ui_;
};
