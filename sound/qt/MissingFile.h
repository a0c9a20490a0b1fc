// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// True only when the file, or a directory on its way, does not exist; a
// file that exists but cannot be looked at counts as there.
bool FileIsMissing(const std::string& path);
