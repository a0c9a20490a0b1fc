// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

struct SeenBox {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs the action and closes every message box it raises as soon as the
// box's loop runs, noting what each said.
inline std::vector<SeenBox> MessageBoxesDuring(const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.push_back({box->text(), box->icon()});
            box->accept();
        }
    });
    timer.start(5);
    action();
    return seen;
}

// The text of the one box the action raised, or an empty text.
inline QString MessageBoxTextDuring(const std::function<void()>& action) {
    const std::vector<SeenBox> seen = MessageBoxesDuring(action);
    return seen.empty() ? QString() : seen.back().text;
}

// Acts on the modal dialog once its loop is running. A dialog the action
// leaves open is closed a little later, so a failing test cannot hang.
inline void WhenDialogOpens(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
        QTimer::singleShot(2000, dialog, [dialog] {
            ADD_FAILURE() << "dialog left open";
            dialog->close();
        });
    });
}
