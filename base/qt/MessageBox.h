// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "base/MessageIcon.h"

class QWidget;

// A modal box with the program's title, the text, the icon and an OK
// button; returns when the user closes it.
void ShowMessageBox(QWidget* parent, std::string_view text, MessageIcon icon);
