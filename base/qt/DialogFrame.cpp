// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/qt/DialogFrame.h"

#include <algorithm>

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QMessageBox>
#include <QSpacerItem>

namespace {
constexpr double kTitlePointSize = 11.0;
// Three buttons, or an icon and two, of about 24 pixels with their padding,
// on each side of a centred title.
constexpr int kDecorationWidth = 2 * 3 * 28;

// A message box lays itself out again whenever its icon or style changes,
// but keeps its buttons' row, which spans its whole width.
void WidenMessageBox(QMessageBox& box, int width) {
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (buttons == nullptr) return;
    const QMargins margins = box.layout()->contentsMargins();
    buttons->setMinimumWidth(width - margins.left() - margins.right());
}

// The forms lay out a row of their contents and a column of buttons; the
// room goes between the two, so the buttons keep to the right-hand edge.
void WidenRow(QBoxLayout& row, int width) {
    const int missing = width - row.totalSizeHint().width();
    if (missing <= 0 || row.count() == 0) return;
    row.insertSpacerItem(row.count() - 1, new QSpacerItem(missing, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
}
}  // namespace

int TitleBarWidth(const QString& title, const QWidget& window) {
    QFont font = window.font();
    font.setBold(true);
    font.setPointSizeF(std::max(font.pointSizeF(), kTitlePointSize));
    return QFontMetrics(font).horizontalAdvance(title) + kDecorationWidth;
}

void DressAsDialog(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    QLayout* layout = dialog.layout();
    if (layout == nullptr) return;
    dialog.ensurePolished();
    const int width = TitleBarWidth(dialog.windowTitle(), dialog);
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) WidenMessageBox(*box, width);
    else if (auto* row = qobject_cast<QBoxLayout*>(layout)) WidenRow(*row, width);
}
