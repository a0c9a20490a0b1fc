// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The icon of a modal message box: every room shows its failures in one.
enum class MessageIcon { Information, Exclamation, Stop };
