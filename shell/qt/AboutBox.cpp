// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/AboutBox.h"

#include <QDialog>
#include <QIcon>
#include <QPushButton>

#include "base/qt/DialogControls.h"
#include "base/qt/DialogFrame.h"
#include "engine/qt/ImageResources.h"
#include "ui_100.h"

namespace {
constexpr int kIconSide = 32;
}

void ShowAboutBox(QWidget* parent) {
    QDialog box(parent);
    Ui::AboutBox form;
    form.setupUi(&box);
    EnsureImageResources();
    form.programIcon->setPixmap(QIcon(QStringLiteral(":/icons/2.png")).pixmap(kIconSide));
    if (auto* ok = DialogControl(box, 1)) QObject::connect(ok, &QAbstractButton::clicked, &box, &QDialog::accept);
    DressAsDialog(box);
    box.exec();
}
