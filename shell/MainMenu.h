// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>
#include <vector>

// The main window's menu bar, accelerators and toolbar as the resources
// give them (resources/menu.inc, accelerators.inc, toolbar.inc).
namespace MainMenu {

inline constexpr int kSeparator = 0;

struct Item {
    int command = kSeparator;
    std::string_view text;  // UTF-8; a shortcut follows after a tab
};

struct Popup {
    std::string_view text;
    std::vector<Item> items;
};

struct Accelerator {
    std::string_view key;  // in the portable form "Ctrl+B", "Shift+F1", "Esc"
    int command = 0;
};

const std::vector<Popup>& Popups();
std::span<const Accelerator> Accelerators();
// Toolbar entries left to right; kSeparator between groups.
std::span<const int> ToolbarEntries();

}  // namespace MainMenu
