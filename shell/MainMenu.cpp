// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/MainMenu.h"

namespace MainMenu {
namespace {
const Accelerator kAccelerators[] = {
#include "resources/accelerators.inc"
};

const int kToolbar[] = {
#include "resources/toolbar.inc"
};
}  // namespace

const std::vector<Popup>& Popups() {
    static const std::vector<Popup> popups = {
#include "resources/menu.inc"
    };
    return popups;
}

std::span<const Accelerator> Accelerators() { return kAccelerators; }

std::span<const int> ToolbarEntries() { return kToolbar; }

}  // namespace MainMenu
