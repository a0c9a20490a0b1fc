// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/FontWarmUp.h"

#include <QApplication>
#include <QFontMetrics>

FontWarmUp::FontWarmUp()
    : thread_([] {
          // Measuring a Japanese word in the interface's font loads the
          // database and finds the fallback font for the script, as the
          // menus and panes will.
          QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("ゲーム"));
      }) {}

FontWarmUp::~FontWarmUp() { thread_.join(); }
