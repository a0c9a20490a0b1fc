// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/CMusicNotFoundDlg.h"

#include <QPushButton>
#include <QStyle>

#include "base/CommandIds.h"
#include "sound/MusicUi.h"
#include "ui_129.h"

CMusicNotFoundDlg::CMusicNotFoundDlg(QWidget* parent)
    : COptionDlg(DialogId::MusicNotFound, parent), ui_(std::make_unique<Ui::CMusicNotFoundDlg>()) {
    ui_->setupUi(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    ui_->iconLabel->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    ConnectButtons();
    for (int choice : {MusicNotFoundChoice::SetDefault, MusicNotFoundChoice::SetAllToDefault,
                       MusicNotFoundChoice::ChooseFreely}) {
        auto* button = findChild<QPushButton*>(QStringLiteral("id%1").arg(choice));
        connect(button, &QPushButton::clicked, this, [this, choice] { done(choice); });
    }
}

CMusicNotFoundDlg::~CMusicNotFoundDlg() = default;

void CMusicNotFoundDlg::LoadControls() {
    ui_->id1000->setText(m_strScene);
    ui_->id1001->setText(m_strPath);
}

void CMusicNotFoundDlg::reject() { done(MusicNotFoundChoice::Cancel); }
