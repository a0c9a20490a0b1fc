// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/CommandTable.h"

#include <QAction>

CommandTable::CommandTable(Context context, QObject* parent) : QObject(parent), context_(std::move(context)) {}

QAction* CommandTable::Action(int command) {
    Entry& entry = entries_[command];
    if (entry.action == nullptr) {
        entry.action = new QAction(this);
        entry.action->setData(command);
        // Marks are set from the rules alone, never by the click itself.
        connect(entry.action, &QAction::triggered, this, [this, command] {
            Run(command);
            Refresh();
        });
    }
    return entry.action;
}

void CommandTable::SetHandler(int command, std::function<void()> handler) {
    Action(command);
    entries_[command].handler = std::move(handler);
}

bool CommandTable::Run(int command) {
    const auto found = entries_.find(command);
    if (found == entries_.end() || !found->second.handler) return false;
    if (!CommandStateOf(command, context_()).enabled) return false;
    found->second.handler();
    return true;
}

void CommandTable::Refresh() {
    const CommandContext context = context_();
    for (const auto& [command, entry] : entries_) {
        const CommandState state = CommandStateOf(command, context);
        entry.action->setEnabled(state.enabled);
        if (entry.action->isCheckable()) entry.action->setChecked(state.checked);
    }
}
