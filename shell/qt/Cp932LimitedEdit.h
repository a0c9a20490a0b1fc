// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>

#include <QPlainTextEdit>

// A multi-line edit box whose text must fit a Shift-JIS field of so many
// bytes. What the user types, pastes, drops or composes is cut to what
// still fits (a line break takes two bytes), and characters that code page
// 932 lacks are not taken at all; a text set by the program is not cut.
class Cp932LimitedEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Cp932LimitedEdit(QWidget* parent = nullptr);

    // No limit until one is set.
    void SetByteLimit(std::size_t limit) { limit_ = limit; }
    std::size_t ByteLimit() const { return limit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // What of this insertion at the cursor still fits, in place of the selection.
    QString Fit(const QString& inserted) const;

    std::size_t limit_ = 0;
};
