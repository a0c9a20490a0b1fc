// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QString>

class SettingsStore;

// Where the user's settings live: the file QSettings would choose for the
// application's organisation and name ("Vantrosk", "Zembrovaltine").
QString UserSettingsPath();

// The user's settings store. When its file exists but is not a regular
// file (a FIFO would block the program at the first read, a directory or a
// device holds no settings), the program says so on standard error and
// runs with a store in memory: every setting starts at its default and
// nothing is written over what stands at that path. An absent file is the
// normal first start.
std::unique_ptr<SettingsStore> OpenUserSettingsStore();
