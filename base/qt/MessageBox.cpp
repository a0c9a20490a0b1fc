// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/MessageBox.h"

#include <QMessageBox>

#include "base/StringTable.h"
#include "base/qt/DialogFrame.h"
#include "base/qt/QtText.h"

namespace {
QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
}  // namespace

void ShowMessageBox(QWidget* parent, std::string_view text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), ToQString(LoadString(StringId::ProgramTitle)), ToQString(text), QMessageBox::Ok,
                    parent);
    box.setWindowModality(Qt::ApplicationModal);
    DressAsDialog(box);
    box.exec();
}
