// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/Cp932LimitedEdit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

#include "base/AllClearMessage.h"

namespace {
// The document's paragraph and line separators as the plain text's LF.
QString PlainText(QString text) {
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

std::size_t SizeOf(const QString& text) { return MessageSize(PlainText(text).toStdString()); }

bool IsLineBreakKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}
}  // namespace

Cp932LimitedEdit::Cp932LimitedEdit(QWidget* parent) : QPlainTextEdit(parent) {}

QString Cp932LimitedEdit::Fit(const QString& inserted) const {
    if (limit_ == 0) return inserted;
    const std::size_t kept = SizeOf(toPlainText()) - SizeOf(textCursor().selectedText());
    const std::size_t room = kept < limit_ ? limit_ - kept : 0;
    return QString::fromStdString(FitInsertion(PlainText(inserted).toStdString(), room));
}

void Cp932LimitedEdit::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = IsLineBreakKey(*event);
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    // Keys that type nothing (moves, deletions, shortcuts) go their own way.
    if (limit_ == 0 || typed.isEmpty() || (!lineBreak && !typed.front().isPrint()) ||
        (event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const QString fitted = Fit(typed);
    if (fitted != PlainText(typed)) {
        QApplication::beep();
        if (!fitted.isEmpty()) insertPlainText(fitted);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Cp932LimitedEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString fitted = Fit(event->commitString());
    if (fitted == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QApplication::beep();
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fitted, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

void Cp932LimitedEdit::insertFromMimeData(const QMimeData* source) {
    if (limit_ == 0 || source == nullptr || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    const QString fitted = Fit(source->text());
    if (fitted != PlainText(source->text()).remove(u'\r')) QApplication::beep();
    if (!fitted.isEmpty()) insertPlainText(fitted);
}
