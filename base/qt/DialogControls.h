// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>

#include <QAbstractButton>
#include <QString>
#include <QWidget>

// Controls of a dialog form by resource identifier: each is named "id" + number.
template <class Control = QAbstractButton>
Control* DialogControl(const QWidget& dialog, int id) {
    return dialog.findChild<Control*>(QStringLiteral("id%1").arg(id));
}

// A radio group as an index into its buttons, in the order given: showing an
// index checks that button (-1 or an index past the end checks none), and
// reading gives the checked button's index, or -1.
void CheckRadioIndex(const QWidget& dialog, std::initializer_list<int> ids, int index);
int CheckedRadioIndex(const QWidget& dialog, std::initializer_list<int> ids);
