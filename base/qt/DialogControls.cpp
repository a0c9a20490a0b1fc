// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/DialogControls.h"

void CheckRadioIndex(const QWidget& dialog, std::initializer_list<int> ids, int index) {
    if (index < 0 || index >= static_cast<int>(ids.size())) return;
    if (auto* button = DialogControl(dialog, ids.begin()[index])) button->setChecked(true);
}

int CheckedRadioIndex(const QWidget& dialog, std::initializer_list<int> ids) {
    int index = 0;
    for (const int id : ids) {
        const auto* button = DialogControl(dialog, id);
        if (button != nullptr && button->isChecked()) return index;
        ++index;
    }
    return -1;
}
