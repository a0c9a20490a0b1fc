// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/Startup.h"

#include "base/AppPaths.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "stages/DocumentCommands.h"

std::string ChooseStartupFile(std::string_view commandLinePath, SettingsStore& settings,
                              std::string_view programDir) {
    if (!commandLinePath.empty()) return UnquotedPath(commandLinePath);
    const std::string shippedSet = std::string(programDir).append(Settings::kDefaultPatternFile);
    return settings.ReadString(Settings::kSection, Settings::kPattern, shippedSet);
}

bool OpenFirstStageSet(DocumentCommands& commands, std::string_view path) {
    if (commands.OpenDocumentFile(path)) return true;
    return commands.FileOpen();
}
