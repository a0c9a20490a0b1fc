// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/COptionDlg.h"

#include <QAbstractButton>
#include <QShortcut>

#include "base/CommandIds.h"
#include "base/HelpService.h"
#include "base/qt/DialogFrame.h"

namespace {
HelpService* helpService = nullptr;
}  // namespace

COptionDlg::COptionDlg(int resourceId, QWidget* parent) : QDialog(parent), resourceId_(resourceId) {}

int COptionDlg::HelpTopic() const { return kHelpTopicBase + resourceId_; }

void COptionDlg::SetHelpService(HelpService* help) { helpService = help; }

HelpService* COptionDlg::Help() { return helpService; }

void COptionDlg::ConnectButtons() {
    if (auto* ok = findChild<QAbstractButton*>("id1")) connect(ok, &QAbstractButton::clicked, this, &COptionDlg::accept);
    if (auto* cancel = findChild<QAbstractButton*>("id2"))
        connect(cancel, &QAbstractButton::clicked, this, &COptionDlg::reject);
    if (auto* help = findChild<QAbstractButton*>("id115"))
        connect(help, &QAbstractButton::clicked, this, &COptionDlg::OnHelp);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &COptionDlg::OnHelp);
}

void COptionDlg::OnHelp() {
    if (helpService != nullptr) helpService->ShowTopic(HelpTopic());
}

void COptionDlg::setVisible(bool visible) {
    if (visible && !dressed_) {
        dressed_ = true;
        DressAsDialog(*this);
    }
    QDialog::setVisible(visible);
}

void COptionDlg::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        LoadControls();
    }
    QDialog::showEvent(event);
}

void COptionDlg::accept() {
    if (SaveControls()) QDialog::accept();
}
