// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>

#include <QObject>

#include "engine/CommandRules.h"

class QAction;

// The program's commands by identifier, each with one QAction shared by
// its menu item, toolbar button and key. Before a command runs its rule is
// asked again, so a disabled command is never carried out, however it
// was chosen.
class CommandTable : public QObject {
    Q_OBJECT
public:
    using Context = std::function<CommandContext()>;

    CommandTable(Context context, QObject* parent);

    // The action of a command, made on first use.
    QAction* Action(int command);
    void SetHandler(int command, std::function<void()> handler);

    // Carries the command out if its rule enables it; false otherwise.
    bool Run(int command);

    // Sets every action's enabled state and mark from the rules.
    void Refresh();

private:
    struct Entry {
        QAction* action = nullptr;
        std::function<void()> handler;
    };

    Context context_;
    std::map<int, Entry> entries_;
};
