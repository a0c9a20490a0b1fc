// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

// Qt's own texts (standard buttons, file dialogs) in Japanese, whatever the
// system's language, so they match the program's texts. False when Qt's
// Japanese translations are not installed; the program then runs with
// Qt's English texts beside its own.
bool InstallJapaneseTranslations(QCoreApplication& app);
